#pragma once
// The settings file on Linux: an INI file under the current directory, read
// and written whole on every call, with the behaviour of the Windows profile
// functions (see IniDocument).

#include <string>

#include "plugin/platform.h"

namespace velmora {

// The settings file the plug-in uses, relative to the current directory.
inline constexpr const char* kSettingsFileName = "Plugins/VIRDO.ini";

class PosixSettingsStore : public SettingsStore {
 public:
  explicit PosixSettingsStore(std::string path) : path_(std::move(path)) {}

  // A missing file, section or key (or a key without "=") gives `fallback`
  // without its trailing blanks; either is cut to kReadBufferSize - 1 bytes.
  std::string read(std::string_view section, std::string_view key,
                   std::string_view fallback) override;

  // Rewrites the file with the key set, creating the file when its folder
  // exists; does nothing when the folder is missing or the value is unchanged.
  void write(std::string_view section, std::string_view key, std::string_view value) override;

 private:
  std::string path_;
};

}  // namespace velmora
