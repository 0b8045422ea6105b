#include "outputs/reference_history.h"

#include "classify/prefix_list.h"
#include "classify/ref_file.h"
#include "log/qso_entries.h"
#include "stations/french_departments.h"
#include "util/terminal_excerpt.h"
#include "util/text_rule.h"

namespace velmora::cli {

std::optional<std::string> ReferenceHistory::add(const LogQso& qso, const CountryFile& countries) {
  const std::optional<Country> country = countries.lookup(qso.call);
  if (!country || !isFrenchPrefix(country->dxccPrefix)) return std::nullopt;
  const std::string department = departmentFromExchange(qso.exchangeReceived);
  if (department.size() != kRefFileDepartmentLength || !isFrenchDepartment(department)) {
    ++passedOver_;
    return std::nullopt;
  }
  if (const std::optional<std::string> fault = textFault(qso.call, TextPlace::Column)) {
    return "the call " + quotedExcerpt(qso.call) + " " + *fault;
  }
  const double when = oleDays(qso.time);
  const auto known = latest_.find(qso.call);
  if (known == latest_.end() || when >= known->second.when) latest_[qso.call] = {when, department};
  return std::nullopt;
}

std::string ReferenceHistory::text() const {
  std::string out;
  for (const auto& [call, sent] : latest_) out += refFileRecord(call, sent.department);
  return out;
}

}  // namespace velmora::cli
