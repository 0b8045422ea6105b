#include "replay/department_note.h"

#include "classify/prefix_list.h"
#include "log/qso_entries.h"
#include "stations/french_departments.h"
#include "util/terminal_excerpt.h"

namespace velmora::cli {

std::optional<std::string> departmentNote(const host::Qso& qso) {
  if (!isFrenchPrefix(qso.dxccPrefix)) return std::nullopt;
  if (isFrenchDepartment(departmentFromExchange(qso.exchangeReceived))) return std::nullopt;
  return "exchange " + quotedExcerpt(qso.exchangeReceived) +
         " is not a department; the plug-in counts it as one";
}

}  // namespace velmora::cli
