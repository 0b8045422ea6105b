// velmora score: replays a log through the plug-in and prints its summary,
// with an export request when asked, the Cabrillo header answered from the
// options.

#include <CLI/CLI.hpp>
#include <filesystem>
#include <optional>
#include <ostream>

#include "cabrillo/base_path.h"
#include "cli/commands.h"
#include "cli/shared_options.h"
#include "outputs/header_answers.h"
#include "outputs/summary_table.h"
#include "outputs/tally_lines.h"
#include "replay/log_replay.h"

namespace velmora::cli {
namespace {

struct ScoreOptions {
  std::string log;
  ReplayOptions replay;
  bool raw = false;
  bool cabrillo = false;
  HeaderAnswers header;
};

void addHeaderOptions(CLI::App& score, HeaderAnswers& header) {
  const char* settings = "Cabrillo header (written to the settings before the export)";
  addText(score, "--operators", header.operators, "operators' call signs")
      ->check(kOneLine)->group(settings);
  addText(score, "--name", header.name, "operator's name")->check(kOneLine)->group(settings);
  score.add_option("--address", header.address, "a line of the postal address (repeatable)")
      ->allow_extra_args(false)->group(settings);
  addText(score, "--email", header.email, "e-mail address")->check(kOneLine)->group(settings);
  addText(score, "--club", header.club, "club")->check(kOneLine)->group(settings);
  score.add_option("--soapbox", header.soapBox, "a line of soapbox text (repeatable)")
      ->allow_extra_args(false)->group(settings);
  addText(score, "--category", header.category, "entry category, e.g. SO40")
      ->check(kOneLine)->group(settings);
  addText(score, "--power", header.power, "power category, e.g. \"100 watt\"")
      ->check(kOneLine)->group(settings);
}

// The plug-in's text unchanged, ended by a line end if it has none.
std::string rawSummary(const std::string& summary) {
  if (summary.empty() || summary.back() == '\n') return summary;
  return summary + "\r\n";
}

void reportCabrilloFile(const OwnStation& station, std::ostream& err) {
  const std::filesystem::path file =
      std::filesystem::current_path() / (basePathFromCall(station.call) + ".cbr");
  if (std::filesystem::exists(file)) {
    err << "Cabrillo file: " << file.string() << "\n";
  } else {
    err << "Cabrillo file " << file.string() << " was not written\n";
  }
}

int runScore(const ScoreOptions& options, Console& console) {
  enterWorkingFolder(options.replay.workingFolder);
  std::optional<AnsweringHeaderForm> answering;
  if (options.cabrillo) answering.emplace(options.header);
  Contest contest(options.replay.contest);
  LogReader log = openLogFile(options.log, options.replay.reading);
  LogReplay replay(contest, log, options.cabrillo, console.err);
  while (replay.next()) {
  }
  const std::string summary = contest.summary();
  console.out << (options.raw ? rawSummary(summary) : formatSummaryTable(summary)) << std::flush;
  console.err << formatTally(log.tally());
  if (summary.empty()) console.err << "the plug-in returned an empty summary\n";
  if (options.cabrillo) reportCabrilloFile(contest.station(), console.err);
  return 0;
}

}  // namespace

void setupScore(CommandLine& line) {
  auto options = std::make_shared<ScoreOptions>();
  CLI::App& score =
      *line.app().add_subcommand("score", "score a log and print the plug-in's summary");
  score.add_option("LOG", options->log, "ADIF or Cabrillo log")->required()->transform(kInputPath);
  addContestOptions(score, options->replay);
  addLogOptions(score, options->replay.reading);
  score.add_flag("--raw", options->raw, "print the plug-in's summary text unchanged");
  score.add_flag("--cabrillo", options->cabrillo, "have the plug-in write the Cabrillo file");
  addHeaderOptions(score, options->header);
  line.runs(score, [options](Console& console) { return runScore(*options, console); });
}

}  // namespace velmora::cli
