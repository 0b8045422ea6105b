#pragma once
// A contest run through the plug-in as the logging host runs it: the own
// station worked out from the options, the log and the country file; the
// contest start; every QSO of a log fed to AddData0 one at a time.

#include <string>

#include "command_line.h"
#include "country_file.h"
#include "log_qso.h"
#include "plugin_host.h"
#include "replay_report.h"

namespace velmora::cli {

struct OwnStation {
  std::string call, dxccPrefix, area;
};

// --call, else the own call the log names; --dxcc and --area, else what the
// country file says of the own call. Throws CliError when one stays unknown.
OwnStation ownStation(const CommandLine& line, const LogContents& log,
                      const CountryFile& countries);

class Contest {
 public:
  Contest(host::PluginHost& plugin, const CountryFile& countries)
      : plugin_(plugin), countries_(countries) {}

  void start(const OwnStation& station, bool exportRequested);
  ReplayReport replay(const LogContents& log);

 private:
  host::PluginHost& plugin_;
  const CountryFile& countries_;
  bool operatorInFrance_ = false;
};

}  // namespace velmora::cli
