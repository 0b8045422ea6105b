#include "plugin/plugin.h"

#include <new>

#include "classify/ref_file.h"
#include "log/qso_entries.h"
#include "plugin/set_info.h"
#include "score/band_order.h"
#include "score/band_summary.h"

namespace velmora {

void Plugin::startContest(const ContestStart& start) {
  log_.clear();
  bands_.clear();
  bandsOrdered_ = true;
  state_.exportRequested = start.exportRequested;
  state_.myAreaTag = start.myAreaTag;
  state_.home = start.home;
  if (state_.exportRequested) cabrillo_.prepareHeader(start.myCall, platform_.settings, platform_.ui);
}

bool Plugin::logQso(const QsoReport& report) {
  const std::size_t bandsBefore = bands_.size();
  bool logged = false;
  try {
    logged = addQso(log_, bands_, state_.operatorInFrance(), report);
  } catch (const std::bad_alloc&) {
    logged = false;
  }
  if (bands_.size() != bandsBefore) bandsOrdered_ = false;  // a new band at the end
  return logged;
}

bool Plugin::deleteQso(const QsoReport& report) { return removeQso(log_, report); }

CallCheckAnswer Plugin::checkCall(const CallCheckRequest& request) const {
  return velmora::checkCall(log_, state_.operatorInFrance(), request, [this](std::string_view call) {
    return lookupDepartment(platform_.refFilePath, call);
  });
}

void Plugin::showSetupMessage() {
  platform_.ui.showMessage(MessageRequest{kNoSetupMessage, std::nullopt, MessageIcon::None, false});
}

Plugin::Result Plugin::summarize() {
  // Ordering a list that is in order leaves it as it is (no pair is then
  // exchanged), so only a list with a new band is ordered again.
  if (!bandsOrdered_) orderBands(bands_);
  bandsOrdered_ = true;
  Summary summary =
      velmora::summarize(log_, bands_, OperatorStation{state_.operatorInFrance(), state_.myAreaTag});
  platform_.settings.write("Settings", "Claimed", std::to_string(summary.score));
  resultText_ = std::move(summary.text);
  if (state_.exportRequested) {
    OperatorUi& ui = platform_.ui;
    const MessageRequest produced = cabrillo_.exportLog(log_, summary.score, [&ui](const std::string& text) {
      ui.remark(MessageRequest{text, std::string("Output"), MessageIcon::None, true});
    });
    ui.showMessage(produced);
  }
  return Result{resultText_, state_.exportRequested};
}

}  // namespace velmora
