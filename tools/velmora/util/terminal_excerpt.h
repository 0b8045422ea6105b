#pragma once
// Input shown on the terminal: a tag name, a field value, an exchange or a
// call echoed in a message. A log's bytes may hold escape sequences, line
// ends and backspaces that would drive the terminal or forge lines of
// velmora's own report; an excerpt shows each of them as an escape and is
// cut short, so that every message stays one line of plain text.

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora::cli {

// How many characters of the input an excerpt shows at most.
constexpr std::size_t kExcerptLength = 40;

// `input` as the terminal may show it: printable ASCII and well-formed UTF-8
// text as they are; a line feed, carriage return and tab as \n, \r and \t, a
// backslash as \\, every other control byte or byte of no UTF-8 character as
// \xNN (ESC is \x1b), and the invisible marks that reorder or break lines
// (U+2028, U+202E, ...) as \uNNNN. Past `longest` characters of the input,
// the rest is left out and "..." ends the excerpt.
std::string terminalExcerpt(std::string_view input, std::size_t longest = kExcerptLength);

// The excerpt in single quotes, as messages quote what they echo: 'F5VEL'.
inline std::string quotedExcerpt(std::string_view input) {
  return "'" + terminalExcerpt(input) + "'";
}

}  // namespace velmora::cli
