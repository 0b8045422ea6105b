#include "util/text_rule.h"

#include "util/terminal_excerpt.h"

namespace velmora::cli {

std::optional<std::string> textFault(std::string_view text, TextPlace place) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == 0) return std::string("holds a NUL byte");
    if (byte < 0x20 || byte == 0x7f) {
      return "holds a control character (" + terminalExcerpt(std::string_view(&c, 1)) + ")";
    }
  }
  if (place == TextPlace::Column) {
    if (text.find(' ') != std::string_view::npos) return std::string("holds a blank");
  } else if (!text.empty() && (text.front() == ' ' || text.back() == ' ')) {
    return std::string(text.front() == ' ' ? "begins with a blank" : "ends with a blank");
  }
  return std::nullopt;
}

}  // namespace velmora::cli
