#pragma once
// What a well-formed ADIF tag is, for the reader and for telling a file's
// format: '<', a field name (letters, digits, '_'), ':' and the length's
// digits, optionally ':' and a type of letters, then '>' (<CALL:5>,
// <FREQ:6:N>); or one of the tags that stand alone: <EOR>, <EOH> and LoTW's
// closing <APP_LoTW_EOF>. Names in any letter case.

#include <cstddef>
#include <string_view>

namespace velmora::cli {

// The longest tag velmora reads, '<' and '>' included; a longer one is no
// tag of any log.
constexpr std::size_t kLongestAdifTag = 256;

// The length of the well-formed tag at the start of `text` ('<' to '>'
// included), or 0 when `text` does not begin with one.
std::size_t adifTagAt(std::string_view text);

}  // namespace velmora::cli
