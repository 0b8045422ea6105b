#pragma once
// The host's date-time value: a count of days since 30 December 1899 whose
// fraction is the time of day, followed by a status word. The plug-in copies
// both parts unchanged and formats the value only for the Cabrillo log.

#include <cstdint>

namespace velmora {

enum OleDateTimeStatus : std::int32_t {
  kOleDateTimeValid = 0,
  kOleDateTimeInvalid = 1,
  kOleDateTimeNull = 2,
};

struct OleDateTime {
  double days = 0.0;
  std::int32_t status = kOleDateTimeValid;
};

}  // namespace velmora
