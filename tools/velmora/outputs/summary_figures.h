#pragma once
// The plug-in's summary text (GetResult0) read back into its parts, as the
// plug-in wrote them: the title, the column heads, one row per band, the
// Total row and the claimed score. The one reading of that text: the table
// `score` prints and the report page are both made from it. Nothing is
// recomputed; the numbers stay the plug-in's text, and are read as numbers
// only where a chart needs them.

#include <optional>
#include <string>
#include <vector>

namespace velmora::cli {

struct SummaryRow {
  std::string label;                // the band name, or "Total"
  std::vector<std::string> values;  // under the heads, in their order
};

struct SummaryFigures {
  bool complete = false;  // title, heads, Total and score lines all found
  std::string title;      // "Velmorat"
  std::vector<std::string> heads;  // "QSOs", "Points", "DEP" and, for an operator in France, "DXCC"
  std::vector<SummaryRow> bands;   // in the plug-in's band order
  SummaryRow total;
  std::string scoreCell;  // the score line's first cell as written: "Score  = 346125"
  std::string score;      // "346125"
  std::string scoreNote;  // what follows the score on its line: "Velmorat 2011"
};

// The parts of `summary` (lines ending in CR LF, the last may have none,
// cells apart by tabs, each cell taken without surrounding blanks);
// `complete` is false when it does not have the shape of the plug-in's
// summary (an empty text, say).
SummaryFigures readSummaryFigures(const std::string& summary);

// The whole number in `text`, or nothing when it is not one.
std::optional<long long> wholeNumber(const std::string& text);

// The Total row's value under `head` ("QSOs", "DEP" ...), as a number.
std::optional<long long> totalUnder(const SummaryFigures& figures, const std::string& head);

}  // namespace velmora::cli
