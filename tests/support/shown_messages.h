#pragma once
// Watches the message boxes that the plug-in shows while a test runs and
// closes each one as OK would. On Windows a helper thread finds every box of
// this process, reads its text, caption and style, and presses OK; it also
// answers every header dialog it finds as the test says. On Linux the plug-in prints its
// messages on standard error, which is captured, and shows no dialog when
// standard input is not a terminal.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace velmora::testing {

struct ShownMessage {
  std::string text;     // on Linux: the whole line printed
  std::string caption;  // Windows only
  unsigned style = 0;   // Windows only: MB_ICON* bits and button set
  bool owned = false;   // Windows only: the box had an owner window
};

struct ExpectedMessage {
  std::string text;
  std::optional<std::string> caption;  // nullopt: the system's default caption
  unsigned style = 0;                  // 0 plain, 16 error icon, 64 information icon
};

// How the operator answers the header dialog (Windows only): the texts typed
// into controls, by control id, then OK or CANCEL.
struct HeaderAnswer {
  std::vector<std::pair<int, std::string>> typed;
  bool ok = false;
};

class MessageWatch {
 public:
  explicit MessageWatch(HeaderAnswer answer = {});
  ~MessageWatch();
  MessageWatch(const MessageWatch&) = delete;
  MessageWatch& operator=(const MessageWatch&) = delete;

  // Stops watching and returns every message shown since the start, in order.
  std::vector<ShownMessage> finish();
  // How many header dialogs were found and answered (Windows only).
  int answeredDialogs() const;

 private:
  struct State;
  State* state_;
};

// Succeeds when exactly the expected messages were shown, in this order.
::testing::AssertionResult shownExactly(const std::vector<ShownMessage>& shown,
                                        const std::vector<ExpectedMessage>& expected);

}  // namespace velmora::testing
