#include "replay_report.h"

#include <algorithm>
#include <map>

namespace velmora::cli {
namespace {

std::string recordLines(const std::vector<RefusedQso>& qsos, const std::string& what) {
  std::string out;
  for (const RefusedQso& qso : qsos) {
    out += "record " + std::to_string(qso.record) + " (" + qso.call + ") " + what + qso.reason +
           "\n";
  }
  return out;
}

std::string countLine(const char* what, std::size_t count) {
  return count == 0 ? "" : std::string(what) + ": " + std::to_string(count) + "\n";
}

}  // namespace

void takeReadingCounts(const LogContents& log, ReplayReport& report) {
  report.read = log.recordsRead();
  report.skipped = log.skipped;
  std::sort(report.skipped.begin(), report.skipped.end(),
            [](const SkippedRecord& a, const SkippedRecord& b) { return a.record < b.record; });
  report.outsidePeriod = log.outsidePeriod;
  report.otherBands = log.otherBands;
  report.notForScoring = log.notForScoring;
  report.reportsFromExchange = log.reportsFromExchange;
  report.frequenciesFromBand = log.frequenciesFromBand;
}

std::string formatReport(const ReplayReport& report) {
  std::string out;
  for (const SkippedRecord& skipped : report.skipped) {
    out += "record " + std::to_string(skipped.record) + " skipped: " + skipped.reason + "\n";
  }
  out += recordLines(report.noEntity, "not scored: ");
  out += recordLines(report.repeats, "not logged: repeats ");
  out += recordLines(report.refused, "refused by the plug-in: ");
  std::map<std::string, int> reasons;
  for (const RefusedQso& refused : report.refused) ++reasons[refused.reason];
  out += "read: " + std::to_string(report.read) + "\n";
  out += "accepted by the plug-in: " + std::to_string(report.accepted) + "\n";
  out += "refused by the plug-in: " + std::to_string(report.refused.size());
  std::string separator = " (";
  for (const auto& [reason, count] : reasons) {
    out += separator + reason + ": " + std::to_string(count);
    separator = ", ";
  }
  out += reasons.empty() ? "\n" : ")\n";
  out += "skipped as malformed: " + std::to_string(report.skipped.size()) + "\n";
  out += countLine("repeats on a band, not logged", report.repeats.size());
  out += countLine("in no DXCC entity, not scored", report.noEntity.size());
  out += countLine("outside the contest period", report.outsidePeriod);
  out += countLine("on other bands", report.otherBands);
  out += countLine("X-QSO lines, not for scoring", report.notForScoring);
  out += countLine("reports taken out of the exchange", report.reportsFromExchange);
  out += countLine("frequencies set to the band's lower edge", report.frequenciesFromBand);
  return out;
}

}  // namespace velmora::cli
