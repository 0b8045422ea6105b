#include "sources/source_event.h"

namespace velmora::cli {

SourceEvent malformedPacket(std::string what, std::string reason) {
  SourceEvent event;
  event.kind = EventKind::Malformed;
  event.what = std::move(what);
  event.reason = std::move(reason);
  return event;
}

std::string printable(std::string_view text, std::size_t longest) {
  std::string shown;
  for (char c : text.substr(0, longest)) shown += (c >= ' ' && c <= '~') ? c : '?';
  if (text.size() > longest) shown += "...";
  return shown;
}

}  // namespace velmora::cli
