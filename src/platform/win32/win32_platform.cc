// The plug-in on Windows: real message boxes and the header dialog, owned by
// the host's window (filled in first with the host program's answers, if it
// gives any), and the reference and settings files under the host's current
// directory.

#include <windows.h>

#include "platform/file_settings_store.h"
#include "ports/host_answers.h"
#include "ports/host_platform.h"
#include "platform/win32/header_dialog.h"
#include "platform/win32/module_instance.h"

namespace velmora {
namespace {

UINT iconStyle(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return MB_ICONINFORMATION;
    case MessageIcon::Error: return MB_ICONERROR;
    case MessageIcon::None: break;
  }
  return 0;
}

class Win32Ui : public OperatorUi {
 public:
  void showMessage(const MessageRequest& request) override {
    HWND owner = request.ownedByActiveWindow ? GetActiveWindow() : nullptr;
    const char* caption = request.caption ? request.caption->c_str() : nullptr;
    MessageBoxA(owner, request.text.c_str(), caption, MB_OK | iconStyle(request.icon));
    // The host program, if it listens, hears each message shown.
    const auto listener = reinterpret_cast<HostMessages>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA(nullptr), kHostMessagesEntry)));
    if (listener != nullptr) listener(caption, request.text.c_str());
  }
  bool editHeader(HeaderFields& fields) override {
    // The entry, if any, is an export of the host program's own module.
    const auto answers = reinterpret_cast<HostAnswers>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(nullptr), kHostAnswersEntry)));
    HeaderFields shown = fields;
    if (answers != nullptr) takeHostAnswers(answers, shown);
    if (!runHeaderDialog(moduleInstance(), GetActiveWindow(), shown)) return false;
    fields = std::move(shown);
    return true;
  }
};

}  // namespace

Platform& hostPlatform() {
  static Win32Ui ui;
  static FileSettingsStore settings(kSettingsFileName);
  static Platform platform{ui, ".\\Plugins\\ref.txt", settings};
  return platform;
}

}  // namespace velmora
