#pragma once
// The French departments as a grid, each with the bands on which it was
// worked, so that the missing ones stand out: the 96 metropolitan ones in
// number order ("01" to "19", "2A", "2B", "21" to "95"), then one overseas
// department for each overseas prefix the plug-in knows, filled from its
// code or its prefix (an overseas station sends either, "973" or "FY"),
// then any other department text the plug-in counted (a "20", a mistyped
// exchange). The departments are those of stations/french_departments.h.

#include <string>
#include <vector>

namespace velmora::cli::report {

struct DepartmentCell {
  std::string code;
  std::string prefix;  // overseas only
  std::string name;    // overseas only
  std::vector<bool> bands;  // worked on the band of that index
  bool worked() const;
};

struct DepartmentGrid {
  std::vector<DepartmentCell> metropolitan, overseas, others;
};

// A department the plug-in counted on a band (the index of the band).
struct WorkedDepartment {
  std::string department;
  int band = 0;
};

// The grid for `bandCount` bands; band indexes outside 0 to bandCount - 1
// are ignored, and so are empty department texts.
DepartmentGrid departmentGrid(const std::vector<WorkedDepartment>& worked, int bandCount);

}  // namespace velmora::cli::report
