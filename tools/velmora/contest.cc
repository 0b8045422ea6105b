#include "contest.h"

#include <algorithm>

#include "classify/prefix_list.h"
#include "cli_error.h"
#include "qso_mapping.h"
#include "refusal.h"

namespace velmora::cli {

OwnStation ownStation(const CommandLine& line, const LogContents& log,
                      const CountryFile& countries) {
  OwnStation station;
  if (line.call) {
    station.call = *line.call;
  } else {
    for (const LogQso& qso : log.qsos) {
      if (!qso.myCall.empty()) {
        station.call = qso.myCall;
        break;
      }
    }
  }
  if (station.call.empty()) throw CliError("velmora: no own call sign known: give --call");
  const std::optional<Country> home = countries.lookup(station.call);
  if ((!line.dxcc || !line.area) && !home) {
    throw CliError("velmora: own call " + station.call +
                   " is not in the country file: give --dxcc and --area");
  }
  station.dxccPrefix = line.dxcc ? *line.dxcc : home->dxccPrefix;
  station.area = line.area ? *line.area : home->continent;
  return station;
}

void Contest::start(const OwnStation& station, bool exportRequested) {
  host::ContestStart start;
  start.exportRequested = exportRequested ? 1 : 0;
  start.myCall = station.call;
  start.myDxccPrefix = station.dxccPrefix;
  start.myAreaTag = station.area;
  operatorInFrance_ = isFrenchPrefix(station.dxccPrefix);
  plugin_.resetStats(start);
}

ReplayReport Contest::replay(const LogContents& log) {
  ReplayReport report;
  report.read = log.recordsRead();
  report.skipped = log.skipped;
  std::sort(report.skipped.begin(), report.skipped.end(),
            [](const SkippedRecord& a, const SkippedRecord& b) { return a.record < b.record; });
  for (const LogQso& qso : log.qsos) {
    const host::Qso hostQso = toHostQso(qso, countries_);
    if (plugin_.addData(hostQso) == 1) {
      ++report.accepted;
    } else {
      report.refused.push_back({qso.record, qso.call, refusalReason(hostQso, operatorInFrance_)});
    }
  }
  return report;
}

}  // namespace velmora::cli
