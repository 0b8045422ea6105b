#include "working_folder.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <stdexcept>

#if defined(_WIN32)
#include <windows.h>

#include <thread>
#else
#include <sys/stat.h>
#endif

namespace velmora::testing {

namespace fs = std::filesystem;

#if defined(_WIN32)

namespace {

// The path Windows finally opens for `file`, links resolved ("" when none).
std::string finalPath(const fs::path& file) {
  const HANDLE handle =
      CreateFileA(file.string().c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return "";
  char path[4096] = {};
  const DWORD length = GetFinalPathNameByHandleA(handle, path, sizeof path, 0);
  CloseHandle(handle);
  return length > 0 && length < sizeof path ? std::string(path, length) : "";
}

// Starts a Linux program in `directory`, as Wine can. Wine gives no handle
// to wait on: the caller awaits the program's effect.
bool runLinuxCommand(std::string command, const fs::path& directory) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                      directory.string().c_str(), &startup, &process)) {
    return false;
  }
  if (process.hProcess != nullptr) CloseHandle(process.hProcess);
  if (process.hThread != nullptr) CloseHandle(process.hThread);
  return true;
}

// Waits up to 5 s for `done` to become true.
template <typename Done>
bool awaited(Done done) {
  for (int wait = 0; wait < 500 && !done(); ++wait) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return done();
}

}  // namespace

#endif

WorkingFolder::WorkingFolder() : previous_(fs::current_path()) {
  static std::atomic<int> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  path_ = fs::temp_directory_path() /
          ("velmora-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
  fs::create_directories(path_);
  fs::current_path(path_);
}

WorkingFolder::~WorkingFolder() {
  std::error_code ignored;
  fs::current_path(previous_, ignored);
#if defined(_WIN32)
  // Under Wine neither DeleteFileA (which follows a link) nor remove_all
  // (which gives up on one) removes a link.
  if (holdsLinks_ && runLinuxCommand("/bin/rm -rf \"" + path_.filename().string() + "\"",
                                     path_.parent_path())) {
    awaited([this] { return GetFileAttributesA(path_.string().c_str()) == INVALID_FILE_ATTRIBUTES; });
  }
#endif
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(path_, ignored);
}

void WorkingFolder::writeFile(const std::string& relative, const std::string& bytes) const {
  const fs::path file = path_ / relative;
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

bool WorkingFolder::exists(const std::string& relative) const { return fs::exists(path_ / relative); }

bool WorkingFolder::holdsTemporaryFile() const {
  std::error_code error;
  for (fs::recursive_directory_iterator entry(path_, error), end; !error && entry != end;
       entry.increment(error)) {
    if (entry->path().extension() == ".part") return true;
  }
  return false;
}

std::string WorkingFolder::readFile(const std::string& relative) const {
  std::ifstream in(path_ / relative, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

#if defined(_WIN32)

// Wine's CreateSymbolicLinkA reports success and makes nothing: Linux's ln
// makes the link.
bool WorkingFolder::makeLink(const std::string& link, const std::string& target) {
  holdsLinks_ = true;
  return runLinuxCommand("/bin/ln -s \"" + target + "\" \"" + link + "\"", path_) &&
         awaited([&] { return !finalPath(path_ / link).empty(); });
}

// Wine shows a Linux FIFO as a pipe; Linux's mkfifo makes it.
bool WorkingFolder::makeFifo(const std::string& name) {
  holdsLinks_ = true;
  return runLinuxCommand("/usr/bin/mkfifo \"" + name + "\"", path_) &&
         awaited([&] { return isFifo(name); });
}

bool WorkingFolder::isFifo(const std::string& name) const {
  const HANDLE handle = CreateFileA((path_ / name).string().c_str(), 0,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  const bool pipe = GetFileType(handle) == FILE_TYPE_PIPE;
  CloseHandle(handle);
  return pipe;
}

// A link replaced by a file of its own ends in its own folder, not the target's.
bool WorkingFolder::leadsTo(const std::string& link, const std::string& target) const {
  const std::string reached = finalPath(path_ / link);
  return !reached.empty() && reached == finalPath(path_ / target);
}

#else

bool WorkingFolder::makeLink(const std::string& link, const std::string& target) {
  std::error_code error;
  fs::create_symlink(target, path_ / link, error);
  return !error;
}

bool WorkingFolder::makeFifo(const std::string& name) {
  return ::mkfifo((path_ / name).c_str(), 0666) == 0;
}

bool WorkingFolder::isFifo(const std::string& name) const {
  std::error_code error;
  return fs::is_fifo(fs::symlink_status(path_ / name, error));
}

bool WorkingFolder::leadsTo(const std::string& link, const std::string& target) const {
  std::error_code error;
  return fs::is_symlink(fs::symlink_status(path_ / link)) &&
         fs::equivalent(path_ / link, path_ / target, error);
}

#endif

}  // namespace velmora::testing
