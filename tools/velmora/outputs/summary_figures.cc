#include "outputs/summary_figures.h"

#include <cerrno>
#include <cstdlib>
#include <string_view>

#include "text/ascii.h"

namespace velmora::cli {
namespace {

using Cells = std::vector<std::string>;

// The summary's lines split at the tabs, each cell without surrounding blanks.
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
      cells.emplace_back(trimAsciiBlanks(line.substr(from, tab - from)));
      if (tab == std::string_view::npos) break;
      from = tab + 1;
    }
    lines.push_back(std::move(cells));
    start = end + 1;
  }
  return lines;
}

std::vector<std::string> nonEmpty(const std::vector<std::string>& cells) {
  std::vector<std::string> out;
  for (const std::string& cell : cells) {
    if (!cell.empty()) out.push_back(cell);
  }
  return out;
}

SummaryRow rowOf(const std::vector<std::string>& cells) {
  SummaryRow row;
  row.label = cells.empty() ? "" : cells.front();
  if (!cells.empty()) row.values.assign(cells.begin() + 1, cells.end());
  return row;
}

}  // namespace

std::optional<long long> wholeNumber(const std::string& text) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  errno = 0;
  const long long value = std::strtoll(text.c_str(), &end, 10);
  if (errno != 0 || end != text.c_str() + text.size()) return std::nullopt;
  return value;
}

SummaryFigures readSummaryFigures(const std::string& summary) {
  // The title line, the heads line, the band lines, the Total line and the
  // score line, in that order.
  const std::vector<std::vector<std::string>> lines = splitSummary(summary);
  SummaryFigures figures;
  if (lines.size() < 4) return figures;
  const std::vector<std::string>& scoreCells = lines.back();
  const std::vector<std::string>& totalCells = lines[lines.size() - 2];
  const std::string& scoreCell = scoreCells.front();
  const std::size_t equals = scoreCell.find('=');
  if (scoreCell.rfind("Score", 0) != 0 || equals == std::string::npos ||
      totalCells.front() != "Total") {
    return figures;
  }
  const std::vector<std::string> title = nonEmpty(lines[0]);
  figures.title = title.empty() ? "" : title.front();
  figures.heads = nonEmpty(lines[1]);
  for (std::size_t i = 2; i + 2 < lines.size(); ++i) figures.bands.push_back(rowOf(lines[i]));
  figures.total = rowOf(totalCells);
  figures.scoreCell = scoreCell;
  figures.score = std::string(trimAsciiBlanks(std::string_view(scoreCell).substr(equals + 1)));
  const std::vector<std::string> note = nonEmpty(
      std::vector<std::string>(scoreCells.begin() + 1, scoreCells.end()));
  figures.scoreNote = note.empty() ? "" : note.front();
  figures.complete = true;
  return figures;
}

std::optional<long long> totalUnder(const SummaryFigures& figures, const std::string& head) {
  for (std::size_t i = 0; i < figures.heads.size() && i < figures.total.values.size(); ++i) {
    if (figures.heads[i] == head) return wholeNumber(figures.total.values[i]);
  }
  return std::nullopt;
}

}  // namespace velmora::cli
