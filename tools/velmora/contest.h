#pragma once
// A contest run through the plug-in as the logging host runs it: the own
// station worked out from the options, the log and the country file; the
// contest start; every QSO of a log checked with CheckCall0 and fed to
// AddData0 one at a time, with an observer told of each.

#include <functional>
#include <string>
#include <unordered_map>

#include "command_line.h"
#include "country_file.h"
#include "log_qso.h"
#include "plugin_host.h"
#include "replay_report.h"

namespace velmora::cli {

struct OwnStation {
  std::string call, dxccPrefix, area;
};

// --call, else `logCall` (the own call the log's header or records name);
// --dxcc and --area, else what the country file says of the own call.
// Throws CliError when one stays unknown.
OwnStation ownStation(const ContestOptions& options, const std::string& logCall,
                      const CountryFile& countries);

// What CheckCall0 answered: its code and the two texts it wrote.
struct CallCheckAnswer {
  int code = 0;
  std::string expectedExchange;
  std::string message;
};

// What became of a QSO offered to the contest.
enum class QsoFate {
  Logged,   // AddData0 took it
  Refused,  // AddData0 refused it
  Repeat,   // the call check called it a duplicate: not logged
};

// A QSO the contest has just taken, as an observer is told of it.
struct TakenQso {
  const LogQso& qso;
  const host::Qso& hostQso;  // as offered to the plug-in
  int verdict;               // CheckCall0's code, asked just before
  QsoFate fate;
};
using QsoObserver = std::function<void(const TakenQso&)>;

class Contest {
 public:
  Contest(host::PluginHost& plugin, const CountryFile& countries)
      : plugin_(plugin), countries_(countries) {}

  // Unless `keepRepeats`, a QSO that CheckCall0 calls a duplicate (the
  // station worked again on the band) is not logged, as the host does not
  // log it.
  void start(const OwnStation& station, bool exportRequested, bool keepRepeats);

  // Feeds one QSO, noting in `report` what became of it and telling the
  // observer, if any. A station in no DXCC entity is never offered: it is
  // noted in `report` only.
  void feed(const LogQso& qso, ReplayReport& report);

  // Tells `observer` of each QSO offered from now on, just after it was
  // offered: what the call check said before it and what became of it.
  void observe(QsoObserver observer) { observer_ = std::move(observer); }

  // CheckCall0 about `call` on `band`, with the band as its own filter.
  CallCheckAnswer checkCall(const std::string& call, const std::string& band);

 private:
  CallCheckAnswer ask(const host::CallCheck& check);

  host::PluginHost& plugin_;
  const CountryFile& countries_;
  bool operatorInFrance_ = false;
  bool keepRepeats_ = false;
  QsoObserver observer_;
  // The record that first logged each station on each band, to name it
  // when a repeat is set aside.
  std::unordered_map<std::string, int> firstOnBand_;
  // The host's buffers carry no length: room for any exchange replayed.
  std::size_t longestExchange_ = 0;
};

}  // namespace velmora::cli
