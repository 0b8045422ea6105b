#include "reference_history.h"

#include "classify/prefix_list.h"
#include "log/qso_entries.h"
#include "ole_time.h"

namespace velmora::cli {
namespace {

// What one line of the reference file holds after the call and its blank.
constexpr std::size_t kDepartmentLength = 2;

}  // namespace

int ReferenceHistory::add(const LogContents& log, const CountryFile& countries) {
  int passedOver = 0;
  for (const LogQso& qso : log.qsos) {
    const std::optional<Country> country = countries.lookup(qso.call);
    if (!country || !isFrenchPrefix(country->dxccPrefix)) continue;
    const std::string department = departmentFromExchange(qso.exchangeReceived);
    if (department.size() != kDepartmentLength) {
      ++passedOver;
      continue;
    }
    const double when = oleDays(qso.time);
    const auto known = latest_.find(qso.call);
    if (known == latest_.end() || when >= known->second.when) latest_[qso.call] = {when, department};
  }
  return passedOver;
}

std::string ReferenceHistory::text() const {
  std::string out;
  for (const auto& [call, sent] : latest_) out += call + " " + sent.department + "\r\n";
  return out;
}

}  // namespace velmora::cli
