#pragma once
// The process-wide plug-in: it owns the contest state, the QSO log, the band
// list, the summary text and the Cabrillo export, and carries out every
// step of a contest that touches them. The exported boundary holds one
// instance; tests build a fresh one each.

#include <string>

#include "cabrillo/cabrillo_export.h"
#include "checks/call_check.h"
#include "log/qso_log.h"
#include "plugin/contest_state.h"
#include "ports/platform.h"

namespace velmora {

class Plugin {
 public:
  explicit Plugin(Platform& platform) : platform_(platform) {}
  Plugin(const Plugin&) = delete;
  Plugin& operator=(const Plugin&) = delete;

  // Starts a contest: empties the log and the band list and records the
  // operator's data; when an export is requested, prepares the Cabrillo
  // header through the header dialog.
  void startContest(const ContestStart& start);

  // True when the QSO is in the log afterwards, false when it does not count
  // or memory ran out (the log then stays as it was).
  bool logQso(const QsoReport& report);
  // Deletes the oldest QSO with the report's call, mode and band, if any.
  // False only when the report fails the mode and exchange filters.
  bool deleteQso(const QsoReport& report);

  // The call check against the log and the reference file; changes nothing.
  CallCheckAnswer checkCall(const CallCheckRequest& request) const;

  // Shows the "no additional setup" message box.
  void showSetupMessage();

  struct Result {
    const std::string& text;  // valid until the next summary
    bool exported;            // the contest asked for the Cabrillo export (written or not)
  };

  // Orders the band list, rebuilds the summary text from the log and writes
  // the claimed score to the settings; when the contest asked for an
  // export, then writes the Cabrillo file and tells the operator.
  Result summarize();

  const QsoLog& log() const { return log_; }

 private:
  Platform& platform_;
  CabrilloExport cabrillo_;
  ContestState state_;
  QsoLog log_;
  BandList bands_;
  bool bandsOrdered_ = true;  // bands_ is as the last ordering left it
  std::string resultText_;
};

}  // namespace velmora
