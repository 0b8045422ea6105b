#pragma once
// The check the host makes while the operator types a call sign: is it a
// duplicate on the band, does it bring a new multiplier, and which exchange
// to expect from the station. The check only reads the log and the
// reference file; it changes nothing.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "log/qso_log.h"

namespace velmora {

enum class CallCheckResult {
  Duplicate = 0,        // the call is already logged on this band
  NoNewMultiplier = 1,
  NewDxcc = 2,          // only when the operator is in France
  NewDepartment = 3,
  NoVerdict = 4,        // another band than the filter, or nobody French
};

// The message for a station that neither the operator nor the entered call
// makes part of the contest.
inline constexpr std::string_view kOutsideFranceMessage =
    "In REF correspondents only from France are resolved !!!";

struct CallCheckRequest {
  std::string_view call;
  // nullopt when the host gave none: it then compares as "" but counts as French.
  std::optional<std::string_view> dxccPrefix;
  std::string_view band;
  // Compared with `band` ignoring ASCII case; nullopt lets every band pass.
  std::optional<std::string_view> bandFilter;
};

// The verdict and the texts to hand back to the host. A text is set only
// when the host's buffer for it is to be written.
struct CallCheckAnswer {
  CallCheckResult result = CallCheckResult::NoVerdict;
  std::optional<std::string> expectedExchange;
  std::optional<std::string> checkMessage;
};

// The department the reference file gives for a call, if any.
using DepartmentLookup = std::function<std::optional<std::string>(std::string_view call)>;

// `homeIsFrance`: whether the operator of the last contest start is scored as in France.
// `lookup` is asked exactly once when the band and home gates pass, else never.
CallCheckAnswer checkCall(const QsoLog& log, bool homeIsFrance, const CallCheckRequest& request,
                          const DepartmentLookup& lookup);

}  // namespace velmora
