#pragma once
// The fixed list of French DXCC prefixes and the one matching rule every
// part of the plug-in uses: whole-string, byte-exact, case-sensitive equality.

#include <array>
#include <string_view>

namespace velmora {

enum class PrefixClass { Metropolitan, Overseas, Foreign };

struct FrenchPrefix {
  std::string_view prefix;
  PrefixClass prefixClass;
};

// In table order: the three metropolitan prefixes, then the eleven overseas.
inline constexpr std::array<FrenchPrefix, 14> kFrenchPrefixList = {{
    {"F", PrefixClass::Metropolitan},  {"TK", PrefixClass::Metropolitan},
    {"TM", PrefixClass::Metropolitan}, {"FG", PrefixClass::Overseas},
    {"FJ", PrefixClass::Overseas},     {"FH", PrefixClass::Overseas},
    {"FK", PrefixClass::Overseas},     {"FM", PrefixClass::Overseas},
    {"FO", PrefixClass::Overseas},     {"FP", PrefixClass::Overseas},
    {"FR", PrefixClass::Overseas},     {"FT", PrefixClass::Overseas},
    {"FW", PrefixClass::Overseas},     {"FY", PrefixClass::Overseas},
}};

// Metropolitan, Overseas, or Foreign for every prefix not in the list
// (the empty one included).
PrefixClass classifyPrefix(std::string_view prefix);

// Membership in the whole list, the two French classes not told apart.
bool isFrenchPrefix(std::string_view prefix);

}  // namespace velmora
