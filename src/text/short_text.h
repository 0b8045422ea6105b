#pragma once
// Byte-exact equality for the short texts of a QSO record (calls, prefixes,
// bands, areas, departments). The summary and the duplicate scan compare
// such texts for every record; comparing the few bytes in place is much
// cheaper than calling the library's general comparison each time.

#include <cstddef>
#include <string_view>

namespace velmora {

inline bool sameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

}  // namespace velmora
