#include "sources/wsjtx_packet.h"

#include <sstream>

#include "logs/adif_scanner.h"
#include "sources/packet_qso.h"
#include "sources/qt_stream.h"
#include "util/terminal_excerpt.h"

namespace velmora::cli {
namespace {

constexpr std::uint32_t kMagic = 0xadbccbda;
enum MessageType : std::uint32_t { kQsoLogged = 5, kLoggedAdif = 12 };
// An ADIF record is far shorter than a datagram; its text is read whole.
constexpr std::size_t kLongestAdifText = 8192;

std::string adifDate(const CivilDateTime& time) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d%02d%02d", time.year, time.month, time.day);
  return text;
}

std::string adifTime(const CivilDateTime& time) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d%02d%02d", time.hour, time.minute, time.second);
  return text;
}

// Reads the next text field into `record` under `adifName`; false when the
// message ends inside it or it is absurdly long (then `why` says so).
bool takeText(QtStreamReader& in, AdifRecord& record, const char* adifName, std::string& why) {
  const std::optional<std::string> text = in.bytes();
  if (!text) {
    why = std::string("cut inside field ") + adifName;
    return false;
  }
  if (text->size() > kLongestPacketField) {
    why = std::string("field ") + adifName + " of " + std::to_string(text->size()) + " bytes";
    return false;
  }
  if (!text->empty()) record.fields.set(adifName, *text);
  return true;
}

SourceEvent qsoLogged(QtStreamReader& in, const std::string& what, const std::string& rcvdField) {
  AdifRecord record;
  std::string why;
  const auto timeOff = in.dateTime();
  if (!timeOff)
    return malformedPacket(what, "cannot read the time off (cut short, or a named time zone)");
  if (!takeText(in, record, "call", why) || !takeText(in, record, "gridsquare", why)) {
    return malformedPacket(what, why);
  }
  const std::optional<std::uint64_t> hz = in.u64();
  if (!hz) return malformedPacket(what, "cut inside the frequency");
  if (*hz == 0 || *hz > 0xFFFFFFFFu) return malformedPacket(what, "bad frequency");
  record.fields.set("freq", adifMegahertz(static_cast<std::uint32_t>(*hz)));
  for (const char* name : {"mode", "rst_sent", "rst_rcvd", "tx_pwr", "comment", "name"}) {
    if (!takeText(in, record, name, why)) return malformedPacket(what, why);
  }
  // JTDX ends its message sooner: what it leaves out stays empty, the time
  // on is the time off.
  std::optional<CivilDateTime> time = *timeOff;
  if (!in.atEnd()) {
    const auto timeOn = in.dateTime();
    if (!timeOn)
      return malformedPacket(what, "cannot read the time on (cut short, or a named time zone)");
    if (*timeOn) time = *timeOn;
  }
  if (!time) return malformedPacket(what, "no time");
  record.fields.set("qso_date", adifDate(*time));
  record.fields.set("time_on", adifTime(*time));
  for (const char* name :
       {"operator", "station_callsign", "my_gridsquare", "stx_string", "srx_string"}) {
    if (in.atEnd()) break;
    if (!takeText(in, record, name, why)) return malformedPacket(what, why);
  }
  return qsoEvent(what, "", record, rcvdField);
}

SourceEvent loggedAdif(QtStreamReader& in, const std::string& what, const std::string& rcvdField) {
  const std::optional<std::string> text = in.bytes();
  if (!text) return malformedPacket(what, "cut inside the ADIF text");
  if (text->size() > kLongestAdifText) {
    return malformedPacket(what, "ADIF text of " + std::to_string(text->size()) + " bytes");
  }
  std::istringstream adif(*text);
  AdifScanner scanner(adif);
  const std::optional<AdifRecord> record = scanner.next();
  if (!record) return malformedPacket(what, "no ADIF record");
  if (!record->broken.empty()) return malformedPacket(what, record->broken);
  for (const auto& [name, value] : record->fields) {
    if (value.size() > kLongestPacketField) {
      return malformedPacket(
          what, "field " + terminalExcerpt(name) + " of " + std::to_string(value.size()) + " bytes");
    }
  }
  return qsoEvent(what, "", *record, rcvdField);
}

}  // namespace

SourceEvent readWsjtxPacket(std::string_view datagram, const std::string& rcvdField) {
  QtStreamReader in(datagram);
  const std::optional<std::uint32_t> magic = in.u32();
  if (!magic || *magic != kMagic) return malformedPacket("message", "not a WSJT-X message");
  const std::optional<std::uint32_t> schema = in.u32();
  const std::optional<std::uint32_t> type = in.u32();
  const std::optional<std::string> id = in.bytes();
  if (!schema || !type || !id) return malformedPacket("message", "cut inside the header");
  if (*schema != 2 && *schema != 3) {
    return malformedPacket("message", "schema " + std::to_string(*schema) + ", not 2 or 3");
  }
  const std::string sender = id->empty() ? "" : terminalExcerpt(*id, 16) + " ";
  SourceEvent event;
  switch (*type) {
    case kQsoLogged:
      event = qsoLogged(in, sender + "QSO Logged", rcvdField);
      break;
    case kLoggedAdif:
      event = loggedAdif(in, sender + "Logged ADIF", rcvdField);
      break;
    default:
      event.what = sender + "message " + std::to_string(*type);
      return event;
  }
  event.edits = false;
  return event;
}

}  // namespace velmora::cli
