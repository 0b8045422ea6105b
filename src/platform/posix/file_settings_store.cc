#include "platform/file_settings_store.h"

#include <fstream>
#include <optional>

#include "platform/posix/ini_document.h"
#include "platform/whole_file.h"

namespace velmora {

const char* const kSettingsFileName = "Plugins/VIRDO.ini";

std::string FileSettingsStore::read(std::string_view section, std::string_view key,
                                    std::string_view fallback) {
  std::optional<std::string> value;
  if (std::optional<std::string> bytes = ReadWholeFile(fileName_)) {
    value = IniDocument::parse(*bytes).find(section, key);
  }
  if (!value) {
    while (!fallback.empty() && fallback.back() == ' ') fallback.remove_suffix(1);
    value = std::string(fallback);
  }
  if (value->size() >= kReadBufferSize) value->resize(kReadBufferSize - 1);
  return *value;
}

// Rewrites the whole file in one step, creating it when its folder exists;
// leaves it untouched when the key already holds the value, when the file
// may not be written (read-only), and when the new file cannot be written
// whole (a full disk): a failed write never damages the earlier file.
void FileSettingsStore::write(std::string_view section, std::string_view key,
                              std::string_view value) {
  const std::optional<std::string> bytes = ReadWholeFile(fileName_);
  IniDocument doc = IniDocument::parse(bytes.value_or(std::string()));
  if (!doc.set(section, key, value)) return;
  if (bytes && !std::ofstream(fileName_, std::ios::binary | std::ios::app)) return;
  WriteFileReplacing(fileName_, [&](std::ostream& out) { out << doc.serialize(); });
}

}  // namespace velmora
