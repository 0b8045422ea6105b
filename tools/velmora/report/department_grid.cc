#include "report/department_grid.h"

#include <algorithm>
#include <map>

#include "stations/french_departments.h"

namespace velmora::cli::report {

bool DepartmentCell::worked() const {
  return std::find(bands.begin(), bands.end(), true) != bands.end();
}

DepartmentGrid departmentGrid(const std::vector<WorkedDepartment>& worked, int bandCount) {
  const std::size_t bands = static_cast<std::size_t>(std::max(0, bandCount));
  std::map<std::string, std::vector<bool>> byCode;
  for (const WorkedDepartment& entry : worked) {
    if (entry.department.empty() || entry.band < 0 || entry.band >= bandCount) continue;
    const OverseasDepartment* overseas = overseasDepartmentOf(entry.department);
    std::vector<bool>& flags = byCode[overseas != nullptr ? overseas->code : entry.department];
    flags.resize(bands, false);
    flags[static_cast<std::size_t>(entry.band)] = true;
  }
  auto take = [&](const std::string& code) {
    DepartmentCell cell;
    cell.code = code;
    cell.bands.assign(bands, false);
    if (const auto found = byCode.find(code); found != byCode.end()) {
      cell.bands = found->second;
      byCode.erase(found);
    }
    return cell;
  };
  DepartmentGrid grid;
  for (const std::string& code : metropolitanDepartments()) grid.metropolitan.push_back(take(code));
  for (const OverseasDepartment& overseas : overseasDepartments()) {
    DepartmentCell cell = take(overseas.code);
    cell.prefix = overseas.prefix;
    cell.name = overseas.name;
    grid.overseas.push_back(std::move(cell));
  }
  for (const auto& [code, flags] : byCode) grid.others.push_back({code, "", "", flags});
  return grid;
}

}  // namespace velmora::cli::report
