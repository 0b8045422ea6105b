#pragma once
// A log read QSO by QSO, as ADIF or Cabrillo (told apart by its content):
// each call of next() reads on to the next QSO that the options keep, noting
// on the way in the log's tally the records skipped as malformed, the QSOs
// the period and bands leave out and what reading did with odd records. A
// QSO without signal reports gets the usual one for its mode. A log file of
// any size is read without being held; standard input or a pipe is held in
// memory, up to kLongestLogInMemory bytes.

#include <cstddef>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "logs/log_format.h"
#include "logs/log_qso.h"
#include "logs/log_selection.h"
#include "logs/log_tally.h"
#include "logs/record_reader.h"

namespace velmora::cli {

// The most bytes of a log held in memory: one given on standard input, a
// pipe, a FIFO or a device.
constexpr std::size_t kLongestLogInMemory = std::size_t{64} << 20;

struct ReadOptions {
  std::string rcvdField;  // the ADIF field of the received exchange, lower case
  std::string sent;       // the own exchange, for QSOs whose log states none
  LogSelection selection;
};

// What `options` make of a QSO read: kept, with --sent as its sent exchange
// when it states none and the mode's usual reports when it has none; or
// left out by the contest period or the bands.
LogSelection::Verdict keepQso(const ReadOptions& options, LogQso& qso);

class LogReader {
 public:
  // Reads `in` as the log named `name` (in messages); a text of neither
  // format holds no record.
  LogReader(std::unique_ptr<std::istream> in, ReadOptions options, std::string name = "");

  LogFormat format() const { return format_; }

  // The next QSO kept, in file order; nothing at the end of the log.
  std::optional<LogQso> next();

  // The own call of the log's header (Cabrillo's CALLSIGN:), once read past
  // it; else "".
  std::string headerCall() const;
  // Whether the log's header says it is a listener's (SWL) log.
  bool listenerLog() const { return records_->listenerLog(); }
  // The log's name in messages.
  const std::string& name() const { return name_; }

  // What became of the records so far; the replay notes its part here.
  LogTally& tally() { return tally_; }
  const LogTally& tally() const { return tally_; }

  // At the end of the log: throws UserError when it held no record, or when
  // all its records are malformed (after listing them on `err`, one line
  // each).
  void requireQsos(std::ostream& err) const;

 private:
  std::unique_ptr<std::istream> in_;
  std::unique_ptr<RecordReader> records_;  // reads *in_
  LogFormat format_ = LogFormat::Unknown;
  ReadOptions options_;
  std::string name_;
  LogTally tally_;
};

// The log file at `path` ("-": standard input); throws UserError when it
// cannot be read, is empty, or is neither an ADIF nor a Cabrillo log.
LogReader openLogFile(const std::string& path, const ReadOptions& options);

}  // namespace velmora::cli
