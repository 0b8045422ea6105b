#include "sources/n1mm_packet.h"

#include <algorithm>
#include <boost/property_tree/ptree.hpp>
#include <boost/property_tree/xml_parser.hpp>
#include <map>
#include <sstream>

#include "logs/band_plan.h"
#include "logs/decimal_number.h"
#include "sources/packet_qso.h"
#include "text/ascii.h"
#include "util/terminal_excerpt.h"

namespace velmora::cli {
namespace {

namespace pt = boost::property_tree;

// More elements than any broadcast holds (about fifty): the XML parser
// recurses into nested elements, so their number is bounded first.
constexpr std::size_t kMostTags = 512;
// No UDP datagram is longer.
constexpr std::size_t kLongestDatagram = 65536;

// The root element's children by lower-case name, blanks trimmed; the
// first of a name wins.
using Fields = std::map<std::string, std::string>;

class Message {
 public:
  Message(std::string what, Fields fields) : what_(std::move(what)), fields_(std::move(fields)) {}

  const std::string& what() const { return what_; }
  bool has(const std::string& name) const { return fields_.count(name) != 0; }
  const std::string& field(const std::string& name) const {
    static const std::string kNone;
    const auto found = fields_.find(name);
    return found == fields_.end() ? kNone : found->second;
  }
  // A field passed on to the contest: absurdly long makes the datagram malformed.
  bool tooLong(const std::string& name) const { return field(name).size() > kLongestPacketField; }

 private:
  std::string what_;
  Fields fields_;
};

std::string withDecimalPoint(std::string text) {
  std::replace(text.begin(), text.end(), ',', '.');
  return text;
}

// The key of a QSO: its GUID as 32 lower-case hex digits (dashes and braces
// dropped); "" when it is none.
std::string guidKey(const std::string& text) {
  std::string key;
  for (char c : text) {
    if (c == '-' || c == '{' || c == '}') continue;
    const char lower = lowerAscii(c);
    if (!((lower >= '0' && lower <= '9') || (lower >= 'a' && lower <= 'f'))) return "";
    key += lower;
  }
  return key.size() == 32 ? key : "";
}

// DXLog.net's own format names the QSO by guid, N1MM's by ID.
bool isDxlogOwn(const Message& message) { return !message.has("id") && message.has("guid"); }

// The frequency in tens of Hz, as the broadcasts give it; nothing for an
// empty or zero field, or one that is no number.
std::optional<std::uint32_t> tensOfHz(const std::string& text) {
  const std::optional<std::uint32_t> hz = parseScaledDecimal(withDecimalPoint(text), 1);
  if (!hz || *hz == 0) return std::nullopt;
  return hz;
}

// "2020-01-17 16:43:38" into ADIF's date and time; false when it is not such a time.
bool putTimestamp(const std::string& timestamp, AdifRecord& record) {
  const std::size_t gap = timestamp.find_first_of(" T");
  if (gap != 10) return false;
  const std::string date = timestamp.substr(0, gap);
  std::string time;
  for (char c : timestamp.substr(gap + 1)) {
    if (c != ':') time += c;
  }
  if (date[4] != '-' || date[7] != '-') return false;
  record.fields.set("qso_date", date.substr(0, 4) + date.substr(5, 2) + date.substr(8, 2));
  record.fields.set("time_on", time);
  return true;
}

// The frequency, else the band, under ADIF's names; false, with `why`, when
// neither can be read.
bool putFrequency(const Message& message, AdifRecord& record, std::string& why) {
  for (const char* name : {"txfreq", "rxfreq"}) {
    if (message.field(name).empty()) continue;
    if (const std::optional<std::uint32_t> hz = tensOfHz(message.field(name))) {
      record.fields.set("freq", adifMegahertz(*hz));
      return true;
    }
    if (message.field(name) != "0") {
      why = std::string("bad ") + name + " " + terminalExcerpt(message.field(name));
      return false;
    }
  }
  const std::string& band = message.field("band");
  const std::optional<std::uint32_t> hz = megahertzToHz(withDecimalPoint(band));
  const std::optional<std::string> name = hz ? bandOf(*hz) : std::nullopt;
  if (!name) {
    why = band.empty() ? "neither frequency nor band" : "unknown band " + terminalExcerpt(band) + " MHz";
    return false;
  }
  record.fields.set("band", *name);
  return true;
}

void putIfGiven(AdifRecord& record, const char* adifName, const std::string& value) {
  if (!value.empty() && value != "0") record.fields.set(adifName, value);
}

std::string modeFor(const std::string& mode) {
  const std::string upper = upperAscii(mode);
  return upper == "USB" || upper == "LSB" ? "SSB" : upper;
}

// The fields of a QSO under their ADIF names; false, with `why`, when one
// cannot be read.
bool qsoFields(const Message& message, const std::string& rcvdField, AdifRecord& record,
               std::string& why) {
  for (const char* name :
       {"call", "mycall", "operator", "mode", "snt", "rcv", "continent", "exchange1", "exch1",
        "rcvnr", "sentexchange", "sntnr", "timestamp", "txfreq", "rxfreq", "band"}) {
    if (message.tooLong(name)) {
      why = std::string("field ") + name + " of " + std::to_string(message.field(name).size()) +
            " bytes";
      return false;
    }
  }
  if (!rcvdField.empty() && message.tooLong(rcvdField)) {
    why =
        "field " + rcvdField + " of " + std::to_string(message.field(rcvdField).size()) + " bytes";
    return false;
  }
  if (!putTimestamp(message.field("timestamp"), record)) {
    why = "bad timestamp " + terminalExcerpt(message.field("timestamp"));
    return false;
  }
  if (!putFrequency(message, record, why)) return false;
  record.fields.set("call", message.field("call"));
  record.fields.set("mode", modeFor(message.field("mode")));
  record.fields.set("rst_sent", message.field("snt"));
  record.fields.set("rst_rcvd", message.field("rcv"));
  putIfGiven(record, "station_callsign", message.field("mycall"));
  putIfGiven(record, "operator", message.field("operator"));
  putIfGiven(record, "cont", message.field("continent"));
  if (!rcvdField.empty()) {
    record.fields.set("srx_string", message.field(rcvdField));
  } else {
    putIfGiven(record, "srx_string", message.field(isDxlogOwn(message) ? "exch1" : "exchange1"));
    putIfGiven(record, "srx", message.field("rcvnr"));
  }
  putIfGiven(record, "stx_string", message.field("sentexchange"));
  putIfGiven(record, "stx", message.field("sntnr"));
  return true;
}

bool markedXQso(const Message& message) {
  return message.field("isclaimedqso") == "0" ||
         equalIgnoringAsciiCase(message.field("xqso"), "true");
}

SourceEvent contact(const Message& message, const std::string& rcvdField) {
  const std::string key = guidKey(message.field(isDxlogOwn(message) ? "guid" : "id"));
  if (key.empty()) return malformedPacket(message.what(), "no ID of 32 hex digits");
  if (markedXQso(message)) {
    SourceEvent event;
    event.kind = EventKind::Delete;
    event.what = message.what();
    event.key = key;
    event.qso.call = upperAscii(terminalExcerpt(message.field("call")));
    event.reason = "marked as an X-QSO, not for scoring";
    return event;
  }
  AdifRecord record;
  std::string why;
  if (!qsoFields(message, rcvdField, record, why)) return malformedPacket(message.what(), why);
  return qsoEvent(message.what(), key, record, rcvdField.empty() ? "" : "srx_string");
}

SourceEvent deletion(const Message& message) {
  const std::string key = guidKey(message.field(message.has("id") ? "id" : "guid"));
  if (key.empty()) return malformedPacket(message.what(), "no ID of 32 hex digits");
  SourceEvent event;
  event.kind = EventKind::Delete;
  event.what = message.what();
  event.key = key;
  event.qso.call = upperAscii(terminalExcerpt(message.field("call")));
  return event;
}

SourceEvent lookup(const Message& message) {
  const std::string call = upperAscii(message.field("call"));
  if (call.empty() || call.size() > kLongestPacketField ||
      call.find_first_of(" \t\r\n") != std::string::npos) {
    return malformedPacket(message.what(), "no call to look up");
  }
  AdifRecord record;
  std::string why;
  if (!putFrequency(message, record, why)) return malformedPacket(message.what(), why);
  SourceEvent event;
  event.kind = EventKind::Lookup;
  event.what = message.what();
  event.qso.call = call;
  event.qso.band = record.has("band") ? record.field("band")
                                      : bandOf(*megahertzToHz(record.field("freq"))).value_or("");
  event.qso.mode = modeFor(message.field("mode"));
  if (event.qso.band.empty()) return malformedPacket(message.what(), "frequency outside the bands");
  return event;
}

// The document's root element and its leaf children; nothing when there is
// no element.
std::optional<Message> rootOf(const pt::ptree& document) {
  for (const auto& [name, root] : document) {
    if (name == "<xmlcomment>" || name == "<xmlattr>") continue;
    Fields fields;
    for (const auto& [child, value] : root) {
      if (child == "<xmlattr>" || child == "<xmlcomment>") continue;
      fields.emplace(lowerAscii(child), std::string(trimAsciiBlanks(value.data())));
    }
    return Message(lowerAscii(name), std::move(fields));
  }
  return std::nullopt;
}

}  // namespace

SourceEvent readN1mmPacket(std::string_view datagram, const std::string& rcvdField) {
  if (datagram.size() > kLongestDatagram) return malformedPacket("XML", "longer than a datagram");
  if (static_cast<std::size_t>(std::count(datagram.begin(), datagram.end(), '<')) > kMostTags) {
    return malformedPacket("XML", "more than " + std::to_string(kMostTags) + " tags");
  }
  pt::ptree document;
  try {
    std::istringstream in{std::string(datagram)};
    pt::read_xml(in, document, pt::xml_parser::no_comments);
  } catch (const pt::xml_parser_error& error) {
    return malformedPacket("XML", "not well-formed XML (" + error.message() + " on line " +
                                      std::to_string(error.line()) + ")");
  }
  const std::optional<Message> message = rootOf(document);
  if (!message) return malformedPacket("XML", "no element");
  if (message->what() == "contactinfo" || message->what() == "contactreplace") {
    return contact(*message, rcvdField);
  }
  if (message->what() == "contactdelete") return deletion(*message);
  if (message->what() == "lookupinfo") return lookup(*message);
  SourceEvent ignored;
  ignored.what = terminalExcerpt(message->what());
  return ignored;
}

}  // namespace velmora::cli
