#include "log_file.h"

#include "adif_qso.h"
#include "cabrillo_reader.h"
#include "input_file.h"
#include "text_case.h"

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
  const std::string head = toUpper(start.substr(first, 13));
  if (head.rfind("START-OF-LOG:", 0) == 0 || head.rfind("QSO:", 0) == 0) {
    return LogFormat::Cabrillo;
  }
  const std::string lower = toLower(start);
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

LogContents readLog(std::istream& in, LogFormat format, const ReadOptions& options,
                    const QsoHandler& onQso) {
  LogContents log;
  auto take = [&](ReadRecord record) {
    if (auto* qso = std::get_if<LogQso>(&record)) {
      switch (options.selection.judge(*qso)) {
        case LogSelection::Verdict::OutsidePeriod:
          ++log.outsidePeriod;
          return;
        case LogSelection::Verdict::OtherBand:
          ++log.otherBands;
          return;
        case LogSelection::Verdict::Kept:
          break;
      }
      if (qso->exchangeSent.empty()) qso->exchangeSent = options.sent;
      if (onQso) {
        log.count(*qso);
        return onQso(std::move(*qso), log);
      }
    }
    log.add(std::move(record));
  };
  if (format == LogFormat::Cabrillo) {
    readCabrilloLog(in, {take, [&](std::string call) { log.ownCall = std::move(call); },
                         [&] { ++log.notForScoring; }});
  } else if (format == LogFormat::Adif) {
    readAdifLog(in, options.rcvdField, take);
  }
  return log;
}

std::optional<LogFile> readLogFile(const std::string& path, const ReadOptions& options,
                                  const QsoHandler& onQso) {
  std::ifstream in;
  if (!openInputFile(path, in)) return std::nullopt;
  LogFile file;
  file.format = detectLogFormat(in);
  file.contents = readLog(in, file.format, options, onQso);
  return file;
}

}  // namespace velmora::cli
