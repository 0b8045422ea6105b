#pragma once
// One QSO as a log file states it, before it is mapped to what the logging
// host passes the plug-in, and what reading a whole log file yields.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace velmora::cli {

// A calendar date and a time of day in UTC, as written in the log.
struct CivilTime {
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0;
};

struct LogQso {
  int record = 0;  // the record's number in its file, from 1
  std::string myCall;  // the sender's own call, when the record names it
  std::string call;
  CivilTime time;
  std::optional<std::uint32_t> frequencyHz;
  std::string band;  // as the log names it, else derived from the frequency
  std::string mode;
  std::string rstSent, rstReceived;
  std::string exchangeSent, exchangeReceived;
  std::string continent;  // non-empty: overrides the country file's continent
};

// A record that could not be read, with the reason in a few words.
struct SkippedRecord {
  int record = 0;
  std::string reason;
};

// One record as read: the QSO, or why it was skipped.
using ReadRecord = std::variant<LogQso, SkippedRecord>;

struct LogContents {
  std::vector<LogQso> qsos;
  std::vector<SkippedRecord> skipped;
  void add(ReadRecord record) {
    if (auto* qso = std::get_if<LogQso>(&record)) {
      qsos.push_back(std::move(*qso));
    } else {
      skipped.push_back(std::get<SkippedRecord>(std::move(record)));
    }
  }
  int recordsRead() const { return static_cast<int>(qsos.size() + skipped.size()); }
};

}  // namespace velmora::cli
