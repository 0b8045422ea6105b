#pragma once
// One logged QSO as the plug-in keeps it, and the QSO as the host reports it.

#include <cstdint>
#include <string>
#include <string_view>

#include "log/growable_array.h"
#include "log/ole_date_time.h"

namespace velmora {

struct QsoRecord {
  std::string call;
  std::string dxccPrefix;
  std::string areaTag;
  std::string band;
  std::string mode;
  std::string rstReceived;
  std::string rstSent;
  std::string exchangeReceived;  // exactly as the host passed it
  std::string exchangeSent;
  std::string spare;       // always empty; kept because the duplicate rule compares it
  std::string department;  // upper-cased, trimmed exchange of a French station; else empty
  std::uint32_t frequencyKhz = 0;
  OleDateTime qsoTime;
};

// The fields of one host QSO report that the log entries read. The views
// point into the host's strings and live only for the duration of one call.
struct QsoReport {
  std::string_view call;
  std::string_view dxccPrefix;
  std::string_view areaTag;
  std::string_view band;
  std::string_view mode;
  std::string_view rstSent;
  std::string_view rstReceived;
  std::string_view exchangeSent;
  std::string_view exchangeReceived;
  std::uint32_t frequencyHz = 0;
  OleDateTime qsoTime;
};

using BandList = GrowableArray<std::string>;

}  // namespace velmora
