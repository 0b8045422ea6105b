#pragma once
// The contest result as the host shows it: one tab-separated line per band
// with its QSOs, points and multipliers, a Total line and the claimed score.
// Each band's figures come from the counts the log keeps of it (QsoLog::band),
// so a request costs what the bands cost, whatever the size of the log.

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

// The tally of every entry of `bands`, in list order: the same figures as
// one pass over the log would count (score/band_recount.h is that pass, kept
// to check these against). Records on bands not in the list are not counted;
// a name listed twice gets the same figures twice.
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

// The summary text and score of `bands` in their present order, each with
// its tally (`tallies[i]` for `bands[i]`). The Total line's QSO figure is
// `records`, the number of log records, empty calls included.
Summary summaryOf(const BandList& bands, const std::vector<BandTally>& tallies,
                  std::size_t records, bool homeIsFrance);

// The summary of the log over `bands` in their present order.
Summary summarize(const QsoLog& log, const BandList& bands, const OperatorStation& station);

}  // namespace velmora
