// velmora score: replays a log through the plug-in and prints its summary,
// with an export request when asked, the Cabrillo header answered from the
// options; says what became of the Cabrillo file, and exits with status 2
// when it was asked for and not written.

#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>

#include "cli/cabrillo_export.h"
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

// The plug-in's text unchanged, ended by a line end if it has none.
std::string rawSummary(const std::string& summary) {
  if (summary.empty() || summary.back() == '\n') return summary;
  return summary + "\r\n";
}

int runScore(const ScoreOptions& options, Console& console) {
  enterWorkingFolder(options.replay.workingFolder);
  std::optional<CabrilloExport> cabrillo;
  if (options.cabrillo) cabrillo.emplace("score", options.header, console.err);
  Contest contest(options.replay.contest);
  LogReader log = openLogFile(options.log, options.replay.reading);
  LogReplay replay(contest, log, options.cabrillo, console.err);
  replay.begin();
  if (cabrillo) cabrillo->contestStarted(contest);
  while (replay.next()) {
  }
  const std::string summary = contest.summary();
  console.out << (options.raw ? rawSummary(summary) : formatSummaryTable(summary)) << std::flush;
  console.err << formatTally(log.tally());
  if (summary.empty()) console.err << "the plug-in returned an empty summary\n";
  if (cabrillo) cabrillo->finish(log.tally(), console.err);
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
