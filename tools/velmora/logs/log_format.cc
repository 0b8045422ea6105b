#include "logs/log_format.h"

#include <string>

#include "text/ascii.h"

namespace velmora::cli {
namespace {

// How much of the file's start is looked at to tell its format.
constexpr std::size_t kSniffBytes = 1 << 16;

void skipByteOrderMark(std::istream& in) {
  char mark[3] = {};
  in.read(mark, 3);
  if (in.gcount() == 3 && mark[0] == '\xEF' && mark[1] == '\xBB' && mark[2] == '\xBF') return;
  in.clear();
  in.seekg(0);
}

LogFormat formatOf(const std::string& start) {
  const std::size_t first = start.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return LogFormat::Unknown;
  const std::string head = upperAscii(start.substr(first, 13));
  if (head.rfind("START-OF-LOG:", 0) == 0 || head.rfind("QSO:", 0) == 0) {
    return LogFormat::Cabrillo;
  }
  const std::string lower = lowerAscii(start);
  if (start[first] == '<' || lower.find("<eoh>") != std::string::npos ||
      lower.find("<eor>") != std::string::npos) {
    return LogFormat::Adif;
  }
  return LogFormat::Unknown;
}

}  // namespace

LogFormat detectLogFormat(std::istream& in) {
  skipByteOrderMark(in);
  const std::streampos start = in.tellg();
  std::string head(kSniffBytes, '\0');
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<std::size_t>(in.gcount()));
  in.clear();
  in.seekg(start);
  return formatOf(head);
}

}  // namespace velmora::cli
