#include "logs/log_format.h"

#include <string>
#include <string_view>

#include "logs/adif_tag.h"
#include "text/ascii.h"

namespace velmora::cli {
namespace {

void skipByteOrderMark(std::istream& in) {
  char mark[3] = {};
  in.read(mark, 3);
  if (in.gcount() == 3 && mark[0] == '\xEF' && mark[1] == '\xBB' && mark[2] == '\xBF') return;
  in.clear();
  in.seekg(0);
}

bool holdsAdifTag(std::string_view text) {
  for (std::size_t open = text.find('<'); open != std::string_view::npos;
       open = text.find('<', open + 1)) {
    if (adifTagAt(text.substr(open)) != 0) return true;
  }
  return false;
}

LogFormat formatOf(const std::string& start) {
  const std::size_t first = start.find_first_not_of(" \t\r\n\v\f");
  if (first == std::string::npos) return LogFormat::Empty;
  const std::string head = upperAscii(start.substr(first, 13));
  if (head.rfind("START-OF-LOG:", 0) == 0 || head.rfind("QSO:", 0) == 0) {
    return LogFormat::Cabrillo;
  }
  return holdsAdifTag(start) ? LogFormat::Adif : LogFormat::Unknown;
}

}  // namespace

LogFormat detectLogFormat(std::istream& in) {
  skipByteOrderMark(in);
  const std::streampos start = in.tellg();
  std::string head(kFormatWindow, '\0');
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<std::size_t>(in.gcount()));
  in.clear();
  in.seekg(start);
  return formatOf(head);
}

}  // namespace velmora::cli
