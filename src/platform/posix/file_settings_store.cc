#include "platform/file_settings_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>

#include "platform/posix/ini_document.h"
#include "platform/whole_file.h"

namespace velmora {
namespace {

bool writeAll(int file, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::pwrite(file, bytes.data() + done, bytes.size() - done,
                               static_cast<off_t>(done));
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Puts `text` in place of the file's bytes and cuts the file to its length.
// Room for the longer text is claimed before any byte changes, so a full
// disk fails while the file is still as it was; a write that fails all the
// same puts the earlier bytes back. (A new file moved over the old one
// would be safe too, but the file system then flushes it to disk on every
// write, and the claimed score is written after every QSO.)
void overwriteInPlace(const std::string& fileName, const std::string& text,
                      const std::optional<std::string>& earlier) {
  const int file = ::open(fileName.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
  if (file < 0) return;  // no folder, or a file that may not be written
  struct stat status {};
  const bool created = !earlier && ::fstat(file, &status) == 0 && status.st_size == 0;
  const std::size_t had = earlier ? earlier->size() : 0;
  if (text.size() > had &&
      ::posix_fallocate(file, static_cast<off_t>(had), static_cast<off_t>(text.size() - had)) != 0) {
    ::close(file);
    if (created) ::unlink(fileName.c_str());
    return;
  }
  if (writeAll(file, text)) {
    (void)::ftruncate(file, static_cast<off_t>(text.size()));
  } else if (earlier) {
    (void)writeAll(file, *earlier);
    (void)::ftruncate(file, static_cast<off_t>(had));
  }
  ::close(file);
}

}  // namespace

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

// Rewrites the whole file, creating it when its folder exists; leaves it
// untouched when the key already holds the value, when the file may not be
// written (read-only), and when there is no room for the new text (a full
// disk): a failed write never damages the earlier file.
void FileSettingsStore::write(std::string_view section, std::string_view key,
                              std::string_view value) {
  const std::optional<std::string> bytes = ReadWholeFile(fileName_);
  IniDocument doc = IniDocument::parse(bytes.value_or(std::string()));
  if (!doc.set(section, key, value)) return;
  overwriteInPlace(fileName_, doc.serialize(), bytes);
}

}  // namespace velmora
