// velmora score: replays a log through the plug-in and prints its summary,
// with an export request when asked, the Cabrillo header answered from the
// options; says what became of the Cabrillo file, and exits with status 2
// when it was asked for and not written.

#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>

#include "cabrillo/base_path.h"
#include "cli/commands.h"
#include "cli/shared_options.h"
#include "outputs/cabrillo_outcome.h"
#include "outputs/file_targets.h"
#include "outputs/header_answers.h"
#include "outputs/summary_table.h"
#include "outputs/tally_lines.h"
#include "ports/settings_file.h"
#include "replay/log_replay.h"
#include "util/user_error.h"

namespace velmora::cli {
namespace {

struct ScoreOptions {
  std::string log;
  ReplayOptions replay;
  bool raw = false;
  bool cabrillo = false;
  HeaderAnswers header;
};

CLI::Validator headerText(bool multiLine) {
  return CLI::Validator(
      [multiLine](std::string& text) { return headerLineFault(text, multiLine).value_or(""); }, "");
}

void addHeaderOptions(CLI::App& score, HeaderAnswers& header) {
  const char* settings = "Cabrillo header (written to the settings before the export)";
  const CLI::Validator line = headerText(false);
  const CLI::Validator lines = headerText(true);
  addText(score, "--operators", header.operators, "operators' call signs")
      ->check(line)->group(settings);
  addText(score, "--name", header.name, "operator's name")->check(line)->group(settings);
  score.add_option("--address", header.address, "a line of the postal address (repeatable)")
      ->allow_extra_args(false)->check(lines)->group(settings);
  addText(score, "--email", header.email, "e-mail address")->check(line)->group(settings);
  addText(score, "--club", header.club, "club")->check(line)->group(settings);
  score.add_option("--soapbox", header.soapBox, "a line of soapbox text (repeatable)")
      ->allow_extra_args(false)->check(lines)->group(settings);
  addText(score, "--category", header.category, "entry category, e.g. SO40")
      ->check(line)->group(settings);
  addText(score, "--power", header.power, "power category, e.g. \"100 watt\"")
      ->check(line)->group(settings);
}

// The plug-in's text unchanged, ended by a line end if it has none.
std::string rawSummary(const std::string& summary) {
  if (summary.empty() || summary.back() == '\n') return summary;
  return summary + "\r\n";
}

// Before any work: every header answer can be stored whole, and the
// settings' folder can take them.
void prepareExport(const ScoreOptions& options, std::ostream& err) {
  if (const std::optional<std::string> tooLong = options.header.tooLongToStore()) {
    throw UserError("velmora score: " + *tooLong);
  }
  prepareSettingsFolder(err);
}

// Once the contest has started (the header form answered and stored): the
// settings read every answer back.
void requireStoredAnswers(const HeaderAnswers& answers) {
  const std::unique_ptr<SettingsStore> settings = openSettingsFile();
  if (const std::optional<std::string> lost = answers.notStoredIn(*settings)) {
    throw UserError("velmora: the plug-in did not store the Cabrillo header in " +
                    std::string(kSettingsFileName) + ": " + *lost);
  }
}

int runScore(const ScoreOptions& options, Console& console) {
  enterWorkingFolder(options.replay.workingFolder);
  std::optional<AnsweringHeaderForm> answering;
  if (options.cabrillo) {
    prepareExport(options, console.err);
    answering.emplace(options.header);
  }
  Contest contest(options.replay.contest);
  LogReader log = openLogFile(options.log, options.replay.reading);
  LogReplay replay(contest, log, options.cabrillo, console.err);
  replay.begin();
  std::optional<CabrilloWatch> watch;
  if (options.cabrillo) {
    if (formClosesWithTheAnswers()) requireStoredAnswers(options.header);
    watch.emplace(basePathFromCall(contest.station().call) + ".cbr");
  }
  while (replay.next()) {
  }
  const std::string summary = contest.summary();
  console.out << (options.raw ? rawSummary(summary) : formatSummaryTable(summary)) << std::flush;
  console.err << formatTally(log.tally());
  if (summary.empty()) console.err << "the plug-in returned an empty summary\n";
  if (!watch) return 0;
  const CabrilloOutcome outcome = watch->outcome(log.tally());
  if (!outcome.written) throw UserError(outcome.lines.front());
  for (const std::string& line : outcome.lines) console.err << line << "\n";
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
