#pragma once
// A piece of the user's input, fit to be quoted in a message on the
// terminal: nothing in it can move the cursor, change colours or start a
// line of its own.

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora::cli {

// `text` with every control byte written out: line ends as \n and \r, a tab
// as \t, the others (NUL, ESC, DEL...) as \x00, \x1b, \x7f; a backslash as
// \\. Cut after `most` bytes of `text`, which "..." then follows.
std::string terminalExcerpt(std::string_view text, std::size_t most = 40);

}  // namespace velmora::cli
