#include "outputs/reference_history.h"

#include "classify/prefix_list.h"
#include "classify/ref_file.h"
#include "log/qso_entries.h"
#include "stations/french_departments.h"

namespace velmora::cli {

void ReferenceHistory::add(const LogQso& qso, const CountryFile& countries) {
  const std::optional<Country> country = countries.lookup(qso.call);
  if (!country || !isFrenchPrefix(country->dxccPrefix)) return;
  const std::string department = departmentFromExchange(qso.exchangeReceived);
  if (department.size() != kRefFileDepartmentLength || !isFrenchDepartment(department)) {
    ++passedOver_;
    return;
  }
  const double when = oleDays(qso.time);
  const auto known = latest_.find(qso.call);
  if (known == latest_.end() || when >= known->second.when) latest_[qso.call] = {when, department};
}

std::string ReferenceHistory::text() const {
  std::string out;
  for (const auto& [call, sent] : latest_) out += refFileRecord(call, sent.department);
  return out;
}

}  // namespace velmora::cli
