#include "summary_table.h"

#include <algorithm>
#include <vector>

#include "text_case.h"

namespace velmora::cli {
namespace {

using Cells = std::vector<std::string>;

}  // namespace

std::vector<Cells> splitSummary(const std::string& summary) {
  std::vector<Cells> lines;
  std::size_t start = 0;
  while (start < summary.size()) {
    std::size_t end = summary.find('\n', start);
    if (end == std::string::npos) end = summary.size();
    std::string_view line(summary.data() + start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    Cells cells;
    for (std::size_t from = 0;;) {
      const std::size_t tab = line.find('\t', from);
      cells.emplace_back(trimBlanks(line.substr(from, tab - from)));
      if (tab == std::string_view::npos) break;
      from = tab + 1;
    }
    lines.push_back(std::move(cells));
    start = end + 1;
  }
  return lines;
}

namespace {

std::string joinNonEmpty(const Cells& cells, const std::string& gap) {
  std::string out;
  for (const std::string& cell : cells) {
    if (cell.empty()) continue;
    out += (out.empty() ? "" : gap) + cell;
  }
  return out;
}

std::string padded(const std::string& cell, std::size_t width, bool left) {
  const std::string fill(width - cell.size(), ' ');
  return left ? cell + fill : fill + cell;
}

}  // namespace

std::string formatSummaryTable(const std::string& summary) {
  std::vector<Cells> lines = splitSummary(summary);
  if (lines.empty()) return "";
  std::string title, scoreLine;
  const auto nonEmpty = [](const Cells& cells) {
    return std::count_if(cells.begin(), cells.end(), [](auto& c) { return !c.empty(); });
  };
  if (nonEmpty(lines.front()) == 1) {
    title = joinNonEmpty(lines.front(), " ");
    lines.erase(lines.begin());
  }
  if (!lines.empty() && lines.back().front().rfind("Score", 0) == 0) {
    scoreLine = joinNonEmpty(lines.back(), "    ");
    lines.pop_back();
  }
  std::vector<std::size_t> widths;
  for (const Cells& cells : lines) {
    widths.resize(std::max(widths.size(), cells.size()), 0);
    for (std::size_t i = 0; i < cells.size(); ++i) widths[i] = std::max(widths[i], cells[i].size());
  }
  std::string out = title.empty() ? "" : title + "\n";
  for (const Cells& cells : lines) {
    std::string row;
    for (std::size_t i = 0; i < cells.size(); ++i) {
      row += (i == 0 ? "" : "  ") + padded(cells[i], widths[i], i == 0);
    }
    out += std::string(trimBlanks(row)).empty() ? "\n" : row + "\n";
  }
  if (!scoreLine.empty()) out += scoreLine + "\n";
  return out;
}

}  // namespace velmora::cli
