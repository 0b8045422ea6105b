#pragma once
// What became of the records of one log: the reading notes the records
// skipped as malformed, the QSOs the chosen period and bands leave out, the
// X-QSO lines and what it changed while reading; the replay then notes what
// became of each QSO kept: accepted or refused by the plug-in, or set aside
// before it (a repeat on a band, a station in no DXCC entity).

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
  int reportsFromExchange = 0, frequenciesFromBand = 0;
  // The replay of the kept QSOs (LogReplay).
  int accepted = 0;
  std::vector<NotedQso> refused;   // by the plug-in, with its reason
  std::vector<NotedQso> repeats;   // reason: which record it repeats
  std::vector<NotedQso> noEntity;  // reason: why the call has no entity

  // Every record read: kept, skipped or left out.
  int read() const {
    return kept + static_cast<int>(skipped.size()) + outsidePeriod + otherBands;
  }
  // Counts a QSO kept, with what reading it changed.
  void countKept(const LogQso& qso);
};

}  // namespace velmora::cli
