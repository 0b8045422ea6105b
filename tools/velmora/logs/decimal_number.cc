#include "logs/decimal_number.h"

#include <limits>

namespace velmora::cli {
namespace {

constexpr std::uint64_t kLargest = std::numeric_limits<std::uint64_t>::max();

// value * 10 + digit, false when that does not fit 64 bits.
bool appendDigit(std::uint64_t& value, unsigned digit) {
  if (value > (kLargest - digit) / 10) return false;
  value = value * 10 + digit;
  return true;
}

}  // namespace

std::optional<std::uint64_t> parseScaledDecimal(std::string_view text, int scale) {
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
    if (!appendDigit(value, static_cast<unsigned>(c - '0'))) return std::nullopt;
  }
  if (!seenDigit) return std::nullopt;
  for (; fractionDigits < scale; ++fractionDigits) {
    if (!appendDigit(value, 0)) return std::nullopt;
  }
  return value;
}

}  // namespace velmora::cli
