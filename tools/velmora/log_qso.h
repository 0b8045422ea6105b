#pragma once
// One QSO as a log file states it, before it is mapped to what the logging
// host passes the plug-in, and what reading a whole log file yields.

#include <cstdint>
#include <deque>
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
  bool reportFromExchange = false;  // a report was taken out of an exchange field
  bool frequencyFromBand = false;   // the log gave a band only: its lower edge
};

// A record that could not be read, with the reason in a few words.
struct SkippedRecord {
  int record = 0;
  std::string reason;
};

// One record as read: the QSO, or why it was skipped.
using ReadRecord = std::variant<LogQso, SkippedRecord>;

struct LogContents {
  std::string ownCall;  // the own call the log's header states, if any
  std::deque<LogQso> qsos;
  std::vector<SkippedRecord> skipped;
  int outsidePeriod = 0;  // QSOs left out as outside the chosen period
  int otherBands = 0;     // QSOs left out as on a band not chosen
  int notForScoring = 0;  // Cabrillo X-QSO lines
  int reportsFromExchange = 0;
  int frequenciesFromBand = 0;
  int qsosRead = 0;  // kept QSOs, whether or not they are held in `qsos`

  // Keeps a QSO (counted) or a skipped record.
  void add(ReadRecord record);
  // Counts a kept QSO that is handed on instead of held.
  void count(const LogQso& qso);
  int recordsRead() const {
    return qsosRead + static_cast<int>(skipped.size()) + outsidePeriod + otherBands;
  }
};

}  // namespace velmora::cli
