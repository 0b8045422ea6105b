#include "platform/file_settings_store.h"

#include <memory>
#include <optional>

#include "platform/posix/ini_document.h"
#include "ports/file_system.h"

namespace velmora {

const char* const kSettingsFileName = "Plugins/VIRDO.ini";

std::unique_ptr<SettingsStore> openSettingsFile() {
  return std::make_unique<FileSettingsStore>(kSettingsFileName);
}

std::string FileSettingsStore::read(std::string_view section, std::string_view key,
                                    std::string_view fallback) {
  std::optional<std::string> value;
  if (std::optional<std::string> bytes = readWholeFile(fileName_)) {
    value = IniDocument::parse(*bytes).find(section, key);
  }
  if (!value) {
    while (!fallback.empty() && fallback.back() == ' ') fallback.remove_suffix(1);
    value = std::string(fallback);
  }
  if (value->size() >= kReadBufferSize) value->resize(kReadBufferSize - 1);
  return *value;
}

// Rewrites the whole file, creating it when its folder exists; leaves it
// untouched when the key already holds the value, when the file may not be
// written (read-only), and when there is no room for the new text (a full
// disk): a failed write never damages the earlier file.
void FileSettingsStore::write(std::string_view section, std::string_view key,
                              std::string_view value) {
  const std::optional<std::string> bytes = readWholeFile(fileName_);
  IniDocument doc = IniDocument::parse(bytes.value_or(std::string()));
  if (!doc.set(section, key, value)) return;
  // Rewritten in place, as the Windows profile functions do: a new file moved
  // over the old one would be as safe, but the file system then flushes it
  // to disk on every write, and the claimed score is written after every QSO.
  (void)overwriteInPlace(fileName_, doc.serialize(), bytes);
}

}  // namespace velmora
