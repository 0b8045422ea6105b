#pragma once
// Lays out the plug-in's tab-separated summary as an aligned table: the
// title line, the column heads, the band and Total lines with the band
// names left-aligned and the numbers right-aligned, then the score line.

#include <string>
#include <vector>

namespace velmora::cli {

// `summary` with lines ending in CR LF (the last may have none); the table
// with '\n' line ends. An empty summary gives an empty table.
std::string formatSummaryTable(const std::string& summary);

// The summary's lines split at the tabs, each cell without surrounding blanks.
std::vector<std::vector<std::string>> splitSummary(const std::string& summary);

}  // namespace velmora::cli
