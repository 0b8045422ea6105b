#include "logs/log_tally.h"

namespace velmora::cli {

void LogTally::countKept(const LogQso& qso) {
  ++kept;
  reportsFromExchange += qso.reportFromExchange ? 1 : 0;
  frequenciesFromBand += qso.frequencyFromBand ? 1 : 0;
}

}  // namespace velmora::cli
