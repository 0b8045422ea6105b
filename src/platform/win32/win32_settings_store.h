#pragma once
// The settings file on Windows: the system's profile (INI) functions, given
// the relative file name unchanged.

#include <string>

#include "plugin/platform.h"

namespace velmora {

// The settings file the plug-in uses; the profile functions resolve a name
// with a folder part against the current directory.
inline constexpr const char* kSettingsFileName = "Plugins\\VIRDO.ini";

class Win32SettingsStore : public SettingsStore {
 public:
  explicit Win32SettingsStore(std::string fileName) : fileName_(std::move(fileName)) {}

  std::string read(std::string_view section, std::string_view key,
                   std::string_view fallback) override;
  void write(std::string_view section, std::string_view key, std::string_view value) override;

 private:
  std::string fileName_;
};

}  // namespace velmora
