#include "sources/source_event.h"

namespace velmora::cli {

SourceEvent malformedPacket(std::string what, std::string reason) {
  SourceEvent event;
  event.kind = EventKind::Malformed;
  event.what = std::move(what);
  event.reason = std::move(reason);
  return event;
}

}  // namespace velmora::cli
