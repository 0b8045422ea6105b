#include "report/department_grid.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace velmora::cli::report {
namespace {

std::vector<std::string> metropolitanCodes() {
  std::vector<std::string> codes;
  for (int number = 1; number <= 95; ++number) {
    if (number == 20) {  // Corsica, split in two
      codes.push_back("2A");
      codes.push_back("2B");
      continue;
    }
    char code[4];
    std::snprintf(code, sizeof code, "%02d", number);
    codes.push_back(code);
  }
  return codes;
}

}  // namespace

const std::vector<OverseasDepartment>& overseasDepartments() {
  static const std::vector<OverseasDepartment> kOverseas = {
      {"971", "FG", "Guadeloupe"},
      {"972", "FM", "Martinique"},
      {"973", "FY", "French Guiana"},
      {"974", "FR", "R\xC3\xA9union"},
      {"975", "FP", "Saint-Pierre-et-Miquelon"},
      {"976", "FH", "Mayotte"},
      {"977", "FJ", "Saint-Barth\xC3\xA9lemy"},
      {"984", "FT", "French Southern and Antarctic Lands"},
      {"986", "FW", "Wallis and Futuna"},
      {"987", "FO", "French Polynesia"},
      {"988", "FK", "New Caledonia"},
  };
  return kOverseas;
}

bool DepartmentCell::worked() const {
  return std::find(bands.begin(), bands.end(), true) != bands.end();
}

DepartmentGrid departmentGrid(const std::vector<WorkedDepartment>& worked, int bandCount) {
  const std::size_t bands = static_cast<std::size_t>(std::max(0, bandCount));
  std::map<std::string, std::vector<bool>> byCode;
  for (const WorkedDepartment& entry : worked) {
    if (entry.department.empty() || entry.band < 0 || entry.band >= bandCount) continue;
    std::vector<bool>& flags = byCode[entry.department];
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
  for (const std::string& code : metropolitanCodes()) grid.metropolitan.push_back(take(code));
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
