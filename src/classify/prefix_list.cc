#include "classify/prefix_list.h"

#include "text/short_text.h"

namespace velmora {
namespace {

// What the list's prefixes can begin with and how long they can be, taken
// from the list: most stations are told foreign by these alone.
constexpr std::array<bool, 256> firstCharacters() {
  std::array<bool, 256> first{};
  for (const FrenchPrefix& entry : kFrenchPrefixList) {
    first[static_cast<unsigned char>(entry.prefix.front())] = true;
  }
  return first;
}
constexpr std::array<bool, 256> kFirstCharacters = firstCharacters();

constexpr std::size_t longestPrefix() {
  std::size_t longest = 0;
  for (const FrenchPrefix& entry : kFrenchPrefixList) {
    longest = entry.prefix.size() > longest ? entry.prefix.size() : longest;
  }
  return longest;
}

}  // namespace

PrefixClass classifyPrefix(std::string_view prefix) {
  if (prefix.empty() || prefix.size() > longestPrefix() ||
      !kFirstCharacters[static_cast<unsigned char>(prefix.front())]) {
    return PrefixClass::Foreign;
  }
  for (const FrenchPrefix& entry : kFrenchPrefixList) {
    if (sameText(entry.prefix, prefix)) return entry.prefixClass;
  }
  return PrefixClass::Foreign;
}

bool isFrenchPrefix(std::string_view prefix) {
  return classifyPrefix(prefix) != PrefixClass::Foreign;
}

}  // namespace velmora
