#include "shown_messages.h"

#include <sstream>

#if defined(_WIN32)
#include <windows.h>

#include <atomic>
#include <thread>
#endif

namespace velmora::testing {

#if defined(_WIN32)

namespace {

constexpr int kMessageTextId = 0xFFFF;
constexpr int kIconIds[] = {0x14, 0x440};  // Windows' and Wine's message box templates
constexpr int kHeaderCallSignId = 1010;    // only the header dialog has it

bool isVisibleChild(HWND box, int id) {
  HWND item = GetDlgItem(box, id);
  return item != nullptr && IsWindowVisible(item);
}

unsigned styleOf(HWND box) {
  unsigned style = 0;
  HWND icon = nullptr;
  for (int id : kIconIds) {
    if (icon == nullptr) icon = GetDlgItem(box, id);
  }
  // An icon control without an icon (Wine keeps one in every box) shows nothing.
  const auto shown = icon != nullptr && IsWindowVisible(icon)
                         ? reinterpret_cast<HICON>(SendMessageA(icon, STM_GETICON, 0, 0))
                         : nullptr;
  if (shown != nullptr) {
    if (shown == LoadIcon(nullptr, IDI_ERROR)) style |= MB_ICONERROR;
    else if (shown == LoadIcon(nullptr, IDI_INFORMATION)) style |= MB_ICONINFORMATION;
    else if (shown == LoadIcon(nullptr, IDI_WARNING)) style |= MB_ICONWARNING;
    else if (shown == LoadIcon(nullptr, IDI_QUESTION)) style |= MB_ICONQUESTION;
    else style |= 0x0F0;  // an icon we do not know
  }
  if (isVisibleChild(box, IDCANCEL) || isVisibleChild(box, IDYES) || isVisibleChild(box, IDNO)) {
    style |= 0x00F;  // more than the single OK button
  }
  return style;
}

// A visible dialog-class window of this process: a message box or the header dialog.
bool isOwnDialog(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  return process == GetCurrentProcessId() && IsWindowVisible(window) &&
         std::string(className) == "#32770";
}

BOOL CALLBACK findOwnBox(HWND window, LPARAM result) {
  if (isOwnDialog(window) && GetDlgItem(window, kMessageTextId) != nullptr &&
      GetDlgItem(window, kHeaderCallSignId) == nullptr) {
    *reinterpret_cast<HWND*>(result) = window;
    return FALSE;
  }
  return TRUE;
}

// The whole text, however long (a message may name a 100,000-character file).
std::string windowText(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window, &text[0], static_cast<int>(text.size()))));
  return text;
}

BOOL CALLBACK findHeaderDialog(HWND window, LPARAM result) {
  if (isOwnDialog(window) && GetDlgItem(window, kHeaderCallSignId) != nullptr) {
    *reinterpret_cast<HWND*>(result) = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

struct MessageWatch::State {
  std::atomic<bool> stop{false};
  std::vector<ShownMessage> shown;
  HeaderAnswer answer;
  std::atomic<int> answeredDialogs{0};
  std::thread watcher;
};

MessageWatch::MessageWatch(HeaderAnswer answer) : state_(new State) {
  state_->answer = std::move(answer);
  state_->watcher = std::thread([s = state_] {
    while (!s->stop.load()) {
      HWND box = nullptr;
      EnumWindows(findOwnBox, reinterpret_cast<LPARAM>(&box));
      if (box != nullptr) {
        ShownMessage message;
        message.text = windowText(GetDlgItem(box, kMessageTextId));
        message.caption = windowText(box);
        message.style = styleOf(box);
        message.owned = GetWindow(box, GW_OWNER) != nullptr;
        s->shown.push_back(message);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        while (IsWindow(box) && !s->stop.load()) Sleep(10);
      }
      HWND dialog = nullptr;
      EnumWindows(findHeaderDialog, reinterpret_cast<LPARAM>(&dialog));
      if (dialog != nullptr) {
        for (const auto& [id, text] : s->answer.typed) SetDlgItemTextA(dialog, id, text.c_str());
        ++s->answeredDialogs;
        PostMessageA(dialog, WM_COMMAND, s->answer.ok ? IDOK : IDCANCEL, 0);
        while (IsWindow(dialog) && !s->stop.load()) Sleep(10);
      }
      Sleep(10);
    }
  });
}

std::vector<ShownMessage> MessageWatch::finish() {
  if (state_->watcher.joinable()) {
    state_->stop = true;
    state_->watcher.join();
  }
  return state_->shown;
}

MessageWatch::~MessageWatch() {
  finish();
  delete state_;
}

int MessageWatch::answeredDialogs() const { return state_->answeredDialogs.load(); }

namespace {

bool matches(const ShownMessage& shown, const ExpectedMessage& expected) {
  // Windows gives a box without a caption of its own the caption "Error".
  const std::string caption = expected.caption.value_or("Error");
  return shown.text == expected.text && shown.caption == caption && shown.style == expected.style;
}

std::string describe(const ShownMessage& m) {
  return "\"" + m.text + "\" caption \"" + m.caption + "\" style " + std::to_string(m.style);
}

}  // namespace

#else

struct MessageWatch::State {
  bool capturing = true;
  std::vector<ShownMessage> shown;
};

MessageWatch::MessageWatch(HeaderAnswer) : state_(new State) {
  ::testing::internal::CaptureStderr();
}

std::vector<ShownMessage> MessageWatch::finish() {
  if (state_->capturing) {
    state_->capturing = false;
    std::istringstream lines(::testing::internal::GetCapturedStderr());
    for (std::string line; std::getline(lines, line);) state_->shown.push_back({line, "", 0, false});
  }
  return state_->shown;
}

MessageWatch::~MessageWatch() {
  finish();
  delete state_;
}

int MessageWatch::answeredDialogs() const { return 0; }

namespace {

// The Linux plug-in prints "caption: text", or the text alone.
bool matches(const ShownMessage& shown, const ExpectedMessage& expected) {
  const std::string line = expected.caption ? *expected.caption + ": " + expected.text : expected.text;
  return shown.text == line;
}

std::string describe(const ShownMessage& m) { return "\"" + m.text + "\""; }

}  // namespace

#endif

::testing::AssertionResult shownExactly(const std::vector<ShownMessage>& shown,
                                        const std::vector<ExpectedMessage>& expected) {
  bool same = shown.size() == expected.size();
  for (std::size_t i = 0; same && i < shown.size(); ++i) same = matches(shown[i], expected[i]);
  if (same) return ::testing::AssertionSuccess();
  std::ostringstream why;
  why << "expected " << expected.size() << " message(s):";
  for (const ExpectedMessage& e : expected) {
    why << "\n  \"" << e.text << "\" caption " << (e.caption ? "\"" + *e.caption + "\"" : "default")
        << " style " << e.style;
  }
  why << "\nshown " << shown.size() << ":";
  for (const ShownMessage& m : shown) why << "\n  " << describe(m);
  return ::testing::AssertionFailure() << why.str();
}

}  // namespace velmora::testing
