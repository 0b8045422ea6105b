#include "commands.h"

#include <array>
#include <filesystem>
#include <optional>
#include <ostream>

#include "band_plan.h"
#include "cabrillo/base_path.h"
#include "cli_error.h"
#include "files/whole_file.h"
#include "header_preparation.h"
#include "log_replay.h"
#include "reference_history.h"
#include "report/contest_timeline.h"
#include "report/report_page.h"
#include "summary_table.h"
#include "text_case.h"

namespace velmora::cli {
namespace {

void reportCabrilloFile(const OwnStation& station, std::ostream& err) {
  const std::filesystem::path file =
      std::filesystem::current_path() / (basePathFromCall(station.call) + ".cbr");
  if (std::filesystem::exists(file)) {
    err << "Cabrillo file: " << file.string() << "\n";
  } else {
    err << "Cabrillo file " << file.string() << " was not written\n";
  }
}

// The plug-in's text unchanged, ended by a line end if it has none.
std::string rawSummary(const std::string& summary) {
  if (summary.empty() || summary.back() == '\n') return summary;
  return summary + "\r\n";
}

const std::array<const char*, 5> kVerdicts = {"Duplicate", "NoNewMultiplier", "NewDxcc",
                                              "NewDepartment", "NoVerdict"};

}  // namespace

int runScore(const CommandLine& line, std::ostream& out, std::ostream& err) {
  LogReplay replay(line.contest);
  std::optional<HeaderPreparation> header;
  const ReplayReport report =
      replay.run(line.argument, line.reading, line.cabrillo, err, [&](const OwnStation& station) {
        if (line.cabrillo) header.emplace(line.header, station.call);
      });
  int flag = 0;
  const std::string summary = replay.plugin().getResult(&flag);
  out << (line.raw ? rawSummary(summary) : formatSummaryTable(summary)) << std::flush;
  err << formatReport(report);
  if (summary.empty()) err << "the plug-in returned an empty summary\n";
  if (line.cabrillo) reportCabrilloFile(replay.station(), err);
  return 0;
}

int runReport(const CommandLine& line, std::ostream& err) {
  LogReplay replay(line.contest);
  const report::ContestTimeline timeline =
      report::replayTimeline(replay, line.argument, line.reading, err);
  const std::string page = report::reportPage(
      {replay.station().call, std::filesystem::path(line.argument).filename().string()}, timeline);
  if (!writeFileReplacing(*line.out, page)) {
    throw CliError("velmora: cannot write report " + *line.out);
  }
  err << formatReport(timeline.replay) << "report page: " << *line.out << "\n";
  return 0;
}

int runCheck(const CommandLine& line, std::ostream& out, std::ostream& err) {
  LogReplay replay(line.contest);
  const ReplayReport report = replay.run(line.log, line.reading, false, err);
  if (line.log) err << formatReport(report);
  const std::string band = bandFromText(*line.band).value_or(*line.band);
  const CallCheckAnswer answer = replay.contest().checkCall(toUpper(line.argument), band);
  out << (answer.code >= 0 && answer.code < 5 ? kVerdicts[answer.code]
                                              : "code " + std::to_string(answer.code))
      << "\n";
  if (!answer.expectedExchange.empty()) out << "expected exchange: " << answer.expectedExchange << "\n";
  if (!answer.message.empty()) out << "message: " << answer.message << "\n";
  return 0;
}

int runValidate(const CommandLine& line, std::ostream& out) {
  auto plugin = loadPlugin(line.contest.plugin);
  const bool valid = plugin->isValidExchange(line.argument.c_str(), 0) == 1;
  out << (valid ? "valid" : "invalid") << "\n";
  return valid ? 0 : 1;
}

int runHistory(const CommandLine& line, std::ostream& out, std::ostream& err) {
  const CountryFile countries = loadCountries(line.contest.cty);
  ReferenceHistory history;
  int passedOver = 0;
  for (const std::string& path : line.logs) {
    passedOver += history.add(loadLog(path, line.reading, err), countries);
  }
  if (line.out) {
    // An earlier reference file stays whole unless the new one is complete.
    const std::string text = history.text();
    if (!writeFileReplacing(*line.out, text)) {
      throw CliError("velmora: cannot write " + *line.out);
    }
  } else {
    out << history.text() << std::flush;
  }
  err << "French stations: " << history.size() << "\n";
  if (passedOver > 0) {
    err << "QSOs whose exchange is not a two-character department, passed over: " << passedOver
        << "\n";
  }
  return 0;
}

}  // namespace velmora::cli
