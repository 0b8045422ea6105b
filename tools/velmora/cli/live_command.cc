// velmora live: listens for the contacts a logger broadcasts (N1MM Logger+'s
// XML, DXLog.net's own, WSJT-X's and JTDX's messages), feeds each QSO into
// the plug-in as the host would while the operator logs, edits and deletes,
// and serves the contest as a live page; at the end the final summary and,
// with --cabrillo, the Cabrillo file of the whole contest, written from the
// journal as `velmora score JOURNAL --cabrillo` writes it.

#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/cabrillo_export.h"
#include "cli/commands.h"
#include "cli/shared_options.h"
#include "live/live_session.h"
#include "replay/log_replay.h"

namespace velmora::cli {
namespace {

struct LiveCommandOptions {
  ReplayOptions replay;
  LiveOptions live;
  bool cabrillo = false;
};

// A listening address into `address`, checked as it is parsed.
CLI::Option* addListener(CLI::App& command, const std::string& name, ListenAddress& address,
                         const std::string& help) {
  return command
      .add_option_function<std::string>(
          name,
          [&address](const std::string& text) { address = *parseListenAddress(text, "127.0.0.1"); },
          help + " (default " + addressText(address.host, address.port) + "; port 0: a free one)")
      ->check(CLI::Validator(
          [](std::string& text) {
            return parseListenAddress(text, "127.0.0.1") ? std::string()
                                                         : "not [ADDR:]PORT: " + text;
          },
          "[ADDR:]PORT"));
}

// "120", "120s" or "2m", in seconds, at least 1.
std::optional<std::chrono::seconds> parseInterval(const std::string& text) {
  std::string digits = text;
  long long unit = 1;
  if (!digits.empty() && (digits.back() == 's' || digits.back() == 'm')) {
    unit = digits.back() == 'm' ? 60 : 1;
    digits.pop_back();
  }
  if (digits.empty() || digits.size() > 6 ||
      digits.find_first_not_of("0123456789") != std::string::npos) {
    return std::nullopt;
  }
  const long long seconds = std::stoll(digits) * unit;
  if (seconds < 1) return std::nullopt;
  return std::chrono::seconds(seconds);
}

// The Cabrillo file of the whole contest, from the journal, as score does.
void exportCabrillo(const LiveCommandOptions& options, const std::string& journal,
                    Console& console) {
  CabrilloExport cabrillo("live", options.live.header, console.err);
  Contest contest(options.replay.contest);
  LogReader log = openLogFile(journal, ReadOptions{});
  LogReplay replay(contest, log, true, console.err);
  replay.begin();
  cabrillo.contestStarted(contest);
  while (replay.next()) {
  }
  contest.summary();
  cabrillo.finish(log.tally(), console.err);
}

int runLive(LiveCommandOptions options, Console& console) {
  enterWorkingFolder(options.replay.workingFolder);
  // The header answers are checked before the session, not after a contest.
  if (options.cabrillo) prepareCabrilloExport("live", options.live.header, console.err);
  options.live.contest = options.replay.contest;
  options.live.reading = options.replay.reading;
  LiveSession session(options.live, console.out, console.err);
  session.run();
  if (options.cabrillo) {
    if (session.ownCall().empty()) {
      console.err << "no Cabrillo file: the contest never started\n";
    } else {
      exportCabrillo(options, session.journal(), console);
    }
  }
  return 0;
}

}  // namespace

void setupLive(CommandLine& line) {
  auto options = std::make_shared<LiveCommandOptions>();
  LiveOptions& live = options->live;
  CLI::App& command = *line.app().add_subcommand(
      "live", "feed the plug-in the QSOs a logger broadcasts, and show the contest live");
  addContestOptions(command, options->replay);
  addLogOptions(command, options->replay.reading);
  const char* listening = "Listening (loopback unless an address is given; 0.0.0.0 for a network)";
  addListener(command, "--n1mm", live.n1mm,
              "UDP address of N1MM Logger+'s (and DXLog.net's) contact broadcasts")
      ->group(listening);
  addListener(command, "--wsjtx", live.wsjtx, "UDP address of WSJT-X's and JTDX's messages")
      ->group(listening);
  addListener(command, "--http", live.http, "address of the live page")->group(listening);
  command
      .add_option("--journal", live.journal,
                  "the journal of every event, replayed at a restart (default "
                  "velmora-live.adi in the working folder)")
      ->transform(kAbsolutePath);
  command
      .add_option_function<std::vector<std::string>>(
          "--post",
          [&live](const std::vector<std::string>& urls) {
            for (const std::string& url : urls) live.posts.push_back(*parsePostUrl(url));
          },
          "post the score to an online scoreboard at this http:// URL (repeatable; https is not "
          "supported)")
      ->allow_extra_args(false)
      ->check(CLI::Validator(
          [](std::string& url) {
            return parsePostUrl(url) ? std::string()
                                     : "not a plain http:// URL (https is not supported): " + url;
          },
          "URL"))
      ->group("Scoreboards");
  command
      .add_option_function<std::string>(
          "--post-every",
          [&live](const std::string& text) { live.postEvery = *parseInterval(text); },
          "time between two posts: seconds, or 90s, 2m (default 2m)")
      ->check(CLI::Validator(
          [](std::string& text) {
            return parseInterval(text) ? std::string()
                                       : "not a time such as 120, 90s or 2m: " + text;
          },
          "TIME"))
      ->group("Scoreboards");
  command.add_flag("--cabrillo", options->cabrillo,
                   "at the end, have the plug-in write the Cabrillo file of the whole contest");
  addHeaderOptions(command, live.header);
  line.runs(command, [options](Console& console) { return runLive(*options, console); });
}

}  // namespace velmora::cli
