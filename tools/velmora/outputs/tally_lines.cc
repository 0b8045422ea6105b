#include "outputs/tally_lines.h"

#include <map>

#include "util/terminal_excerpt.h"

namespace velmora::cli {
namespace {

// "record 4 (DL1ABC)", the call as an excerpt the terminal may show.
std::string recordOf(int record, const std::string& call) {
  std::string out = "record " + std::to_string(record);
  return call.empty() ? out : out + " (" + terminalExcerpt(call) + ")";
}

std::string recordLines(const std::vector<NotedQso>& qsos, const std::string& what) {
  std::string out;
  for (const NotedQso& qso : qsos) out += recordOf(qso.record, qso.call) + what + qso.reason + "\n";
  return out;
}

std::string countLine(const char* what, std::size_t count) {
  return count == 0 ? "" : std::string(what) + ": " + std::to_string(count) + "\n";
}

}  // namespace

std::string formatTally(const LogTally& tally) {
  std::string out;
  for (const SkippedRecord& skipped : tally.skipped) {
    out += "record " + std::to_string(skipped.record) + " skipped: " + skipped.reason + "\n";
  }
  for (const ReadingNote& note : tally.notes) {
    out += recordOf(note.record, note.call) + ": " + note.text + "\n";
  }
  out += recordLines(tally.noEntity, " not scored: ");
  out += recordLines(tally.repeats, " not logged: repeats ");
  out += recordLines(tally.refused, " refused by the plug-in: ");
  out += recordLines(tally.noDepartment, ": ");
  std::map<std::string, int> reasons;
  for (const NotedQso& refused : tally.refused) ++reasons[refused.reason];
  out += "read: " + std::to_string(tally.read()) + "\n";
  out += "accepted by the plug-in: " + std::to_string(tally.accepted) + "\n";
  out += "refused by the plug-in: " + std::to_string(tally.refused.size());
  std::string separator = " (";
  for (const auto& [reason, count] : reasons) {
    out += separator + reason + ": " + std::to_string(count);
    separator = ", ";
  }
  out += reasons.empty() ? "\n" : ")\n";
  out += "skipped as malformed: " + std::to_string(tally.skipped.size()) + "\n";
  out += countLine("repeats on a band, not logged", tally.repeats.size());
  out += countLine("in no DXCC entity, not scored", tally.noEntity.size());
  out += countLine("withdrawn by a later edit or delete", tally.withdrawn);
  out += countLine("outside the contest period", tally.outsidePeriod);
  out += countLine("on other bands", tally.otherBands);
  out += countLine("X-QSO lines, not for scoring", tally.notForScoring);
  out += countLine("lengths that ran into the next field",
                   tally.notesOf(ReadingNoteKind::LengthRunsIntoNextTag));
  out += countLine("reports taken out of the exchange", tally.reportsFromExchange);
  out += countLine("reports supplied", tally.reportsSupplied);
  out += countLine("bands taken from the frequency",
                   tally.notesOf(ReadingNoteKind::BandFromFrequency));
  out += countLine("frequencies set to the band's lower edge", tally.frequenciesFromBand);
  out += countLine("exchanges of French stations that are no department, counted by the plug-in",
                   tally.noDepartment.size());
  return out;
}

}  // namespace velmora::cli
