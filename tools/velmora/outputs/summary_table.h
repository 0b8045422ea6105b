#pragma once
// Lays out the plug-in's summary as an aligned table: the title line, the
// column heads, the band and Total lines with the band names left-aligned
// and the numbers right-aligned, then the score line.

#include <string>

namespace velmora::cli {

// `summary` as the plug-in returns it; the table with '\n' line ends. A
// summary of another shape comes back line by line as it is, an empty one
// as an empty text.
std::string formatSummaryTable(const std::string& summary);

}  // namespace velmora::cli
