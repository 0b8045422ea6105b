#include "util/terminal_excerpt.h"

namespace velmora::cli {

std::string terminalExcerpt(std::string_view text, std::size_t most) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out;
  for (std::size_t i = 0; i < text.size() && i < most; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    switch (byte) {
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      case '\\': out += "\\\\"; break;
      default:
        if (byte < 0x20 || byte == 0x7f) {
          out += "\\x";
          out += kHex[byte >> 4];
          out += kHex[byte & 0xf];
        } else {
          out += static_cast<char>(byte);
        }
    }
  }
  if (text.size() > most) out += "...";
  return out;
}

}  // namespace velmora::cli
