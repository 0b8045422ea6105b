#pragma once
// Everything a command needs to replay a log through the plug-in: the
// country file, the loaded plug-in, the contest on it, and the log read
// with the chosen options and fed QSO by QSO as it is read, so that a log of
// any size is replayed without being held whole. Shared by the commands
// that replay (score, check), so that each reads and replays a log the same
// way.

#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "command_line.h"
#include "contest.h"
#include "country_file.h"
#include "log_file.h"
#include "plugin_host.h"

namespace velmora::cli {

std::unique_ptr<host::PluginHost> loadPlugin(const std::optional<std::string>& file);
CountryFile loadCountries(const std::optional<std::string>& file);

// The reading options from the command line's (already checked) texts.
ReadOptions readOptionsFrom(const LogOptions& options);

// Reads the whole log at `path`, QSOs held. Throws CliError as LogReplay::run does.
LogContents loadLog(const std::string& path, const LogOptions& options, std::ostream& err);

class LogReplay {
 public:
  // Loads the country file and the plug-in.
  LogReplay(const ContestOptions& contest);

  // Starts the contest as soon as the own station is known (after calling
  // `beforeStart` with it), with an export request when asked, and feeds
  // the QSOs of the log at `path` (none without a path). Throws CliError
  // when the log cannot be read, is not a log, or yields no QSO at all
  // (after reporting its malformed records on `err`, one line each); the
  // contest is then not started.
  ReplayReport run(const std::optional<std::string>& path, const LogOptions& reading,
                   bool exportRequested, std::ostream& err,
                   const std::function<void(const OwnStation&)>& beforeStart = {});

  const OwnStation& station() const { return station_; }
  host::PluginHost& plugin() { return *plugin_; }
  Contest& contest() { return contest_; }

 private:
  ContestOptions options_;
  CountryFile countries_;
  std::unique_ptr<host::PluginHost> plugin_;
  Contest contest_;
  OwnStation station_;
};

}  // namespace velmora::cli
