#include "platform/file_settings_store.h"

#include <unistd.h>

#include <memory>
#include <optional>

#include "platform/posix/ini_document.h"
#include "platform/posix/open_file.h"
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
  // A file that exists and may be written is read and rewritten through one
  // descriptor; any other (absent, read-only, not a file) takes the general
  // road, which creates it where its folder exists.
  const int file = posix::openForReadingAndWriting(fileName_);
  if (file < 0) {
    const std::optional<std::string> bytes = readWholeFile(fileName_);
    IniDocument doc = IniDocument::parse(bytes.value_or(std::string()));
    if (doc.set(section, key, value)) (void)overwriteInPlace(fileName_, doc.serialize(), bytes);
    return;
  }
  const std::optional<std::string> bytes = posix::readOpenFile(file);
  if (bytes) {
    IniDocument doc = IniDocument::parse(*bytes);
    // Rewritten in place, as the Windows profile functions do: a new file
    // moved over the old one would be as safe, but the file system then
    // flushes it to disk on every write, and the claimed score is written
    // after every QSO.
    if (doc.set(section, key, value)) {
      const std::string text = doc.serialize();
      if (posix::claimRoom(file, bytes->size(), text.size())) {
        (void)posix::overwriteOpenFile(file, bytes->size(), text, bytes);
      }
    }
  }
  ::close(file);
}

}  // namespace velmora
