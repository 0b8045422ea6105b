#include "checks/call_check.h"

#include "classify/prefix_list.h"
#include "text/ascii.h"
#include "text/short_text.h"

namespace velmora {
namespace {

bool passesBandFilter(const CallCheckRequest& request) {
  return !request.bandFilter || equalIgnoringAsciiCase(request.band, *request.bandFilter);
}

// Whether a French department for this station is a new multiplier on the band.
CallCheckResult departmentVerdict(const QsoLog& log, std::string_view band,
                                  const std::optional<std::string>& department) {
  if (!department || log.holdsDepartmentOnBand(band, *department)) {
    return CallCheckResult::NoNewMultiplier;
  }
  return CallCheckResult::NewDepartment;
}

}  // namespace

CallCheckAnswer checkCall(const QsoLog& log, bool homeIsFrance, const CallCheckRequest& request,
                          const DepartmentLookup& lookup) {
  CallCheckAnswer answer;
  if (!passesBandFilter(request)) return answer;

  const bool stationIsFrench = !request.dxccPrefix || isFrenchPrefix(*request.dxccPrefix);
  if (!homeIsFrance && !stationIsFrench) {
    answer.checkMessage = std::string(kOutsideFranceMessage);
    return answer;
  }
  const std::string_view prefix = request.dxccPrefix.value_or("");

  // The file is read once: the suggestion and the department check share
  // the answer.
  const std::optional<std::string> department = lookup(request.call);
  std::string suggestion = department.value_or("");

  // The last earlier QSO with this call (on other bands) gives the suggestion.
  for (const std::size_t position : log.positionsOfCall(request.call)) {
    const QsoRecord& r = log[position];
    suggestion = r.exchangeReceived;
    if (sameText(r.band, request.band)) {
      answer.result = CallCheckResult::Duplicate;
      return answer;
    }
  }

  answer.result = CallCheckResult::NewDxcc;
  if (homeIsFrance && log.holdsBand(request.band)) {
    // Without a prefix nothing can be compared: new at once, no suggestion.
    if (prefix.empty()) return answer;
    if (log.holdsPrefixOnBand(request.band, prefix)) answer.result = CallCheckResult::NoNewMultiplier;
  }
  if (stationIsFrench) answer.result = departmentVerdict(log, request.band, department);

  answer.expectedExchange = std::move(suggestion);
  return answer;
}

}  // namespace velmora
