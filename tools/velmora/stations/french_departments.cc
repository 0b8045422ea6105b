#include "stations/french_departments.h"

#include <algorithm>

namespace velmora::cli {

const std::vector<std::string>& metropolitanDepartments() {
  static const std::vector<std::string> kCodes = [] {
    std::vector<std::string> codes;
    for (int number = 1; number <= 95; ++number) {
      if (number == 20) {  // Corsica, split in two
        codes.push_back("2A");
        codes.push_back("2B");
        continue;
      }
      codes.push_back(std::string(1, static_cast<char>('0' + number / 10)) +
                      static_cast<char>('0' + number % 10));
    }
    return codes;
  }();
  return kCodes;
}

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

const OverseasDepartment* overseasDepartmentOf(std::string_view department) {
  for (const OverseasDepartment& overseas : overseasDepartments()) {
    if (department == overseas.code || department == overseas.prefix) return &overseas;
  }
  return nullptr;
}

bool isFrenchDepartment(std::string_view department) {
  const std::vector<std::string>& metropolitan = metropolitanDepartments();
  return std::find(metropolitan.begin(), metropolitan.end(), department) != metropolitan.end() ||
         overseasDepartmentOf(department) != nullptr;
}

}  // namespace velmora::cli
