#include "plugin/plugin.h"

#include <new>

#include "classify/prefix_list.h"
#include "classify/ref_file.h"
#include "log/qso_entries.h"
#include "plugin/set_info.h"
#include "score/band_order.h"
#include "score/band_summary.h"

namespace velmora {

int Plugin::resetStats(const ContestStart& start) {
  log_.clear();
  bands_.clear();
  state_.exportRequested = start.exportRequested;
  state_.myAreaTag = start.myAreaTag;
  state_.homeIsFrance = IsFrenchPrefix(start.myDxccPrefix);
  if (state_.exportRequested != 0) {
    cabrillo_.prepareHeader(start.myCall, platform_.settings, platform_.ui);
  }
  return 1;
}

int Plugin::addData(const QsoReport& report) {
  try {
    return addQso(log_, bands_, state_.homeIsFrance != 0, report) ? 1 : 0;
  } catch (const std::bad_alloc&) {
    return 0;
  }
}

int Plugin::removeData(const QsoReport& report) { return removeQso(log_, report) ? 1 : 0; }

CallCheckAnswer Plugin::checkCall(const CallCheckRequest& request) const {
  return velmora::checkCall(log_, state_.homeIsFrance != 0, request, [this](std::string_view call) {
    return LookupDepartment(platform_.refFilePath, call);
  });
}

void Plugin::setupSet() {
  platform_.ui.showMessage(MessageRequest{kNoSetupMessage, std::nullopt, MessageIcon::None, false});
}

const char* Plugin::getResult(int* flagOut) {
  orderBands(bands_);
  Summary summary = summarize(log_, bands_, state_);
  claimedScore_ = summary.score;
  platform_.settings.write("Settings", "Claimed", std::to_string(summary.score));
  resultText_ = std::move(summary.text);
  if (state_.exportRequested != 0) exportLog(flagOut);
  return resultText_.c_str();
}

void Plugin::exportLog(int* flagOut) {
  platform_.ui.showMessage(cabrillo_.exportLog(log_, claimedScore_));
  if (flagOut != nullptr) *flagOut = -1;
}

}  // namespace velmora
