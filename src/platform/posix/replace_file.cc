// On POSIX a rename replaces the target in one step, and an open with
// O_EXCL never opens a file that exists.

#include "ports/file_system.h"

#include "platform/posix/open_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace velmora {
namespace {

// The most links followed, as the kernel's own limit for one path.
constexpr int kMostLinks = 40;

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

NewFile createNewFile(const std::string& name) {
  const int file = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (file >= 0) {
    ::close(file);
    return NewFile::Created;
  }
  return errno == EEXIST ? NewFile::NameTaken : NewFile::Refused;
}

bool replaceFileWith(const std::string& source, const std::string& target) {
  return std::rename(source.c_str(), target.c_str()) == 0;
}

bool overwriteInPlace(const std::string& name, const std::string& bytes,
                      const std::optional<std::string>& earlier) {
  const int file = ::open(name.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  if (file < 0) return false;  // no folder, or a file that may not be written
  struct stat status {};
  if (::fstat(file, &status) != 0) {
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
