// The plug-in on Linux: messages go to standard error as "caption: text"
// (the caption left out when the system default would be used), and the
// reference and settings files lie in Plugins/ under the current directory.

#include <cstdio>

#include "platform/file_settings_store.h"
#include "plugin/host_platform.h"

namespace velmora {
namespace {

class StderrUi : public OperatorUi {
 public:
  void showMessage(const MessageRequest& request) override {
    if (request.caption) std::fprintf(stderr, "%s: ", request.caption->c_str());
    std::fprintf(stderr, "%s\n", request.text.c_str());
    std::fflush(stderr);
  }
};

}  // namespace

Platform& hostPlatform() {
  static StderrUi ui;
  static FileSettingsStore settings(kSettingsFileName);
  static Platform platform{ui, "Plugins/ref.txt", settings};
  return platform;
}

}  // namespace velmora
