#include "report/page_sections.h"

#include <algorithm>

#include "report/markup.h"

namespace velmora::cli::report {
namespace {

// One square per band: filled where the department was worked.
std::string marks(const std::vector<bool>& bands) {
  std::string html = "<span class=\"marks\">";
  for (const bool worked : bands) html += worked ? "<i class=\"w\"></i>" : "<i></i>";
  return html + "</span>";
}

std::string cellHtml(const DepartmentCell& cell, const std::vector<std::string>& bandNames) {
  std::string worked;
  for (std::size_t i = 0; i < cell.bands.size() && i < bandNames.size(); ++i) {
    if (cell.bands[i]) worked += (worked.empty() ? "" : ", ") + bandNames[i];
  }
  std::string title = cell.code;
  if (!cell.name.empty()) title += " " + cell.name + " (" + cell.prefix + ")";
  title += worked.empty() ? ": not worked" : ": worked on " + worked;
  return std::string("<div class=\"cell") + (cell.worked() ? "" : " missing") + "\" title=\"" +
         escaped(title) + "\"><b>" + escaped(cell.code) + "</b>" +
         (cell.prefix.empty() ? "" : "<small>" + escaped(cell.prefix) + "</small>") +
         marks(cell.bands) + "</div>";
}

std::string gridHtml(const std::vector<DepartmentCell>& cells,
                     const std::vector<std::string>& bandNames) {
  std::string html = "<div class=\"depts\">";
  for (const DepartmentCell& cell : cells) html += cellHtml(cell, bandNames);
  return html + "</div>";
}

std::string workedCount(const std::vector<DepartmentCell>& cells) {
  const auto worked = std::count_if(cells.begin(), cells.end(),
                                    [](const DepartmentCell& cell) { return cell.worked(); });
  return std::to_string(worked) + " of " + std::to_string(cells.size());
}

}  // namespace

std::string departmentSection(const ContestCharts& charts) {
  const DepartmentGrid grid =
      departmentGrid(charts.departments, static_cast<int>(charts.bands.size()));
  std::string html = "<section><h2>Departments</h2><p>Worked: " + workedCount(grid.metropolitan) +
                     " metropolitan departments and " + workedCount(grid.overseas) +
                     " overseas.";
  if (!charts.bands.empty()) {
    html += " In each box one square per band, in the order";
    for (const std::string& band : charts.bands) html += " " + escaped(band);
    html += ".";
  }
  html += "</p><p class=\"legend\"><span><i class=\"w\"></i>worked on the band</span>"
          "<span><i></i>not worked on the band</span><span class=\"cell missing\">not worked on "
          "any band</span></p>" +
          gridHtml(grid.metropolitan, charts.bands) + "<h3>Overseas</h3>" +
          gridHtml(grid.overseas, charts.bands);
  if (!grid.others.empty()) {
    html += "<h3>Other departments the plug-in counted</h3>" + gridHtml(grid.others, charts.bands);
  }
  return html + "</section>";
}

}  // namespace velmora::cli::report
