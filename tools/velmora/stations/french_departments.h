#pragma once
// The French departments, as a French station sends its own: the 96
// metropolitan ones as two characters ("01" to "19", "2A", "2B", "21" to
// "95"), and the eleven overseas departments and territories, each by its
// code ("971") or by its DXCC prefix ("FG"), as real overseas stations send
// it. The one rule of what a department is, for the score run's messages,
// history and the report page's grid.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::cli {

struct OverseasDepartment {
  const char* code;    // "971"
  const char* prefix;  // the plug-in's DXCC prefix for it, "FG"
  const char* name;    // "Guadeloupe"
};

// The metropolitan departments in number order, Corsica's two in place of 20.
const std::vector<std::string>& metropolitanDepartments();

// The eleven overseas departments and territories, in code order.
const std::vector<OverseasDepartment>& overseasDepartments();

// Whether `department`, as the plug-in makes it of an exchange (upper case,
// no blanks around it), is a department: a metropolitan one, an overseas
// code or an overseas prefix. "081", "FRANK49", "1234", "X" and "20" are not.
bool isFrenchDepartment(std::string_view department);

// The overseas department that `department` names by code or by prefix.
const OverseasDepartment* overseasDepartmentOf(std::string_view department);

}  // namespace velmora::cli
