// On Windows MoveFileExA replaces an existing target (a plain rename refuses
// one), and CREATE_NEW never opens a file that exists.

#include "ports/file_system.h"

#include <windows.h>

#include <algorithm>

namespace velmora {
namespace {

// What the plug-in lets other programs do with a file it has open.
constexpr DWORD kShareReadWrite = FILE_SHARE_READ | FILE_SHARE_WRITE;
// What a program that only asks where a file lies lets others do.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// The prefix of a path the system takes as it stands ("\\?\").
constexpr char kVerbatimPrefix[] = "\\\\?\\";

std::string fullPathOf(const std::string& name) {
  std::string full(MAX_PATH, '\0');
  DWORD length = GetFullPathNameA(name.c_str(), static_cast<DWORD>(full.size()), &full[0], nullptr);
  if (length >= full.size()) {
    full.resize(length);
    length = GetFullPathNameA(name.c_str(), length, &full[0], nullptr);
  }
  full.resize(length < full.size() ? length : 0);
  return full;
}

// The path of the file open as `file`, links resolved ("" when unknown).
std::string pathOfOpenFile(HANDLE file) {
  std::string path(MAX_PATH, '\0');
  DWORD length = GetFinalPathNameByHandleA(file, &path[0], static_cast<DWORD>(path.size()), 0);
  if (length >= path.size()) {
    path.resize(length);
    length = GetFinalPathNameByHandleA(file, &path[0], length, 0);
  }
  path.resize(length < path.size() ? length : 0);
  return path;
}

bool moveTo(HANDLE file, std::size_t offset) {
  LARGE_INTEGER at;
  at.QuadPart = static_cast<LONGLONG>(offset);
  return SetFilePointerEx(file, at, nullptr, FILE_BEGIN) != 0;
}

bool cutAt(HANDLE file, std::size_t length) { return moveTo(file, length) && SetEndOfFile(file); }

bool writeAll(HANDLE file, const std::string& bytes) {
  if (!moveTo(file, 0)) return false;
  constexpr std::size_t kMostAtOnce = 1 << 30;
  for (std::size_t done = 0; done < bytes.size();) {
    DWORD written = 0;
    const auto chunk = static_cast<DWORD>(std::min(bytes.size() - done, kMostAtOnce));
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

}  // namespace

// An ordinary file keeps the name it was given; a link gives the path of its
// target, with the prefix "\\?\".
std::string finalPathOf(const std::string& name) {
  const HANDLE file =
      CreateFileA(name.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return name;
  const std::string final = pathOfOpenFile(file);
  CloseHandle(file);
  if (final.empty()) return name;
  const bool verbatim = final.compare(0, sizeof kVerbatimPrefix - 1, kVerbatimPrefix) == 0;
  const std::string plain = verbatim ? final.substr(sizeof kVerbatimPrefix - 1) : final;
  return lstrcmpiA(plain.c_str(), fullPathOf(name).c_str()) == 0 ? name : final;
}

NewFile createNewFile(const std::string& name) {
  const HANDLE file = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    CloseHandle(file);
    return NewFile::Created;
  }
  // A folder of that name, or a file about to be deleted, gives other errors
  // than ERROR_FILE_EXISTS: whatever is there, the name is taken.
  return GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES ? NewFile::NameTaken
                                                                     : NewFile::Refused;
}

bool replaceFileWith(const std::string& source, const std::string& target) {
  return MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

// Setting the end of the file further out claims its room (on NTFS).
bool overwriteInPlace(const std::string& name, const std::string& bytes,
                      const std::optional<std::string>& earlier) {
  const HANDLE file = CreateFileA(name.c_str(), GENERIC_WRITE, kShareReadWrite, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool created = GetLastError() != ERROR_ALREADY_EXISTS;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size) ||
      (bytes.size() > static_cast<ULONGLONG>(size.QuadPart) && !cutAt(file, bytes.size()))) {
    CloseHandle(file);
    if (created) DeleteFileA(name.c_str());
    return false;
  }
  bool written = writeAll(file, bytes) && cutAt(file, bytes.size());
  if (!written && earlier) {
    (void)writeAll(file, *earlier);
    (void)cutAt(file, earlier->size());
  }
  written = CloseHandle(file) && written;
  return written;
}

}  // namespace velmora
