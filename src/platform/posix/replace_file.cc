// On POSIX a rename replaces the target in one step, an open with O_EXCL
// never opens a file that exists, and a file's mode and owner are set
// through the descriptor it was made with.

#include "platform/posix/open_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <filesystem>

#include "ports/file_system.h"

namespace velmora {
namespace {

// The most links followed, as the kernel's own limit for one path.
constexpr int kMostLinks = 40;

FileKind kindOf(mode_t mode) {
  if (S_ISREG(mode)) return FileKind::Regular;
  if (S_ISDIR(mode)) return FileKind::Folder;
  if (S_ISCHR(mode)) return FileKind::CharacterDevice;
  if (S_ISBLK(mode)) return FileKind::BlockDevice;
  if (S_ISFIFO(mode)) return FileKind::Fifo;
  if (S_ISSOCK(mode)) return FileKind::Socket;
  return FileKind::Unknown;
}

}  // namespace

// A chain of links that never ends (a loop) gives `name` itself.
std::string finalPathOf(const std::string& name) {
  namespace fs = std::filesystem;
  fs::path path(name);
  std::error_code error;
  for (int hop = 0; hop < kMostLinks; ++hop) {
    if (!fs::is_symlink(fs::symlink_status(path, error))) return path.string();
    const fs::path target = fs::read_symlink(path, error);
    if (error) return path.string();
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return name;
}

FileFacts factsOf(const std::string& name) {
  FileFacts facts;
  struct stat status {};
  if (::stat(name.c_str(), &status) != 0) {
    facts.kind = errno == ENOENT || errno == ENOTDIR ? FileKind::Missing : FileKind::Unknown;
    return facts;
  }
  facts.kind = kindOf(status.st_mode);
  facts.links = status.st_nlink;
  facts.device = status.st_dev;
  facts.index = status.st_ino;
  facts.size = static_cast<std::uint64_t>(status.st_size);
  facts.changedNs = static_cast<std::int64_t>(status.st_ctim.tv_sec) * 1000000000 +
                    status.st_ctim.tv_nsec;
  return facts;
}

NewFile writeNewFile(const std::string& name, const std::string& bytes,
                     const std::string& likeFile) {
  struct stat like {};
  const bool hasLike = ::stat(likeFile.c_str(), &like) == 0 && S_ISREG(like.st_mode);
  // Made with no more rights than the file it stands in for; the exact mode
  // (which the process's umask may have narrowed) is set once it is written.
  const mode_t createMode = hasLike ? (like.st_mode & 0777) : 0666;
  const int file = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          createMode);
  if (file < 0) {
    switch (errno) {
      case EEXIST: return NewFile::NameTaken;
      case ENAMETOOLONG: return NewFile::NameTooLong;
      case ENOENT: case ENOTDIR: return NewFile::NoFolder;
      default: return NewFile::Refused;
    }
  }
  bool written = posix::writeAll(file, bytes);
  if (written && hasLike) {
    // The owner where the process may (root may; anyone may keep a group
    // they belong to); the mode after it, since a change of owner clears
    // set-id bits.
    if (::fchown(file, like.st_uid, like.st_gid) != 0) (void)::fchown(file, static_cast<uid_t>(-1), like.st_gid);
    written = ::fchmod(file, like.st_mode & 07777) == 0;
  }
  written = ::close(file) == 0 && written;
  if (!written) {
    ::unlink(name.c_str());
    return NewFile::WriteFailed;
  }
  return NewFile::Written;
}

std::uint64_t thisProcessId() { return static_cast<std::uint64_t>(::getpid()); }

bool isAbandonedTemporary(const std::string& name, std::uint64_t writerId) {
  if (writerId == 0 || writerId > static_cast<std::uint64_t>(INT_MAX)) return false;
  struct stat status {};
  if (::lstat(name.c_str(), &status) != 0) return false;
  if (!S_ISREG(status.st_mode) || status.st_uid != ::geteuid() || status.st_nlink != 1) return false;
  return ::kill(static_cast<pid_t>(writerId), 0) != 0 && errno == ESRCH;
}

bool replaceFileWith(const std::string& source, const std::string& target) {
  return std::rename(source.c_str(), target.c_str()) == 0;
}

bool overwriteInPlace(const std::string& name, const std::string& bytes,
                      const std::optional<std::string>& earlier) {
  // Never blocks on a FIFO that no program reads: it is refused below.
  const int file = ::open(name.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
  if (file < 0) return false;  // no folder, or a file that may not be written
  struct stat status {};
  if (::fstat(file, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(file);
    return false;
  }
  const auto size = static_cast<std::size_t>(status.st_size);
  if (!posix::claimRoom(file, size, bytes.size())) {
    ::close(file);
    if (!earlier && size == 0) ::unlink(name.c_str());  // made by this very call
    return false;
  }
  bool written = posix::overwriteOpenFile(file, size, bytes, earlier);
  written = ::close(file) == 0 && written;
  return written;
}

}  // namespace velmora
