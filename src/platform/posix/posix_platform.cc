// The plug-in on Linux: messages and remarks go to standard error as
// "caption: text" (the caption left out when the system default would be
// used), and the host program hears each message if it listens; the header
// dialog is a form on the terminal (filled in first with the host program's
// answers, if it gives any), and the reference and settings files lie in
// Plugins/ under the current directory.

#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "platform/file_settings_store.h"
#include "platform/posix/console_header_form.h"
#include "ports/host_answers.h"
#include "ports/host_platform.h"

namespace velmora {
namespace {

class StderrUi : public OperatorUi {
 public:
  void showMessage(const MessageRequest& request) override {
    print(request);
    tellHost(request);
  }
  void remark(const MessageRequest& request) override { print(request); }
  // The host program's answers, if it gives any, then the form on a
  // terminal; without a terminal the answers alone close it with OK, and
  // with no answers either it is as if cancelled.
  bool editHeader(HeaderFields& fields) override {
    const auto answers = reinterpret_cast<HostAnswers>(dlsym(RTLD_DEFAULT, kHostAnswersEntry));
    HeaderFields edited = fields;
    if (answers != nullptr) takeHostAnswers(answers, edited);
    if (isatty(STDIN_FILENO) && isatty(STDOUT_FILENO)) {
      if (!editHeaderOnConsole(std::cin, std::cout, edited)) return false;
    } else if (answers == nullptr) {
      return false;
    }
    fields = std::move(edited);
    return true;
  }

 private:
  static void print(const MessageRequest& request) {
    if (request.caption) std::fprintf(stderr, "%s: ", request.caption->c_str());
    std::fprintf(stderr, "%s\n", request.text.c_str());
    std::fflush(stderr);
  }
  // The host program, if it listens, hears each message shown.
  static void tellHost(const MessageRequest& request) {
    const auto listener = reinterpret_cast<HostMessages>(dlsym(RTLD_DEFAULT, kHostMessagesEntry));
    if (listener != nullptr) {
      listener(request.caption ? request.caption->c_str() : nullptr, request.text.c_str());
    }
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
