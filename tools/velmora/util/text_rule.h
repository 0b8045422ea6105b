#pragma once
// The one rule for every text velmora hands the plug-in or writes into a
// file (a QSO's fields, the own station, the Cabrillo header's answers, a
// reference file's records): no NUL byte, which the plug-in takes for the
// text's end, and no control character (line ends, tab, ESC, backspace),
// which breaks the lines of the Cabrillo file, the settings file and the
// terminal. A text that fills a column of a Cabrillo QSO line (a call, a
// report, an exchange, and the mode, band, prefix and continent passed with
// them) holds no blank, which would end its column; a header line begins
// and ends with none, which the settings file would drop.

#include <optional>
#include <string>
#include <string_view>

namespace velmora::cli {

enum class TextPlace {
  Column,  // one word: a column of a QSO line, a code
  Line,    // the rest of a header line after its tag
};

// What breaks the rule in `text`, in a few words ("holds a blank", "holds
// a control character (\x1b)"); nothing when it fits its place.
std::optional<std::string> textFault(std::string_view text, TextPlace place);

}  // namespace velmora::cli
