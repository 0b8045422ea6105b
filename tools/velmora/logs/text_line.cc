#include "logs/text_line.h"

namespace velmora::cli {

LineRead readLine(std::istream& in, std::string& line, std::size_t longest) {
  line.clear();
  std::streambuf& bytes = *in.rdbuf();
  using Traits = std::streambuf::traits_type;
  bool leading = true;
  bool tooLong = false;
  int c = bytes.sbumpc();
  if (c == Traits::eof()) {
    in.setstate(std::ios::eofbit);
    return LineRead::End;
  }
  for (; c != Traits::eof(); c = bytes.sbumpc()) {
    if (c == '\n') break;
    if (c == '\r') {
      if (bytes.sgetc() == '\n') bytes.sbumpc();
      break;
    }
    if (leading && (c == ' ' || c == '\t' || c == '\v' || c == '\f')) continue;
    leading = false;
    if (line.size() == longest) {
      tooLong = true;
      continue;
    }
    line += static_cast<char>(c);
  }
  return tooLong ? LineRead::TooLong : LineRead::Line;
}

}  // namespace velmora::cli
