#pragma once
// The contest result as the host shows it: one tab-separated line per band
// with its QSOs, points and multipliers, a Total line and the claimed score.
// Everything is recomputed from the log on every request; nothing is kept.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "log/qso_log.h"

namespace velmora {

// The operator as the score sees them.
struct OperatorStation {
  bool inFrance = false;    // else only QSOs with French stations were logged
  std::string myAreaTag;    // compared with each foreign station's area
};

// What one band contributes. Every counted QSO (non-empty call) falls under
// exactly one of metropolitan, overseas, sameArea and otherArea; the first two
// only for an operator in France.
struct BandTally {
  int qsos = 0;
  int metropolitan = 0;
  int overseas = 0;
  int sameArea = 0;
  int otherArea = 0;
  int departments = 0;  // distinct non-empty departments
  int dxcc = 0;         // distinct foreign prefixes (operator in France only)
};

// The tally of every entry of `bands`, in list order, from one pass over the
// log. Records on bands not in the list are not counted.
std::vector<BandTally> tallyBands(const QsoLog& log, const BandList& bands,
                                  const OperatorStation& station);

// 6 per metropolitan, 15 per overseas, 3 per other-area and 1 per same-area QSO.
std::int64_t bandPoints(const BandTally& tally);

// points × multipliers, held to the signed 32-bit range instead of wrapping.
std::int32_t clampedScore(std::int64_t points, std::int64_t multipliers);

struct Summary {
  std::string text;
  std::int32_t score = 0;
};

// The summary over `bands` in their present order. The Total line's QSO
// figure is the number of log records, empty calls included.
Summary summarize(const QsoLog& log, const BandList& bands, const OperatorStation& station);

}  // namespace velmora
