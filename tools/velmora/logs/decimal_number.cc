#include "logs/decimal_number.h"

namespace velmora::cli {

std::optional<std::uint32_t> parseScaledDecimal(std::string_view text, int scale) {
  std::uint64_t value = 0;
  bool seenPoint = false;
  bool seenDigit = false;
  int fractionDigits = 0;
  for (char c : text) {
    if (c == '.' && !seenPoint) {
      seenPoint = true;
      continue;
    }
    if (c < '0' || c > '9') return std::nullopt;
    seenDigit = true;
    if (seenPoint && fractionDigits == scale) continue;  // below the unit
    if (seenPoint) ++fractionDigits;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
    if (value > UINT32_MAX) return std::nullopt;
  }
  if (!seenDigit) return std::nullopt;
  for (; fractionDigits < scale; ++fractionDigits) {
    value *= 10;
    if (value > UINT32_MAX) return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

}  // namespace velmora::cli
