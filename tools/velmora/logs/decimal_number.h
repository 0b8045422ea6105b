#pragma once
// Exact decimal parsing of frequencies: "14.025" MHz is 14025000 Hz with no
// binary floating point in between.

#include <cstdint>
#include <optional>
#include <string_view>

namespace velmora::cli {

// `text` (digits, at most one '.', nothing else) times 10^`scale`, digits
// beyond that scale dropped. Nothing when the text is malformed or the
// value does not fit 64 bits.
std::optional<std::uint64_t> parseScaledDecimal(std::string_view text, int scale);

inline std::optional<std::uint64_t> megahertzToHz(std::string_view text) {
  return parseScaledDecimal(text, 6);
}
inline std::optional<std::uint64_t> kilohertzToHz(std::string_view text) {
  return parseScaledDecimal(text, 3);
}

}  // namespace velmora::cli
