#include "platform/file_settings_store.h"

#include <fcntl.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <optional>

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
// untouched when the key already holds the value. The claimed score is
// written after every QSO, so the file is overwritten in place and then cut
// to its new length: emptying it first would make the file system flush
// it to disk on every write.
void FileSettingsStore::write(std::string_view section, std::string_view key,
                              std::string_view value) {
  const std::optional<std::string> bytes = readBytes(fileName_);
  IniDocument doc = IniDocument::parse(bytes.value_or(std::string()));
  if (!doc.set(section, key, value)) return;
  const std::string text = doc.serialize();
  const int file = open(fileName_.c_str(), O_WRONLY | O_CREAT, 0644);
  if (file < 0) return;
  std::size_t written = 0;
  while (written < text.size()) {
    const ssize_t n = ::write(file, text.data() + written, text.size() - written);
    if (n <= 0) break;
    written += static_cast<std::size_t>(n);
  }
  if (written == text.size()) ftruncate(file, static_cast<off_t>(text.size()));
  close(file);
}

}  // namespace velmora
