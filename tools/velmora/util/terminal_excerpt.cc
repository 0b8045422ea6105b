#include "util/terminal_excerpt.h"

#include <cstdint>

namespace velmora::cli {
namespace {

const char kHex[] = "0123456789abcdef";

void appendHexByte(std::string& out, unsigned char byte) {
  out += "\\x";
  out += kHex[byte >> 4];
  out += kHex[byte & 0xF];
}

// The code point of the well-formed UTF-8 sequence at the start of `text`
// and its length in bytes; length 0 when the bytes are no such sequence
// (a lone continuation byte, an overlong form, a surrogate, a cut end).
struct Utf8Character {
  std::uint32_t codePoint = 0;
  std::size_t length = 0;
};

Utf8Character utf8At(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  std::size_t length = 0;
  std::uint32_t codePoint = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    codePoint = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    codePoint = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    codePoint = lead & 0x07;
  } else {
    return {};
  }
  if (text.size() < length) return {};
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[i]);
    if ((next & 0xC0) != 0x80) return {};
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  const bool overlong = (length == 3 && codePoint < 0x800) || (length == 4 && codePoint < 0x10000);
  const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
  if (overlong || surrogate || codePoint > 0x10FFFF) return {};
  return {codePoint, length};
}

// Characters that a terminal does not show as themselves: the C1 controls,
// and the marks that change the direction of text or end a line.
bool isInvisibleMark(std::uint32_t codePoint) {
  return codePoint < 0xA0 || codePoint == 0x200E || codePoint == 0x200F ||
         (codePoint >= 0x2028 && codePoint <= 0x202E) ||
         (codePoint >= 0x2066 && codePoint <= 0x2069) || codePoint == 0xFEFF;
}

void appendCodePoint(std::string& out, std::uint32_t codePoint) {
  out += "\\u";
  for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(codePoint >> shift) & 0xF];
}

}  // namespace

std::string terminalExcerpt(std::string_view input, std::size_t longest) {
  std::string out;
  std::size_t shown = 0;
  std::size_t at = 0;
  while (at < input.size()) {
    if (shown == longest) return out + "...";
    ++shown;
    const auto byte = static_cast<unsigned char>(input[at]);
    if (byte >= 0x80) {
      const Utf8Character character = utf8At(input.substr(at));
      if (character.length == 0) {
        appendHexByte(out, byte);
        ++at;
      } else {
        if (isInvisibleMark(character.codePoint)) {
          appendCodePoint(out, character.codePoint);
        } else {
          out.append(input.substr(at, character.length));
        }
        at += character.length;
      }
      continue;
    }
    ++at;
    switch (byte) {
      case '\n': out += "\\n"; continue;
      case '\r': out += "\\r"; continue;
      case '\t': out += "\\t"; continue;
      case '\\': out += "\\\\"; continue;
      default: break;
    }
    if (byte < 0x20 || byte == 0x7F) {
      appendHexByte(out, byte);
    } else {
      out += static_cast<char>(byte);
    }
  }
  return out;
}

}  // namespace velmora::cli
