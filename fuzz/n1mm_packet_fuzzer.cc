// Feeds the reader of N1MM Logger+'s (and DXLog.net's) XML broadcasts
// arbitrary bytes and checks what it promises whatever the datagram holds:
// it returns an event and never throws; a QSO or a delete carries a key of
// 32 lower-case hex digits, a QSO a call without blanks and a band; a
// malformed datagram says why; what it names for the terminal holds no
// control byte.

#include <string>
#include <string_view>

#include "fuzz_require.h"
#include "sources/n1mm_packet.h"

using velmora::fuzz::require;
using namespace velmora::cli;

namespace {

bool noControlByte(std::string_view text) {
  for (char c : text) {
    if ((c >= 0 && c < ' ') || c == 0x7F) return false;
  }
  return true;
}

bool guidKey(std::string_view key) {
  if (key.size() != 32) return false;
  for (char c : key) {
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // The first byte chooses the received exchange's element.
  const std::string rcvdField = size > 0 && data[0] % 2 == 1 ? "comment" : "";
  const SourceEvent event = readN1mmPacket(bytes, rcvdField);
  require(noControlByte(event.what), "the message's name holds no control byte");
  switch (event.kind) {
    case EventKind::Qso:
      require(guidKey(event.key) && event.qso.key == event.key, "a QSO is keyed on its GUID");
      require(!event.qso.call.empty() && event.qso.call.find(' ') == std::string::npos,
              "a QSO has a call without blanks");
      require(!event.qso.band.empty() && event.qso.frequencyHz.has_value(),
              "a QSO has a band and a frequency");
      require(event.qso.call.size() <= kLongestPacketField &&
                  event.qso.exchangeReceived.size() <= kLongestPacketField,
              "no field passed on is longer than the limit");
      break;
    case EventKind::Delete:
      require(guidKey(event.key), "a delete names its QSO's GUID");
      require(noControlByte(event.qso.call), "a delete's call holds no control byte");
      break;
    case EventKind::Lookup:
      require(!event.qso.call.empty() && !event.qso.band.empty(), "a lookup has a call and a band");
      break;
    case EventKind::Malformed:
      require(!event.reason.empty(), "a malformed datagram says why");
      break;
    case EventKind::Ignored:
      break;
  }
  return 0;
}
