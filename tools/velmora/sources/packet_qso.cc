#include "sources/packet_qso.h"

#include <cstdio>
#include <variant>

#include "logs/adif_qso.h"

namespace velmora::cli {

SourceEvent qsoEvent(std::string what, std::string key, const AdifRecord& fields,
                     const std::string& rcvdField) {
  ReadRecord read = qsoFromAdif(fields, rcvdField);
  if (const auto* skipped = std::get_if<SkippedRecord>(&read)) {
    return malformedPacket(std::move(what), skipped->reason);
  }
  SourceEvent event;
  event.kind = EventKind::Qso;
  event.what = std::move(what);
  event.qso = std::get<LogQso>(std::move(read));
  event.key = key.empty() ? minuteKey(event.qso) : std::move(key);
  event.qso.key = event.key;
  return event;
}

std::string adifMegahertz(std::uint32_t hz) {
  char text[24];
  std::snprintf(text, sizeof text, "%u.%06u", static_cast<unsigned>(hz / 1000000),
                static_cast<unsigned>(hz % 1000000));
  return text;
}

std::string minuteKey(const LogQso& qso) {
  char minute[16];
  std::snprintf(minute, sizeof minute, "%04d%02d%02d%02d%02d", qso.time.year, qso.time.month,
                qso.time.day, qso.time.hour, qso.time.minute);
  return qso.call + " " + qso.band + " " + minute;
}

}  // namespace velmora::cli
