#include "classify/prefix_list.h"

#include "log/short_text.h"

namespace velmora {

PrefixClass ClassifyPrefix(std::string_view prefix) {
  for (const FrenchPrefix& entry : kFrenchPrefixList) {
    if (sameText(entry.prefix, prefix)) return entry.prefixClass;
  }
  return PrefixClass::Foreign;
}

bool isFrenchPrefix(std::string_view prefix) {
  return ClassifyPrefix(prefix) != PrefixClass::Foreign;
}

std::uint8_t IsFrenchPrefix(const char* prefix) {
  if (prefix == nullptr) return 10;
  return isFrenchPrefix(prefix) ? 1 : 0;
}

}  // namespace velmora
