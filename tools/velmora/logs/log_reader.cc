#include "logs/log_reader.h"

#include <iterator>
#include <ostream>

#include "logs/adif_qso.h"
#include "logs/cabrillo_reader.h"
#include "logs/exchange_field.h"
#include "text/ascii.h"
#include "util/input_file.h"
#include "util/user_error.h"

namespace velmora::cli {
namespace {

// A text of neither format: no record.
class NoRecords : public RecordReader {
 public:
  std::optional<ReadRecord> next() override { return std::nullopt; }
};

std::unique_ptr<RecordReader> recordsOf(std::istream& in, LogFormat format,
                                        const ReadOptions& options) {
  switch (format) {
    case LogFormat::Adif:
      return std::make_unique<AdifQsoReader>(in, options.rcvdField);
    case LogFormat::Cabrillo:
      return std::make_unique<CabrilloReader>(in);
    case LogFormat::Empty:
    case LogFormat::Unknown:
      break;
  }
  return std::make_unique<NoRecords>();
}

// A log without signal reports (LoTW's, many general loggers') gets the
// usual one for the mode, so that the Cabrillo line keeps all its columns.
void supplyReports(LogQso& qso) {
  const std::string usual = usualReport(qso.mode);
  if (usual.empty()) return;
  for (std::string* report : {&qso.rstSent, &qso.rstReceived}) {
    if (!trimAsciiBlanks(*report).empty()) continue;
    *report = usual;
    qso.reportSupplied = true;
  }
}

}  // namespace

LogSelection::Verdict keepQso(const ReadOptions& options, LogQso& qso) {
  const LogSelection::Verdict verdict = options.selection.judge(qso);
  if (verdict != LogSelection::Verdict::Kept) return verdict;
  if (qso.exchangeSent.empty()) qso.exchangeSent = options.sent;
  supplyReports(qso);
  return verdict;
}

LogReader::LogReader(std::unique_ptr<std::istream> in, ReadOptions options, std::string name)
    : in_(std::move(in)),
      format_(detectLogFormat(*in_)),
      options_(std::move(options)),
      name_(std::move(name)) {
  records_ = recordsOf(*in_, format_, options_);
}

std::optional<LogQso> LogReader::next() {
  while (std::optional<ReadRecord> record = records_->next()) {
    if (auto* skipped = std::get_if<SkippedRecord>(&*record)) {
      std::move(skipped->notes.begin(), skipped->notes.end(), std::back_inserter(tally_.notes));
      skipped->notes.clear();
      tally_.skipped.push_back(std::move(*skipped));
      continue;
    }
    if (std::holds_alternative<UnscoredLine>(*record)) {
      ++tally_.notForScoring;
      continue;
    }
    LogQso& qso = std::get<LogQso>(*record);
    switch (keepQso(options_, qso)) {
      case LogSelection::Verdict::OutsidePeriod:
        ++tally_.outsidePeriod;
        continue;
      case LogSelection::Verdict::OtherBand:
        ++tally_.otherBands;
        continue;
      case LogSelection::Verdict::Kept:
        break;
    }
    tally_.countKept(qso);
    return std::move(qso);
  }
  return std::nullopt;
}

std::string LogReader::headerCall() const { return records_->headerCall(); }

void LogReader::requireQsos(std::ostream& err) const {
  if (tally_.read() == 0) {
    throw UserError("velmora: no QSO could be read: " + name_ + " holds no QSO record");
  }
  if (tally_.kept == 0 && tally_.outsidePeriod == 0 && tally_.otherBands == 0) {
    for (const SkippedRecord& skipped : tally_.skipped) {
      err << "record " << skipped.record << " skipped: " << skipped.reason << "\n";
    }
    throw UserError("velmora: no QSO could be read: all " + std::to_string(tally_.skipped.size()) +
                    " records of " + name_ + " are malformed");
  }
}

LogReader openLogFile(const std::string& path, const ReadOptions& options) {
  OpenedInput input = openInput(path, kLongestLogInMemory);
  const std::string name = inputName(path);
  switch (input.fault) {
    case InputFault::None:
      break;
    case InputFault::Unreadable:
      throw UserError("velmora: cannot read log " + name);
    case InputFault::TooLarge:
      throw UserError("velmora: log " + name + " holds more than " +
                      mebibytes(kLongestLogInMemory) +
                      ", the most velmora reads from a pipe or device: give it as a file");
    case InputFault::Terminal:
      throw UserError(
          "velmora: standard input is a terminal: pipe a log into it, or name its file");
  }
  LogReader log(std::move(input.stream), options, name);
  if (log.format() == LogFormat::Empty) throw UserError("velmora: " + name + " is empty");
  if (log.format() == LogFormat::Unknown) {
    throw UserError("velmora: " + name + " is not an ADIF or Cabrillo log (no ADIF tag, no " +
                    "START-OF-LOG: or QSO: line in its first " + mebibytes(kFormatWindow) + ")");
  }
  return log;
}

}  // namespace velmora::cli
