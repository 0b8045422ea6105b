#include "log_replay.h"

#include <deque>
#include <ostream>

#include "cli_error.h"
#include "plugin_location.h"
#include "replay_report.h"
#include "text_case.h"

namespace velmora::cli {
namespace {

constexpr const char* kDefaultCountryFile = "/usr/share/hamradio-files/cty.dat";

// The log as read, or CliError when it yields nothing to replay.
const LogContents& readableLog(const std::string& path, const std::optional<LogFile>& file,
                               std::ostream& err) {
  if (!file) throw CliError("velmora: cannot read log " + path);
  if (file->format == LogFormat::Unknown) {
    throw CliError("velmora: " + path + " is not an ADIF or Cabrillo log");
  }
  const LogContents& log = file->contents;
  if (log.recordsRead() == 0) {
    throw CliError("velmora: no QSO could be read: " + path + " holds no QSO record");
  }
  if (log.qsosRead == 0 && log.outsidePeriod == 0 && log.otherBands == 0) {
    for (const SkippedRecord& skipped : log.skipped) {
      err << "record " << skipped.record << " skipped: " << skipped.reason << "\n";
    }
    throw CliError("velmora: no QSO could be read: all " + std::to_string(log.skipped.size()) +
                   " records of " + path + " are malformed");
  }
  return log;
}

}  // namespace

std::unique_ptr<host::PluginHost> loadPlugin(const std::optional<std::string>& file) {
  const std::string name = file.value_or(defaultPluginFile());
  auto plugin = std::make_unique<host::PluginHost>(name, host::ExportNames::Plain);
  if (!plugin->ready()) {
    throw CliError("velmora: cannot load plug-in " + name + ": " + plugin->problem());
  }
  return plugin;
}

CountryFile loadCountries(const std::optional<std::string>& file) {
  const std::string name = file.value_or(kDefaultCountryFile);
  std::optional<CountryFile> countries = readCountryFile(name);
  if (!countries) throw CliError("velmora: cannot read country file " + name);
  return std::move(*countries);
}

ReadOptions readOptionsFrom(const LogOptions& options) {
  ReadOptions read;
  read.rcvdField = toLower(options.rcvdField.value_or(""));
  read.sent = options.sent.value_or("");
  if (options.from) read.selection.from = parseUtcMoment(*options.from, false);
  if (options.to) read.selection.until = parseUtcMoment(*options.to, true);
  if (options.bands) {
    read.selection.bands = parseBandList(*options.bands).value_or(std::vector<std::string>{});
  }
  return read;
}

LogContents loadLog(const std::string& path, const LogOptions& options, std::ostream& err) {
  std::optional<LogFile> file = readLogFile(path, readOptionsFrom(options));
  readableLog(path, file, err);
  return std::move(file->contents);
}

LogReplay::LogReplay(const ContestOptions& contest)
    : options_(contest),
      countries_(loadCountries(contest.cty)),
      plugin_(loadPlugin(contest.plugin)),
      contest_(*plugin_, countries_) {}

ReplayReport LogReplay::run(const std::optional<std::string>& path, const LogOptions& reading,
                            bool exportRequested, std::ostream& err,
                            const std::function<void(const OwnStation&)>& beforeStart) {
  ReplayReport report;
  bool started = false;
  auto start = [&](const std::string& logCall) {
    station_ = ownStation(options_, logCall, countries_);
    if (beforeStart) beforeStart(station_);
    contest_.start(station_, exportRequested, options_.keepRepeats);
    started = true;
  };
  if (!path) {
    start("");
    return report;
  }
  // The QSOs read before the own call is known wait for the contest start.
  std::deque<LogQso> waiting;
  auto feed = [&](LogQso&& qso, const LogContents& soFar) {
    if (started) return contest_.feed(qso, report);
    const std::string logCall = soFar.ownCall.empty() ? qso.myCall : soFar.ownCall;
    waiting.push_back(std::move(qso));
    if (logCall.empty() && !options_.call) return;
    start(logCall);
    for (const LogQso& early : waiting) contest_.feed(early, report);
    waiting.clear();
  };
  const std::optional<LogFile> file = readLogFile(*path, readOptionsFrom(reading), feed);
  const LogContents& log = readableLog(*path, file, err);
  if (!started) {
    start(log.ownCall);
    for (const LogQso& early : waiting) contest_.feed(early, report);
  }
  takeReadingCounts(log, report);
  return report;
}

}  // namespace velmora::cli
