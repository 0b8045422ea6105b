#include "platform/posix/open_file.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "ports/file_system.h"

namespace velmora::posix {
namespace {

// Cuts the file to `length` unless it already ends there.
bool cutTo(int file, std::size_t size, std::size_t length) {
  return length >= size || ::ftruncate(file, static_cast<off_t>(length)) == 0;
}

// Whether the process may make a file of `size` bytes (a cap on file sizes,
// `ulimit -f`, is a full disk of its own).
bool withinFileSizeCap(std::size_t size) {
  rlimit cap{};
  return ::getrlimit(RLIMIT_FSIZE, &cap) != 0 || cap.rlim_cur == RLIM_INFINITY ||
         size <= cap.rlim_cur;
}

}  // namespace

bool writeAll(int file, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::pwrite(file, bytes.data() + done, bytes.size() - done,
                               static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

std::optional<std::string> readOpenFile(int file) {
  // Any settings file as people keep them is read in one call.
  char block[4096];
  std::string bytes;
  for (;;) {
    const ssize_t n = ::pread(file, block, sizeof block, static_cast<off_t>(bytes.size()));
    if (n < 0) return std::nullopt;
    bytes.append(block, static_cast<std::size_t>(n));
    // A regular file gives fewer bytes than asked only at its end.
    if (static_cast<std::size_t>(n) < sizeof block) return bytes;
  }
}

int openForReadingAndWriting(const std::string& name) {
#ifdef O_NOATIME
  // Reading a file just written would otherwise record the access time too
  // (one more inode update per call); only the file's owner may ask that.
  const int file = ::open(name.c_str(), O_RDWR | O_CLOEXEC | O_NOATIME);
  if (file >= 0 || errno != EPERM) return file;
#endif
  return ::open(name.c_str(), O_RDWR | O_CLOEXEC);
}

bool claimRoom(int file, std::size_t size, std::size_t length) {
  if (length <= size) return true;
  if (!withinFileSizeCap(length)) return false;
  const auto from = static_cast<off_t>(size);
  const auto more = static_cast<off_t>(length - size);
#if defined(FALLOC_FL_KEEP_SIZE)
  if (::fallocate(file, FALLOC_FL_KEEP_SIZE, from, more) == 0) return true;
  if (errno != EOPNOTSUPP && errno != ENOSYS) return false;
#endif
  return ::posix_fallocate(file, from, more) == 0;
}

bool overwriteOpenFile(int file, std::size_t size, const std::string& bytes,
                       const std::optional<std::string>& earlier) {
  // After a longer text the file has exactly its length; only a shorter one
  // leaves a tail to cut, written over with blanks first.
  const std::size_t room = std::max(size, bytes.size());
  if (writeAll(file, bytes + fillerAfter(bytes.size(), size)) && cutTo(file, room, bytes.size())) {
    return true;
  }
  if (earlier) {
    (void)writeAll(file, *earlier);
    (void)cutTo(file, room, earlier->size());
  }
  return false;
}

}  // namespace velmora::posix
