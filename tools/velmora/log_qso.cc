#include "log_qso.h"

namespace velmora::cli {

void LogContents::add(ReadRecord record) {
  if (auto* qso = std::get_if<LogQso>(&record)) {
    count(*qso);
    qsos.push_back(std::move(*qso));
  } else {
    skipped.push_back(std::get<SkippedRecord>(std::move(record)));
  }
}

void LogContents::count(const LogQso& qso) {
  ++qsosRead;
  reportsFromExchange += qso.reportFromExchange ? 1 : 0;
  frequenciesFromBand += qso.frequencyFromBand ? 1 : 0;
}

}  // namespace velmora::cli
