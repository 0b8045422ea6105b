// velmora check: replays a log if given, then asks the plug-in's call check
// about a call on a band and prints its verdict by name.

#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/commands.h"
#include "cli/shared_options.h"
#include "logs/band_plan.h"
#include "outputs/tally_lines.h"
#include "replay/log_replay.h"
#include "text/ascii.h"
#include "util/terminal_excerpt.h"

namespace velmora::cli {
namespace {

struct CheckOptions {
  std::string call;
  std::string band;
  std::optional<std::string> log;
  ReplayOptions replay;
};

const CLI::Validator kBand(
    [](std::string& text) {
      return bandFromText(text) ? std::string() : "unknown band " + terminalExcerpt(text);
    },
    "BAND");

int runCheck(const CheckOptions& options, Console& console) {
  enterWorkingFolder(options.replay.workingFolder);
  Contest contest(options.replay.contest);
  if (options.log) {
    LogReader log = openLogFile(*options.log, options.replay.reading);
    LogReplay replay(contest, log, false, console.err);
    while (replay.next()) {
    }
    console.err << formatTally(log.tally());
  } else {
    contest.start("", false);
  }
  const CallCheckReply reply = contest.checkCall(upperAscii(options.call), options.band);
  console.out << host::callCheckCodeName(reply.code) << "\n";
  if (!reply.expectedExchange.empty()) {
    console.out << "expected exchange: " << reply.expectedExchange << "\n";
  }
  if (!reply.message.empty()) console.out << "message: " << reply.message << "\n";
  return 0;
}

}  // namespace

void setupCheck(CommandLine& line) {
  auto options = std::make_shared<CheckOptions>();
  CLI::App& check = *line.app().add_subcommand("check", "ask the plug-in's call check about a call");
  check.add_option("CALL", options->call, "the call being entered")->required()->check(kOneWord);
  check
      .add_option_function<std::string>(
          "--band", [options](const std::string& band) { options->band = *bandFromText(band); },
          "band name, or frequency in kHz or MHz")
      ->required()->check(kBand);
  addText(check, "--log", options->log, "a log to replay first")
      ->transform(kInputPath);
  addContestOptions(check, options->replay);
  addLogOptions(check, options->replay.reading);
  line.runs(check, [options](Console& console) { return runCheck(*options, console); });
}

}  // namespace velmora::cli
