#pragma once
// A text file's lines as loggers end them: LF, CR LF, or CR alone (as old
// Macintosh programs write), read in bounded memory however long a line is.

#include <cstddef>
#include <istream>
#include <string>

namespace velmora::cli {

enum class LineRead {
  Line,     // a whole line
  TooLong,  // a line longer than allowed: its start, the rest read past
  End,      // no line left
};

// The next line of `in` into `line`, without its line end and without the
// blanks (space, tab, vertical tab, form feed) it begins with; at most
// `longest` bytes of it kept.
LineRead readLine(std::istream& in, std::string& line, std::size_t longest);

}  // namespace velmora::cli
