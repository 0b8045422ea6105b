#include "plugin/plugin.h"

#include <new>

#include "classify/prefix_list.h"
#include "classify/ref_file.h"
#include "log/qso_entries.h"
#include "plugin/set_info.h"

namespace velmora {

int Plugin::resetStats(const ContestStart& start) {
  log_.clear();
  bands_.clear();
  state_.exportRequested = start.exportRequested;
  state_.myAreaTag = start.myAreaTag;
  state_.homeIsFrance = IsFrenchPrefix(start.myDxccPrefix);
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

}  // namespace velmora
