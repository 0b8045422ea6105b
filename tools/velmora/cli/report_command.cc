// velmora report: replays a log as score does and writes the contest as one
// HTML page, first to FILE.part, then moved over FILE.

#include <CLI/CLI.hpp>
#include <filesystem>
#include <ostream>

#include "cli/commands.h"
#include "cli/shared_options.h"
#include "outputs/file_targets.h"
#include "outputs/tally_lines.h"
#include "report/contest_timeline.h"
#include "report/report_page.h"

namespace velmora::cli {
namespace {

struct ReportOptions {
  std::string log;
  std::optional<std::string> page;
  ReplayOptions replay;
};

int runReport(const ReportOptions& options, Console& console) {
  requireFileTarget(*options.page, "--out");
  enterWorkingFolder(options.replay.workingFolder);
  Contest contest(options.replay.contest);
  LogReader log = openLogFile(options.log, options.replay.reading);
  const report::ContestTimeline timeline = report::replayTimeline(contest, log, console.err);
  const std::string page = report::reportPage(
      {contest.station().call, std::filesystem::path(options.log).filename().string()}, timeline);
  writeOutFile(*options.page, page, console.err);
  console.err << formatTally(timeline.tally) << "report page: " << *options.page << "\n";
  return 0;
}

}  // namespace

void setupReport(CommandLine& line) {
  auto options = std::make_shared<ReportOptions>();
  CLI::App& report = *line.app().add_subcommand(
      "report", "replay a log as score does and draw the contest as one HTML page");
  report.add_option("LOG", options->log, "ADIF or Cabrillo log")->required()->transform(kInputPath);
  addText(report, "--out", options->page, "the HTML page to write")
      ->required()->transform(kAbsolutePath);
  addContestOptions(report, options->replay);
  addLogOptions(report, options->replay.reading);
  line.runs(report, [options](Console& console) { return runReport(*options, console); });
}

}  // namespace velmora::cli
