// Feeds the reader of WSJT-X's and JTDX's UDP messages arbitrary bytes and
// checks what it promises whatever the message holds: it returns an event
// and never throws; a QSO is keyed on its call, band and minute, is never an
// edit, and has a frequency inside its band; a malformed message says why;
// what it names for the terminal holds no control byte.

#include <string>
#include <string_view>

#include "fuzz_require.h"
#include "logs/band_plan.h"
#include "sources/packet_qso.h"
#include "sources/wsjtx_packet.h"

using velmora::fuzz::require;
using namespace velmora::cli;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const SourceEvent event = readWsjtxPacket(bytes, size > 12 && data[12] % 2 == 1 ? "comment" : "");
  for (char c : event.what) {
    require((c < 0 || c >= ' ') && c != 0x7F, "the message's name holds no control byte");
  }
  switch (event.kind) {
    case EventKind::Qso:
      require(!event.edits, "a QSO heard again is never an edit");
      require(event.key == minuteKey(event.qso) && event.qso.key == event.key,
              "a QSO is keyed on its call, band and minute");
      require(event.qso.frequencyHz.has_value(), "a QSO has a frequency");
      require(event.qso.call.size() <= kLongestPacketField, "no call longer than the limit");
      break;
    case EventKind::Malformed:
      require(!event.reason.empty(), "a malformed message says why");
      break;
    case EventKind::Delete:
    case EventKind::Lookup:
      require(false, "WSJT-X deletes nothing and looks nothing up");
      break;
    case EventKind::Ignored:
      break;
  }
  return 0;
}
