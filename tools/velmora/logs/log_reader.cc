#include "logs/log_reader.h"

#include <ostream>

#include "logs/adif_qso.h"
#include "logs/cabrillo_reader.h"
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
    case LogFormat::Unknown:
      break;
  }
  return std::make_unique<NoRecords>();
}

}  // namespace

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
      tally_.skipped.push_back(std::move(*skipped));
      continue;
    }
    if (std::holds_alternative<UnscoredLine>(*record)) {
      ++tally_.notForScoring;
      continue;
    }
    LogQso& qso = std::get<LogQso>(*record);
    switch (options_.selection.judge(qso)) {
      case LogSelection::Verdict::OutsidePeriod:
        ++tally_.outsidePeriod;
        continue;
      case LogSelection::Verdict::OtherBand:
        ++tally_.otherBands;
        continue;
      case LogSelection::Verdict::Kept:
        break;
    }
    if (qso.exchangeSent.empty()) qso.exchangeSent = options_.sent;
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
  auto in = std::make_unique<std::ifstream>();
  if (!openInputFile(path, *in)) throw UserError("velmora: cannot read log " + path);
  LogReader log(std::move(in), options, path);
  if (log.format() == LogFormat::Unknown) {
    throw UserError("velmora: " + path + " is not an ADIF or Cabrillo log");
  }
  return log;
}

}  // namespace velmora::cli
