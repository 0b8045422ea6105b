#include "logs/log_tally.h"

#include <algorithm>
#include <iterator>

namespace velmora::cli {

void LogTally::skipKept(SkippedRecord record) {
  --kept;
  const auto at = std::upper_bound(
      skipped.begin(), skipped.end(), record.record,
      [](int number, const SkippedRecord& other) { return number < other.record; });
  skipped.insert(at, std::move(record));
}

void LogTally::countKept(LogQso& qso) {
  ++kept;
  reportsFromExchange += qso.reportFromExchange ? 1 : 0;
  frequenciesFromBand += qso.frequencyFromBand ? 1 : 0;
  reportsSupplied += qso.reportSupplied ? 1 : 0;
  std::move(qso.notes.begin(), qso.notes.end(), std::back_inserter(notes));
  qso.notes.clear();
}

int LogTally::notesOf(ReadingNoteKind kind) const {
  return static_cast<int>(std::count_if(
      notes.begin(), notes.end(), [kind](const ReadingNote& note) { return note.kind == kind; }));
}

}  // namespace velmora::cli
