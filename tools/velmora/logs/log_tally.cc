#include "logs/log_tally.h"

#include <algorithm>

namespace velmora::cli {

void LogTally::skipKept(SkippedRecord record) {
  --kept;
  const auto at = std::upper_bound(
      skipped.begin(), skipped.end(), record.record,
      [](int number, const SkippedRecord& other) { return number < other.record; });
  skipped.insert(at, std::move(record));
}

void LogTally::countKept(const LogQso& qso) {
  ++kept;
  reportsFromExchange += qso.reportFromExchange ? 1 : 0;
  frequenciesFromBand += qso.frequencyFromBand ? 1 : 0;
}

}  // namespace velmora::cli
