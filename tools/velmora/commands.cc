#include "commands.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <ostream>

#include "cabrillo_file_name.h"
#include "cli_error.h"
#include "contest.h"
#include "log_file.h"
#include "files/whole_file.h"
#include "plugin_location.h"
#include "report/contest_timeline.h"
#include "report/report_page.h"
#include "summary_table.h"

namespace velmora::cli {
namespace {

constexpr const char* kDefaultCountryFile = "/usr/share/hamradio-files/cty.dat";

std::unique_ptr<host::PluginHost> loadPlugin(const CommandLine& line) {
  const std::string file = line.plugin.value_or(defaultPluginFile());
  auto plugin = std::make_unique<host::PluginHost>(file, host::ExportNames::Plain);
  if (!plugin->ready()) {
    throw CliError("velmora: cannot load plug-in " + file + ": " + plugin->problem());
  }
  return plugin;
}

CountryFile loadCountries(const CommandLine& line) {
  const std::string file = line.cty.value_or(kDefaultCountryFile);
  std::optional<CountryFile> countries = readCountryFile(file);
  if (!countries) throw CliError("velmora: cannot read country file " + file);
  return std::move(*countries);
}

LogContents loadLog(const std::string& file) {
  std::optional<LogContents> log = readLogFile(file);
  if (!log) throw CliError("velmora: cannot read log " + file);
  return std::move(*log);
}

void reportCabrilloFile(const OwnStation& station, std::ostream& err) {
  const std::filesystem::path file =
      std::filesystem::current_path() / cabrilloFileName(station.call);
  if (std::filesystem::exists(file)) {
    err << "Cabrillo file: " << file.string() << "\n";
  } else {
    err << "Cabrillo file " << file.string() << " was not written\n";
  }
}

const std::array<const char*, 5> kVerdicts = {"Duplicate", "NoNewMultiplier", "NewDxcc",
                                              "NewDepartment", "NoVerdict"};

}  // namespace

int runScore(const CommandLine& line, std::ostream& out, std::ostream& err) {
  const CountryFile countries = loadCountries(line);
  const LogContents log = loadLog(line.argument);
  const OwnStation station = ownStation(line, log, countries);
  auto plugin = loadPlugin(line);
  Contest contest(*plugin, countries);
  contest.start(station, line.cabrillo);
  const ReplayReport report = contest.replay(log);
  int flag = 0;
  const std::string summary = plugin->getResult(&flag);
  out << (line.raw ? summary : formatSummaryTable(summary)) << std::flush;
  err << formatReport(report);
  if (summary.empty()) err << "the plug-in returned an empty summary\n";
  if (line.cabrillo) reportCabrilloFile(station, err);
  return 0;
}

int runReport(const CommandLine& line, std::ostream& err) {
  const CountryFile countries = loadCountries(line);
  const LogContents log = loadLog(line.argument);
  const OwnStation station = ownStation(line, log, countries);
  auto plugin = loadPlugin(line);
  Contest contest(*plugin, countries);
  contest.start(station, false);
  const report::ContestTimeline timeline =
      report::replayTimeline(contest, *plugin, countries, log);
  const std::string page = report::reportPage(
      {station.call, std::filesystem::path(line.argument).filename().string()}, timeline);
  if (!writeFileReplacing(*line.out, page)) {
    throw CliError("velmora: cannot write report " + *line.out);
  }
  err << formatReport(timeline.replay) << "report page: " << *line.out << "\n";
  return 0;
}

int runCheck(const CommandLine& line, std::ostream& out, std::ostream& err) {
  const CountryFile countries = loadCountries(line);
  const LogContents log = line.log ? loadLog(*line.log) : LogContents{};
  const OwnStation station = ownStation(line, log, countries);
  auto plugin = loadPlugin(line);
  Contest contest(*plugin, countries);
  contest.start(station, false);
  if (line.log) err << formatReport(contest.replay(log));

  host::CallCheck check;
  check.call = line.argument;
  const std::optional<Country> country = countries.lookup(line.argument);
  check.dxccPrefix = country ? country->dxccPrefix : "";
  check.areaTag = country ? country->continent : "";
  check.band = check.bandFilter = *line.band;
  // The host's buffers carry no length: room for any logged exchange.
  std::size_t longest = 0;
  for (const LogQso& qso : log.qsos) longest = std::max(longest, qso.exchangeReceived.size());
  std::string expected(std::max<std::size_t>(longest + 1, 64), '\0');
  std::string message(64, '\0');
  const int verdict = plugin->checkCall(check, expected.data(), message.data());
  out << (verdict >= 0 && verdict < 5 ? kVerdicts[verdict] : "code " + std::to_string(verdict))
      << "\n";
  if (expected[0] != '\0') out << "expected exchange: " << expected.c_str() << "\n";
  if (message[0] != '\0') out << "message: " << message.c_str() << "\n";
  return 0;
}

int runValidate(const CommandLine& line, std::ostream& out) {
  auto plugin = loadPlugin(line);
  const bool valid = plugin->isValidExchange(line.argument.c_str(), 0) == 1;
  out << (valid ? "valid" : "invalid") << "\n";
  return valid ? 0 : 1;
}

}  // namespace velmora::cli
