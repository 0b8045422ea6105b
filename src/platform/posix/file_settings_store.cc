#include "platform/file_settings_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <optional>

#include "platform/posix/ini_document.h"
#include "platform/posix/open_file.h"
#include "ports/file_system.h"

namespace velmora {

const char* const kSettingsFileName = "Plugins/VIRDO.ini";

// The file the store last wrote, kept open from one write to the next: the
// claimed score is written after every QSO, and opening and closing the file
// each time cost more than reading and writing it. The descriptor serves
// again only while the name still leads to that very file, with the owner,
// permissions and attributes (read-only, append-only) it had when it was
// opened. Anything else (the file replaced, removed, made read-only, the
// working folder changed) closes it, and the name is opened afresh, as on
// the first write. No time of the file is asked for: a file system that
// keeps fine-grained times only for files whose times someone reads would
// then record the inode again on every write.
struct FileSettingsStore::Kept {
  int file = -1;
  struct statx opened {};
  ~Kept() {
    if (file >= 0) ::close(file);
  }
};

namespace {

constexpr unsigned kWhichFile = STATX_TYPE | STATX_MODE | STATX_UID | STATX_GID | STATX_INO;

// Which file `name` (or, with AT_EMPTY_PATH and "", the descriptor `at`)
// is, with its owner, permissions and attributes; false when it cannot be
// looked at.
bool look(int at, const char* name, int flags, struct statx& facts) {
  return ::statx(at, name, flags, kWhichFile, &facts) == 0 &&
         (facts.stx_mask & kWhichFile) == kWhichFile;
}

bool sameFileAndRights(const struct statx& a, const struct statx& b) {
  return a.stx_dev_major == b.stx_dev_major && a.stx_dev_minor == b.stx_dev_minor &&
         a.stx_ino == b.stx_ino && a.stx_mode == b.stx_mode && a.stx_uid == b.stx_uid &&
         a.stx_gid == b.stx_gid && a.stx_attributes == b.stx_attributes;
}

// Whether `name` still leads to the file looked at as `opened`.
bool stillLeadsTo(const std::string& name, const struct statx& opened) {
  struct statx now {};
  return look(AT_FDCWD, name.c_str(), 0, now) && sameFileAndRights(now, opened);
}

}  // namespace

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
  if (kept_ && !stillLeadsTo(fileName_, kept_->opened)) kept_.reset();
  if (!kept_) keepOpen();
  if (!kept_) {
    const std::optional<std::string> bytes = readWholeFile(fileName_);
    IniDocument doc = IniDocument::parse(bytes.value_or(std::string()));
    if (doc.set(section, key, value)) (void)overwriteInPlace(fileName_, doc.serialize(), bytes);
    return;
  }
  const int file = kept_->file;
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
  } else {
    kept_.reset();
  }
}

void FileSettingsStore::keepOpen() {
  decltype(kept_) kept{new Kept, [](Kept* k) { delete k; }};
  kept->file = posix::openForReadingAndWriting(fileName_);
  if (kept->file < 0 || !look(kept->file, "", AT_EMPTY_PATH, kept->opened)) return;
  kept_ = std::move(kept);
}

}  // namespace velmora
