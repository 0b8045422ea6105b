#pragma once
// What became of the records of one log: the reading notes the records
// skipped as malformed, the QSOs the chosen period and bands leave out, the
// X-QSO lines and what it changed while reading; the replay then notes what
// became of each QSO kept: accepted or refused by the plug-in, or set aside
// before it (a repeat on a band, a station in no DXCC entity), and the
// French stations whose exchange the plug-in counts as a department though
// it is none.

#include <string>
#include <vector>

#include "logs/log_qso.h"

namespace velmora::cli {

// A QSO that did not count, and why.
struct NotedQso {
  int record = 0;
  std::string call;
  std::string reason;
};

struct LogTally {
  // The reading (LogReader).
  int kept = 0;  // QSOs read and kept by the period and bands
  std::vector<SkippedRecord> skipped;  // in record order
  int outsidePeriod = 0, otherBands = 0, notForScoring = 0;
  int reportsFromExchange = 0, frequenciesFromBand = 0, reportsSupplied = 0;
  std::vector<ReadingNote> notes;  // of the records kept or skipped, in record order
  // The replay of the kept QSOs (LogReplay).
  int accepted = 0;
  std::vector<NotedQso> refused;   // by the plug-in, with its reason
  std::vector<NotedQso> repeats;   // reason: which record it repeats
  std::vector<NotedQso> noEntity;  // reason: why the call has no entity
  std::vector<NotedQso> noDepartment;  // accepted; reason: the exchange that is no department
  // QSOs of a journal taken back by a later edit or delete of their key;
  // what they had counted as is no longer counted.
  int withdrawn = 0;

  // Every record read: kept, skipped or left out.
  int read() const {
    return kept + static_cast<int>(skipped.size()) + outsidePeriod + otherBands;
  }
  // Counts a QSO kept, with what reading it changed, and takes its notes.
  void countKept(LogQso& qso);
  // A QSO kept by the reading that proves malformed when it is handed on (a
  // text the plug-in cannot take): counted as skipped instead, in record
  // order.
  void skipKept(SkippedRecord record);
  // The notes of one kind.
  int notesOf(ReadingNoteKind kind) const;
};

}  // namespace velmora::cli
