// The exported boundary: each entry turns the host's arguments into core
// values, calls the one process-wide plug-in and turns the answer back. This
// is the only file that knows the host's integers, raw pointers and result
// codes. Nothing thrown inside ever leaves an entry.

#include "plugin/exports.h"

#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "checks/call_check.h"
#include "checks/exchange_validation.h"
#include "classify/prefix_list.h"
#include "ports/host_platform.h"
#include "plugin/plugin.h"
#include "plugin/set_info.h"

namespace {

velmora::Plugin& plugin() {
  static velmora::Plugin instance(velmora::hostPlatform());
  return instance;
}

std::string_view text(const char* p) { return p == nullptr ? std::string_view() : p; }

std::optional<std::string_view> optionalText(const char* p) {
  if (p == nullptr) return std::nullopt;
  return std::string_view(p);
}

// The host passes no prefix at all for an operator it knows nothing about.
velmora::OperatorHome operatorHome(const char* myDxccPrefix) {
  if (myDxccPrefix == nullptr) return velmora::OperatorHome::Unknown;
  return velmora::isFrenchPrefix(myDxccPrefix) ? velmora::OperatorHome::France
                                               : velmora::OperatorHome::Abroad;
}

int doneOrIgnored(bool done) { return done ? 1 : 0; }

// The host's date-time is 8 bytes of day count followed by a 4-byte status.
velmora::OleDateTime dateTime(const HostDateTime* p) {
  velmora::OleDateTime value;
  if (p == nullptr) {
    value.status = velmora::kOleDateTimeInvalid;
    return value;
  }
  const auto* bytes = reinterpret_cast<const unsigned char*>(p);
  std::memcpy(&value.days, bytes, sizeof value.days);
  std::memcpy(&value.status, bytes + 8, sizeof value.status);
  return value;
}

velmora::QsoReport qsoReport(const char* call, const HostDateTime* qsoTime, unsigned frequencyHz,
                             const char* mode, const char* rstSent, const char* rstReceived,
                             const char* exchangeSent, const char* exchangeReceived,
                             const char* dxccPrefix, const char* areaTag, const char* band) {
  velmora::QsoReport report;
  report.call = text(call);
  report.mode = text(mode);
  report.rstSent = text(rstSent);
  report.rstReceived = text(rstReceived);
  report.exchangeSent = text(exchangeSent);
  report.exchangeReceived = text(exchangeReceived);
  report.dxccPrefix = text(dxccPrefix);
  report.areaTag = text(areaTag);
  report.band = text(band);
  report.frequencyHz = frequencyHz;
  report.qsoTime = dateTime(qsoTime);
  return report;
}

// The host's result buffers come without a size: it promises room for the
// longest exchange and for the 56-byte message. That promise is all the ABI
// gives, so this is the one place that copies raw bytes into host memory.
void copyToHostBuffer(char* buffer, const std::string& value) {
  if (buffer != nullptr) std::memcpy(buffer, value.c_str(), value.size() + 1);
}

}  // namespace

extern "C" {

int VELMORA_CDECL ResetStats0(const char*, int exportRequested, const char* myCall,
                              HostDateTime*, HostDateTime*, const char*, const char*, const char*,
                              const char*, const char*, const char*, const char*, const char*,
                              const char*, const char* myDxccPrefix, int, int, int, double, double,
                              const char*, const char* myAreaTag, const char*) {
  try {
    velmora::ContestStart start;
    start.exportRequested = exportRequested != 0;
    start.myCall = text(myCall);
    start.home = operatorHome(myDxccPrefix);
    start.myAreaTag = text(myAreaTag);
    plugin().startContest(start);
    return 1;
  } catch (...) {
    return 1;
  }
}

int VELMORA_CDECL AddData0(const char*, const char* call, HostDateTime*, HostDateTime* qsoTime,
                           HostDateTime*, HostDateTime*, unsigned, unsigned frequencyHz,
                           const char* mode, const char* rstSent, const char* rstReceived,
                           const char* exchangeSent, const char* exchangeReceived, const char*,
                           const char*, const char*, const char*, const char*, const char*,
                           const char*, const char*, const char*, const char* dxccPrefix, int, int,
                           int, double, double, const char*, const char* areaTag, const char*,
                           const char* band, const char*) {
  try {
    return doneOrIgnored(plugin().logQso(qsoReport(call, qsoTime, frequencyHz, mode, rstSent,
                                                   rstReceived, exchangeSent, exchangeReceived,
                                                   dxccPrefix, areaTag, band)));
  } catch (...) {
    return 0;
  }
}

int VELMORA_CDECL RemoveData0(const char*, const char* call, HostDateTime*, HostDateTime*,
                              HostDateTime*, HostDateTime*, unsigned, unsigned, const char* mode,
                              const char*, const char*, const char* exchangeSent,
                              const char* exchangeReceived, const char*, const char*, const char*,
                              const char*, const char*, const char*, const char*, const char*,
                              const char*, const char*, int, int, int, double, double, const char*,
                              const char*, const char*, const char* band, const char*) {
  try {
    // Only the call, mode, band and the two exchanges decide a deletion.
    const velmora::QsoReport report = qsoReport(call, nullptr, 0, mode, nullptr, nullptr,
                                                exchangeSent, exchangeReceived, nullptr, nullptr,
                                                band);
    return doneOrIgnored(plugin().deleteQso(report));
  } catch (...) {
    return 0;
  }
}

int VELMORA_CDECL CheckCallFunc0(const char* call, unsigned, unsigned, const char*, const char*,
                                 const char*, const char*, const char*, const char*, const char*,
                                 const char*, const char*, const char*, const char* dxccPrefix, int,
                                 int, int, double, double, const char*, const char*, const char*,
                                 const char*, const char*, const char* band,
                                 const char* bandFilter, char* expectedExchange,
                                 char* checkMessage) {
  try {
    velmora::CallCheckRequest request;
    request.call = text(call);
    request.dxccPrefix = optionalText(dxccPrefix);
    request.band = text(band);
    request.bandFilter = optionalText(bandFilter);
    const velmora::CallCheckAnswer answer = plugin().checkCall(request);
    if (answer.expectedExchange) copyToHostBuffer(expectedExchange, *answer.expectedExchange);
    if (answer.checkMessage) copyToHostBuffer(checkMessage, *answer.checkMessage);
    return static_cast<int>(answer.result);
  } catch (...) {
    return static_cast<int>(velmora::CallCheckResult::NoVerdict);
  }
}

int VELMORA_CDECL StatsIsValidExchg0(const char* exchange, const char*, const char*, const char*,
                                     int, int, int refuseFlag) {
  try {
    return velmora::isValidExchange(text(exchange), refuseFlag != 0) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

const char* VELMORA_CDECL GetResult0(int* flagOut) {
  try {
    const velmora::Plugin::Result result = plugin().summarize();
    if (result.exported && flagOut != nullptr) *flagOut = -1;
    return result.text.c_str();
  } catch (...) {
    return "";
  }
}

void VELMORA_CDECL SetupSet0(void) {
  try {
    plugin().showSetupMessage();
  } catch (...) {
  }
}

int VELMORA_CDECL StatsGetExchgCount0(const char*, const char*, const char*) { return 1; }

const char* VELMORA_CDECL GetSetName(int index) { return velmora::setName(index); }

}  // extern "C"

#if !defined(_WIN32)
// The shared object's second names for functions the host also looks up under
// another plain name. (The DLL gets the same names from Stats.def.) An alias
// must be defined in the same translation unit as its target.
extern "C" {

VELMORA_EXPORT int CheckCall0(const char*, unsigned, unsigned, const char*, const char*,
                              const char*, const char*, const char*, const char*, const char*,
                              const char*, const char*, const char*, const char*, int, int, int,
                              double, double, const char*, const char*, const char*, const char*,
                              const char*, const char*, const char*, char*, char*)
    __attribute__((alias("CheckCallFunc0")));

VELMORA_EXPORT int GetExchgCount0(const char*, const char*, const char*)
    __attribute__((alias("StatsGetExchgCount0")));

VELMORA_EXPORT int GetNumberOfSets(void) __attribute__((alias("StatsGetExchgCount0")));

}  // extern "C"
#endif
