#pragma once
// The summary recomputed from the whole log in one pass, as the plug-in
// once did on every request. The plug-in itself no longer uses it: it is
// kept, in a library of its own that only the tests and the fuzz targets
// link (velmora_recount), as the reference the log's kept counts are
// checked against after every change of the log.

#include <vector>

#include "score/band_summary.h"

namespace velmora {

// The tally of every entry of `bands`, in list order, from one pass over
// the log's records; what tallyBands must always give.
std::vector<BandTally> recountBands(const QsoLog& log, const BandList& bands,
                                    const OperatorStation& station);

// The summary over `bands` in their present order, from recountBands; what
// summarize must always give.
Summary recountSummary(const QsoLog& log, const BandList& bands, const OperatorStation& station);

}  // namespace velmora
