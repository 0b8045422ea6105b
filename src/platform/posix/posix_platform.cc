// The plug-in on Linux: messages go to standard error as "caption: text"
// (the caption left out when the system default would be used), the header
// dialog is a form on the terminal (or answered from a file), and the
// reference and settings files lie in Plugins/ under the current directory.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "platform/file_settings_store.h"
#include "platform/posix/console_header_form.h"
#include "ports/host_platform.h"

namespace velmora {
namespace {

class StderrUi : public OperatorUi {
 public:
  void showMessage(const MessageRequest& request) override {
    if (request.caption) std::fprintf(stderr, "%s: ", request.caption->c_str());
    std::fprintf(stderr, "%s\n", request.text.c_str());
    std::fflush(stderr);
  }
  // The header form runs on a terminal; without one it takes its answers
  // from the file the environment names, and is otherwise as if cancelled.
  bool editHeader(HeaderFields& fields) override {
    if (isatty(STDIN_FILENO) && isatty(STDOUT_FILENO)) {
      return editHeaderOnConsole(std::cin, std::cout, fields);
    }
    return editHeaderFromAnswersFile(std::getenv(kHeaderAnswersVariable), fields);
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
