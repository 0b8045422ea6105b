#pragma once
// The string substitution behind every text conversion of the Cabrillo export.

#include <string>
#include <string_view>

namespace velmora {

// A copy of `text` in which every occurrence of `find` (non-empty, matched
// case-sensitively, leftmost first, never overlapping) is replaced by
// `replace`. Text that a replacement put in is never searched again.
std::string replaceAll(std::string_view text, std::string_view find, std::string_view replace);

}  // namespace velmora
