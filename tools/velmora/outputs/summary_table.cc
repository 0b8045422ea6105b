#include "outputs/summary_table.h"

#include <algorithm>
#include <vector>

#include "outputs/summary_figures.h"

namespace velmora::cli {
namespace {

using Cells = std::vector<std::string>;

std::string padded(const std::string& cell, std::size_t width, bool left) {
  const std::string fill(width - cell.size(), ' ');
  return left ? cell + fill : fill + cell;
}

Cells cellsOf(const SummaryRow& row) {
  Cells cells{row.label};
  cells.insert(cells.end(), row.values.begin(), row.values.end());
  return cells;
}

// The text with '\n' line ends, each line ended.
std::string asLines(const std::string& summary) {
  std::string out;
  for (std::size_t start = 0; start < summary.size();) {
    std::size_t end = summary.find('\n', start);
    if (end == std::string::npos) end = summary.size();
    std::string line = summary.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out += line + "\n";
    start = end + 1;
  }
  return out;
}

}  // namespace

std::string formatSummaryTable(const std::string& summary) {
  const SummaryFigures figures = readSummaryFigures(summary);
  if (!figures.complete) return asLines(summary);
  std::vector<Cells> rows{cellsOf({"", figures.heads})};
  for (const SummaryRow& band : figures.bands) rows.push_back(cellsOf(band));
  rows.push_back(cellsOf(figures.total));
  std::vector<std::size_t> widths;
  for (const Cells& cells : rows) {
    widths.resize(std::max(widths.size(), cells.size()), 0);
    for (std::size_t i = 0; i < cells.size(); ++i) widths[i] = std::max(widths[i], cells[i].size());
  }
  std::string out = figures.title.empty() ? "" : figures.title + "\n";
  for (const Cells& cells : rows) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
      out += (i == 0 ? "" : "  ") + padded(cells[i], widths[i], i == 0);
    }
    out += "\n";
  }
  return out + figures.scoreCell + (figures.scoreNote.empty() ? "" : "    " + figures.scoreNote) +
         "\n";
}

}  // namespace velmora::cli
