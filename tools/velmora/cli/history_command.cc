// velmora history: writes a reference file (call, department) from the
// French stations of past logs, to standard output or over an earlier file
// only once the new one is complete.

#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/commands.h"
#include "cli/shared_options.h"
#include "outputs/file_targets.h"
#include "outputs/reference_history.h"

namespace velmora::cli {
namespace {

struct HistoryOptions {
  std::vector<std::string> logs;
  std::optional<std::string> file;
  std::optional<std::string> cty;
  ReadOptions reading;
};

int runHistory(const HistoryOptions& options, Console& console) {
  if (options.file) requireFileTarget(*options.file, "--out");
  const CountryFile countries = loadCountryFile(options.cty);
  ReferenceHistory history;
  for (const std::string& path : options.logs) {
    LogReader log = openLogFile(path, options.reading);
    while (const std::optional<LogQso> qso = log.next()) {
      if (const std::optional<std::string> fault = history.add(*qso, countries)) {
        console.err << path << ": record " << qso->record << " skipped: " << *fault << "\n";
      }
    }
    log.requireQsos(console.err);
  }
  if (options.file) {
    writeOutFile(*options.file, history.text(), console.err);
  } else {
    console.out << history.text() << std::flush;
  }
  console.err << "French stations: " << history.size() << "\n";
  if (history.passedOver() > 0) {
    console.err << "QSOs whose exchange is not a two-character department, passed over: "
                << history.passedOver() << "\n";
  }
  return 0;
}

}  // namespace

void setupHistory(CommandLine& line) {
  auto options = std::make_shared<HistoryOptions>();
  CLI::App& history = *line.app().add_subcommand(
      "history", "write a reference file (call, department) from past logs' French stations");
  history.add_option("LOG", options->logs, "ADIF or Cabrillo logs")
      ->required()->transform(kInputPath);
  addText(history, "--out", options->file, "the reference file to write (default: standard output)")
      ->transform(kAbsolutePath);
  addText(history, "--cty", options->cty, "country file")->transform(kInputPath);
  addLogOptions(history, options->reading);
  line.runs(history, [options](Console& console) { return runHistory(*options, console); });
}

}  // namespace velmora::cli
