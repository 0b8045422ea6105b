#pragma once
// One QSO as a log file states it, before it is turned into what the logging
// host passes the plug-in, and the other kinds of record a log holds.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "log/ole_date_time.h"

namespace velmora::cli {

// What reading did with an odd record, told on standard error, one line
// each: a field whose declared length ran into the next tag, a band taken
// from the frequency, a frequency set to the band's lower edge.
enum class ReadingNoteKind { LengthRunsIntoNextTag, BandFromFrequency, FrequencyFromBand };

struct ReadingNote {
  int record = 0;
  std::string call;  // the record's call, as read; may be empty
  ReadingNoteKind kind = ReadingNoteKind::LengthRunsIntoNextTag;
  std::string text;  // what was done, input echoed as terminal excerpts
};

struct LogQso {
  int record = 0;  // the record's number in its file, from 1
  std::string myCall;  // the sender's own call, when the record names it
  std::string call;
  CivilDateTime time;  // UTC, as written in the log
  std::optional<std::uint32_t> frequencyHz;
  std::string band;  // as the log names it, else derived from the frequency
  std::string mode;
  std::string rstSent, rstReceived;
  std::string exchangeSent, exchangeReceived;
  std::string continent;  // non-empty: overrides the country file's continent
  bool reportFromExchange = false;  // a report was taken out of an exchange field
  bool frequencyFromBand = false;   // the log gave no frequency in the band: its lower edge
  bool reportSupplied = false;      // the log gave no report: the mode's usual one
  std::vector<ReadingNote> notes;
  // A record of velmora's live journal (APP_VELMORA_KEY, APP_VELMORA_EVENT):
  // the key its source named the QSO by, and whether the record deletes the
  // QSO of that key rather than being its version from now on. Empty and
  // false in any other log.
  std::string key;
  bool deletes = false;
};

// A record that could not be read, with the reason in a few words.
struct SkippedRecord {
  int record = 0;
  std::string reason;
  std::vector<ReadingNote> notes;  // what reading it met before it gave up
};

// A line that the log itself leaves out of scoring (Cabrillo's X-QSO:).
struct UnscoredLine {};

// One record as read.
using ReadRecord = std::variant<LogQso, SkippedRecord, UnscoredLine>;

}  // namespace velmora::cli
