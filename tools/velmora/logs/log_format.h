#pragma once
// Tells a log's format from its content.

#include <cstddef>
#include <istream>

namespace velmora::cli {

enum class LogFormat { Adif, Cabrillo, Empty, Unknown };

// How much of a log's start tells its format: the ADIF header (the text
// before its first tag) and the blank lines before a Cabrillo log's first
// line stand within it.
constexpr std::size_t kFormatWindow = 1 << 20;

// After a UTF-8 byte-order mark, if any, within the first kFormatWindow
// bytes: Cabrillo when the first line that is not blank begins with
// START-OF-LOG: or QSO:; ADIF when a well-formed ADIF tag stands there
// (logs/adif_tag.h); Empty when nothing but blanks does. Leaves `in` at its
// start, behind the byte-order mark.
LogFormat detectLogFormat(std::istream& in);

}  // namespace velmora::cli
