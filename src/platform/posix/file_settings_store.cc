#include "platform/file_settings_store.h"

#include <fstream>
#include <iterator>
#include <optional>

#include "cabrillo/cabrillo_files.h"
#include "platform/posix/ini_document.h"

namespace velmora {
namespace {

std::optional<std::string> readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

const char* const kSettingsFileName = "Plugins/VIRDO.ini";

std::string FileSettingsStore::read(std::string_view section, std::string_view key,
                                    std::string_view fallback) {
  std::optional<std::string> value;
  if (std::optional<std::string> bytes = readBytes(fileName_)) {
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
// untouched when the key already holds the value. The new text goes to a
// temporary file first, so a failed write never leaves a cut settings file.
void FileSettingsStore::write(std::string_view section, std::string_view key,
                              std::string_view value) {
  const std::optional<std::string> bytes = readBytes(fileName_);
  IniDocument doc = IniDocument::parse(bytes.value_or(std::string()));
  if (!doc.set(section, key, value)) return;
  const std::string text = doc.serialize();
  WriteFileReplacing(fileName_, [&](std::ostream& out) { out << text; });
}

}  // namespace velmora
