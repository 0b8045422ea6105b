#include "replay_report.h"

#include <map>

namespace velmora::cli {

std::string formatReport(const ReplayReport& report) {
  std::string out;
  for (const SkippedRecord& skipped : report.skipped) {
    out += "record " + std::to_string(skipped.record) + " skipped: " + skipped.reason + "\n";
  }
  std::map<std::string, int> reasons;
  for (const RefusedQso& refused : report.refused) {
    out += "record " + std::to_string(refused.record) + " (" + refused.call +
           ") refused by the plug-in: " + refused.reason + "\n";
    ++reasons[refused.reason];
  }
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
  return out;
}

}  // namespace velmora::cli
