#include "log_file.h"

#include "adif_qso.h"
#include "cabrillo_reader.h"
#include "input_file.h"
#include "text_case.h"

namespace velmora::cli {

LogFormat detectLogFormat(std::istream& in) {
  LogFormat format = LogFormat::Adif;
  for (std::string line; std::getline(in, line);) {
    const std::string first = toUpper(trimBlanks(line));
    if (first.empty()) continue;
    if (first.rfind("START-OF-LOG:", 0) == 0 || first.rfind("QSO:", 0) == 0) {
      format = LogFormat::Cabrillo;
    }
    break;
  }
  in.clear();
  in.seekg(0);
  return format;
}

LogContents readLog(std::istream& in) {
  return detectLogFormat(in) == LogFormat::Cabrillo ? readCabrilloLog(in) : readAdifLog(in);
}

std::optional<LogContents> readLogFile(const std::string& path) {
  std::ifstream in;
  if (!openInputFile(path, in)) return std::nullopt;
  return readLog(in);
}

}  // namespace velmora::cli
