#pragma once
// What the portable core asks of the platform it runs on. Each platform
// (Win32, POSIX) implements these once; tests substitute their own.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "ports/header_fields.h"

namespace velmora {

enum class MessageIcon { None, Information, Error };

struct MessageRequest {
  std::string text;
  std::optional<std::string> caption;  // nullopt: the system's default caption
  MessageIcon icon = MessageIcon::None;
  bool ownedByActiveWindow = false;    // else the box has no owner window
};

// The only way the plug-in shows anything to the operator. Blocks until the
// operator has closed the message.
class OperatorUi {
 public:
  virtual ~OperatorUi() = default;
  virtual void showMessage(const MessageRequest& request) = 0;
  // A remark that never waits for the operator (how a file is being
  // written: in place, over a file with other names), for a platform with a
  // quiet place to show it; by default it is not shown.
  virtual void remark(const MessageRequest& request) { (void)request; }
  // Shows the Cabrillo header dialog modally with `fields` filled in. On OK
  // the operator's texts are put back into `fields` and the result is true;
  // on CANCEL, or when no dialog can be shown, `fields` stays as it was and
  // the result is false.
  virtual bool editHeader(HeaderFields& fields) = 0;
};

// The plug-in's INI settings file. A read gives at most 9999 characters, and
// the fallback for a missing file, section or key; a failed write goes
// unnoticed.
class SettingsStore {
 public:
  // Every read goes through a buffer of this many bytes, terminator included.
  static constexpr std::size_t kReadBufferSize = 10000;

  virtual ~SettingsStore() = default;
  virtual std::string read(std::string_view section, std::string_view key,
                           std::string_view fallback) = 0;
  virtual void write(std::string_view section, std::string_view key, std::string_view value) = 0;
};

// Everything platform-specific that the process-wide plug-in object uses.
struct Platform {
  OperatorUi& ui;
  std::string refFilePath;  // the reference file, relative to the current directory
  SettingsStore& settings;
};

}  // namespace velmora
