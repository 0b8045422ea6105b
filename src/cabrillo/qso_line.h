#pragma once
// One Cabrillo "QSO: " line and the two-character mode it carries.

#include <cstdint>
#include <string>
#include <string_view>

#include "log/ole_date_time.h"

namespace velmora {

// "PH" for "SSB", "CW" for "CW", "??" for anything else (exact comparison).
std::string_view ModeTag(std::string_view mode);

struct QsoLineValues {
  std::int32_t frequencyKhz = 0;
  std::string_view modeTag;
  OleDateTime qsoTime;
  std::string_view sender;  // the station's own call sign
  std::string_view rstSent;
  std::string_view exchangeSent;
  std::string_view call;  // the station worked
  std::string_view rstReceived;
  std::string_view exchangeReceived;
};

// The line "QSO: %5i %2s %s %-13s %-3s %-6s %-13s %-3s %s\r\n" of these
// values: fields are padded to their width and never cut.
std::string FormatQsoLine(const QsoLineValues& values);

}  // namespace velmora
