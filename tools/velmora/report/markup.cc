#include "report/markup.h"

#include <cmath>
#include <cstdio>

namespace velmora::cli::report {
namespace {

constexpr const char* kReplacement = "\xEF\xBF\xBD";

}  // namespace

std::size_t utf8Length(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  unsigned minimum = 0, value = 0;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, minimum = 0x80, value = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, minimum = 0x800, value = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, minimum = 0x10000, value = lead & 0x07;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    value = (value << 6) | (byte(i) & 0x3F);
  }
  const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
  return value < minimum || value > 0x10FFFF || surrogate ? 0 : length;
}

std::string escaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const std::size_t length = utf8Length(text);
    const char c = text.front();
    if (length == 0 || (length == 1 && static_cast<unsigned char>(c) < 0x20 && c != '\t' &&
                        c != '\n') || c == 0x7F) {
      out += kReplacement;
      text.remove_prefix(length == 0 ? 1 : length);
      continue;
    }
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default: out.append(text.data(), length);
    }
    text.remove_prefix(length);
  }
  return out;
}

std::string coordinate(double value) {
  const double rounded = std::round(value * 10.0) / 10.0;
  char text[32];
  if (rounded == std::trunc(rounded)) {
    std::snprintf(text, sizeof text, "%.0f", rounded == 0.0 ? 0.0 : rounded);
  } else {
    std::snprintf(text, sizeof text, "%.1f", rounded);
  }
  return text;
}

std::string compactNumber(long long value) {
  const long long magnitude = value < 0 ? -value : value;
  if (magnitude < 10000) return std::to_string(value);
  const bool millions = magnitude >= 1000000;
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", static_cast<double>(value) / (millions ? 1e6 : 1e3));
  std::string out = text;
  out.erase(out.find_last_not_of('0') + 1);
  if (out.back() == '.') out.pop_back();
  return out + (millions ? "M" : "k");
}

}  // namespace velmora::cli::report
