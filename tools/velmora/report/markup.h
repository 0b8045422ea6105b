#pragma once
// Text and numbers as they go into the page's HTML and SVG.

#include <string>
#include <string_view>

namespace velmora::cli::report {

// `text` safe as element content and as a quoted attribute value in both
// HTML and XML: & < > " ' escaped; bytes that are not valid UTF-8 and
// control characters other than tab and line feed (which XML does not
// allow) become U+FFFD. Log files are not always UTF-8.
std::string escaped(std::string_view text);

// The length of the valid UTF-8 sequence that starts `text` (not empty),
// or 0 when none does.
std::size_t utf8Length(std::string_view text);

// A coordinate with at most one decimal: "12", "12.5", "-3".
std::string coordinate(double value);

// An axis label: "950", "12k", "1.5M" (at most two decimals).
std::string compactNumber(long long value);

}  // namespace velmora::cli::report
