#pragma once
// The plug-in's settings file on the platform it is built for; each platform
// folder implements it. On Windows the profile functions get the relative
// name unchanged; on Linux the file is read and written whole on every call
// with the same behaviour (see IniDocument). Either way a missing file,
// section or key (or a key without "=") gives `fallback` without its trailing
// blanks, a value comes back cut to kReadBufferSize - 1 characters, and a
// write into a missing folder does nothing.

#include <memory>
#include <string>

#include "ports/platform.h"
#include "ports/settings_file.h"

namespace velmora {

class FileSettingsStore : public SettingsStore {
 public:
  explicit FileSettingsStore(std::string fileName) : fileName_(std::move(fileName)) {}

  std::string read(std::string_view section, std::string_view key,
                   std::string_view fallback) override;
  void write(std::string_view section, std::string_view key, std::string_view value) override;

 private:
  std::string fileName_;
  // What a platform keeps from one write to the next (the Linux store: the
  // file it wrote, still open); the Windows store keeps nothing.
  struct Kept;
  void keepOpen();
  std::unique_ptr<Kept, void (*)(Kept*)> kept_{nullptr, nullptr};
};

}  // namespace velmora
