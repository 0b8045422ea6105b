#include "util/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <utility>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace velmora::cli {
namespace {

constexpr std::size_t kChunk = 1 << 16;

// Bytes held in memory, read as a stream that can seek like a file's.
class MemoryBuffer : public std::streambuf {
 public:
  explicit MemoryBuffer(std::string bytes) : bytes_(std::move(bytes)) {
    char* start = bytes_.data();
    setg(start, start, start + bytes_.size());
  }

 protected:
  pos_type seekoff(off_type offset, std::ios_base::seekdir from,
                   std::ios_base::openmode which) override {
    if ((which & std::ios_base::in) == 0) return pos_type(off_type(-1));
    const off_type base = from == std::ios_base::beg   ? 0
                          : from == std::ios_base::cur ? gptr() - eback()
                                                       : egptr() - eback();
    const off_type target = base + offset;
    if (target < 0 || target > egptr() - eback()) return pos_type(off_type(-1));
    setg(eback(), eback() + target, egptr());
    return pos_type(target);
  }
  pos_type seekpos(pos_type position, std::ios_base::openmode which) override {
    return seekoff(off_type(position), std::ios_base::beg, which);
  }

 private:
  std::string bytes_;
};

class MemoryStream : public std::istream {
 public:
  explicit MemoryStream(std::string bytes) : std::istream(nullptr), buffer_(std::move(bytes)) {
    rdbuf(&buffer_);
  }

 private:
  MemoryBuffer buffer_;
};

// An input opened for reading, without waiting for a FIFO's writer.
struct Descriptor {
  int fd = -1;
  bool regular = false;
  InputFault fault = InputFault::None;
};

#if defined(_WIN32)

Descriptor openDescriptor(const std::string& path) {
  Descriptor input;
  if (path == "-") {
    _setmode(0, _O_BINARY);
    input.fd = 0;
    if (_isatty(0)) input.fault = InputFault::Terminal;
    return input;
  }
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) {
    input.fault = InputFault::Unreadable;
    return input;
  }
  input.fd = _open(path.c_str(), _O_RDONLY | _O_BINARY);
  if (input.fd < 0) input.fault = InputFault::Unreadable;
  input.regular = std::filesystem::is_regular_file(path, ignored);
  return input;
}

long long readSome(int fd, char* into, std::size_t bytes) {
  return _read(fd, into, static_cast<unsigned>(bytes));
}
void closeDescriptor(int fd) {
  if (fd > 0) _close(fd);
}

#else

Descriptor openDescriptor(const std::string& path) {
  Descriptor input;
  input.fd = path == "-" ? 0 : ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  struct stat status {};
  if (input.fd < 0 || ::fstat(input.fd, &status) != 0 || S_ISDIR(status.st_mode)) {
    input.fault = InputFault::Unreadable;
    return input;
  }
  input.regular = S_ISREG(status.st_mode) && path != "-";
  if (input.fd == 0 && ::isatty(0)) input.fault = InputFault::Terminal;
  // Opened without waiting for a writer; read like any other input.
  if (input.fd != 0) ::fcntl(input.fd, F_SETFL, ::fcntl(input.fd, F_GETFL) & ~O_NONBLOCK);
  return input;
}

long long readSome(int fd, char* into, std::size_t bytes) { return ::read(fd, into, bytes); }
void closeDescriptor(int fd) {
  if (fd > 0) ::close(fd);
}

#endif

// Everything `fd` gives up to its end, at most `limit` bytes.
InputFault readAll(int fd, std::size_t limit, std::string& bytes) {
  std::string chunk(kChunk, '\0');
  for (;;) {
    const long long got = readSome(fd, chunk.data(), chunk.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return InputFault::Unreadable;
    if (got == 0) return InputFault::None;
    if (static_cast<std::size_t>(got) > limit - bytes.size()) return InputFault::TooLarge;
    bytes.append(chunk.data(), static_cast<std::size_t>(got));
  }
}

WholeInput readFrom(Descriptor& input, std::size_t limit) {
  WholeInput whole;
  whole.fault =
      input.fault == InputFault::None ? readAll(input.fd, limit, whole.bytes) : input.fault;
  closeDescriptor(input.fd);
  if (whole.fault != InputFault::None) whole.bytes.clear();
  return whole;
}

}  // namespace

OpenedInput openInput(const std::string& path, std::size_t memoryLimit) {
  Descriptor input = openDescriptor(path);
  OpenedInput opened;
  if (input.fault == InputFault::None && input.regular) {
    closeDescriptor(input.fd);
    auto file = std::make_unique<std::ifstream>(path, std::ios::binary);
    if (file->is_open() && file->good()) {
      opened.stream = std::move(file);
    } else {
      opened.fault = InputFault::Unreadable;
    }
    return opened;
  }
  WholeInput whole = readFrom(input, memoryLimit);
  opened.fault = whole.fault;
  if (whole.fault == InputFault::None) {
    opened.stream = std::make_unique<MemoryStream>(std::move(whole.bytes));
  }
  return opened;
}

WholeInput readWholeInput(const std::string& path, std::size_t limit) {
  Descriptor input = openDescriptor(path);
  return readFrom(input, limit);
}

std::string inputName(const std::string& path) { return path == "-" ? "standard input" : path; }

std::string mebibytes(std::size_t bytes) { return std::to_string(bytes >> 20) + " MiB"; }

}  // namespace velmora::cli
