#pragma once
// A contest run through the plug-in as the logging host runs it, one
// explicit operation at a time: the contest start (ResetStats0), a QSO
// offered as the host offers one while the operator logs it (CheckCall0,
// then AddData0), a QSO withdrawn (RemoveData0), a call checked
// (CheckCall0) and the summary (GetResult0). The only place that calls the
// plug-in; what feeds it QSOs (a log, LogReplay) owns the loop.

#include <memory>
#include <string>
#include <unordered_map>

#include "host/plugin_host.h"
#include "logs/log_qso.h"
#include "replay/contest_options.h"
#include "replay/own_station.h"
#include "stations/country_file.h"

namespace velmora::cli {

// What became of a QSO offered to the contest.
enum class QsoFate {
  Logged,    // AddData0 took it
  Refused,   // AddData0 refused it
  Repeat,    // the call check called it a duplicate: not logged
  NoEntity,  // a station in no DXCC entity: never offered
  Unfit,     // a text the plug-in cannot take (util/text_rule.h): never offered
  // A QSO offered before, taken back because its source sent a new version
  // of it or deleted it (replay/keyed_contest.h); RemoveData0 was called
  // only if it had been logged.
  Withdrawn,
};

struct Offer {
  LogQso qso;
  host::Qso hostQso;  // as offered to the plug-in
  host::CallCheckCode verdict = host::CallCheckCode::NoVerdict;  // asked just before
  QsoFate fate = QsoFate::Logged;
  // Refused: the plug-in's reason (kNoContestReason when its rules give
  // none); Repeat: the QSO it repeats ("record 3 on 40m"); NoEntity: why
  // the call is in none; Unfit: which text breaks the rule, and how.
  std::string note;
  // Withdrawn: what had become of the QSO when it was offered.
  QsoFate withdrawnFrom = QsoFate::Logged;
  // A repeat set aside before, offered again once the QSO it repeated was
  // withdrawn.
  bool again = false;
};

// What CheckCall0 answered: its code and the two texts it wrote.
struct CallCheckReply {
  host::CallCheckCode code = host::CallCheckCode::NoVerdict;
  std::string expectedExchange;
  std::string message;
};

class Contest {
 public:
  // Loads the country file, then the plug-in; throws UserError when one
  // cannot be.
  explicit Contest(const ContestOptions& options);

  // Whether --call names the own station (else the log must).
  bool callGiven() const { return options_.call.has_value(); }

  // Starts the contest for the own station (ownStation of `logCall`), with
  // an export request when asked. Throws UserError when the own station
  // stays unknown.
  void start(const std::string& logCall, bool exportRequested);
  const OwnStation& station() const { return station_; }

  // Offers one QSO: asks the call check as the host does while the
  // operator types, then logs it, unless the check calls it a duplicate
  // (the station worked again on the band; logged anyway with
  // --keep-repeats). A QSO with a text the plug-in cannot take, and a
  // station in no DXCC entity, are never offered.
  Offer offer(LogQso qso);

  // Withdraws a QSO offered before, as the host does when the operator
  // deletes it (RemoveData0, which removes the first record of the same
  // call, mode and band); false when the plug-in ignored it (a mode or an
  // exchange it never logs) or velmora never offered it (a text the plug-in
  // cannot take).
  bool withdraw(const LogQso& qso);

  // CheckCall0 about `call` on `band`, with the band as its own filter.
  CallCheckReply checkCall(const std::string& call, const std::string& band);

  // The plug-in's summary now ("" when it returns none); with an export
  // requested at the start, the plug-in also writes the Cabrillo file.
  std::string summary();

 private:
  CallCheckReply ask(const host::CallCheck& check);

  ContestOptions options_;
  CountryFile countries_;
  std::unique_ptr<host::PluginHost> plugin_;
  OwnStation station_;
  bool operatorInFrance_ = false;
  // The record that first logged each station on each band, to name it
  // when a repeat is set aside.
  std::unordered_map<std::string, int> firstOnBand_;
  // The host's buffers carry no length: room for any exchange offered.
  std::size_t longestExchange_ = 0;
};

}  // namespace velmora::cli
