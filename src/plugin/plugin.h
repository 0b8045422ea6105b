#pragma once
// The process-wide plug-in: it owns the contest state, the QSO log, the band
// list and the summary text, and carries out every entry that touches them.
// The exported boundary holds one instance; tests build a fresh one each.

#include <cstdint>
#include <string>

#include "cabrillo/cabrillo_export.h"
#include "checks/call_check.h"
#include "log/qso_log.h"
#include "plugin/contest_state.h"
#include "plugin/platform.h"

namespace velmora {

class Plugin {
 public:
  explicit Plugin(Platform& platform) : platform_(platform) {}
  Plugin(const Plugin&) = delete;
  Plugin& operator=(const Plugin&) = delete;

  // Starts a contest: empties the log and the band list and records the
  // operator's data; when an export is requested, prepares the Cabrillo
  // header through the header dialog. Always returns 1.
  int resetStats(const ContestStart& start);

  // 1 when the QSO is in the log afterwards, 0 when it does not count or
  // memory ran out (the log then stays as it was).
  int addData(const QsoReport& report);
  int removeData(const QsoReport& report);

  // The call check against the log and the reference file; changes nothing.
  CallCheckAnswer checkCall(const CallCheckRequest& request) const;

  // Shows the "no additional setup" message box.
  void setupSet();

  // Sorts the band list, rebuilds the summary text from the log, stores the
  // claimed score and writes it to the settings. After a requested Cabrillo
  // export, stores -1 through a non-null `flagOut`; otherwise leaves it alone.
  // The text stays valid until the next call.
  const char* getResult(int* flagOut);

  const ContestState& state() const { return state_; }
  const QsoLog& log() const { return log_; }
  const BandList& bands() const { return bands_; }
  std::int32_t claimedScore() const { return claimedScore_; }
  const CabrilloExport& cabrillo() const { return cabrillo_; }

 private:
  void exportLog(int* flagOut);

  Platform& platform_;
  CabrilloExport cabrillo_;
  ContestState state_;
  QsoLog log_;
  BandList bands_;
  std::string resultText_;
  std::int32_t claimedScore_ = 0;
};

}  // namespace velmora
