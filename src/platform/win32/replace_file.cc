// On Windows MoveFileExA replaces an existing target (a plain rename refuses
// one), CREATE_NEW never opens a file that exists, and GetFileType tells a
// file on disk from a device or a pipe.

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

// Folders are opened too (FILE_FLAG_BACKUP_SEMANTICS); a file another
// program holds without sharing is looked at through its attributes alone.
FileFacts factsOf(const std::string& name) {
  FileFacts facts;
  const HANDLE file = CreateFileA(name.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    const DWORD attributes = GetFileAttributesA(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
      facts.kind = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                       ? FileKind::Missing
                       : FileKind::Unknown;
    } else {
      facts.kind = (attributes & FILE_ATTRIBUTE_DIRECTORY) ? FileKind::Folder : FileKind::Regular;
      facts.links = 1;
    }
    return facts;
  }
  BY_HANDLE_FILE_INFORMATION info{};
  const DWORD type = GetFileType(file);
  const bool known = GetFileInformationByHandle(file, &info) != 0;
  CloseHandle(file);
  if (type == FILE_TYPE_CHAR) {
    facts.kind = FileKind::CharacterDevice;
  } else if (type == FILE_TYPE_PIPE) {
    facts.kind = FileKind::Fifo;
  } else if (type != FILE_TYPE_DISK || !known) {
    facts.kind = FileKind::Unknown;
  } else {
    facts.kind = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? FileKind::Folder
                                                                    : FileKind::Regular;
    facts.links = info.nNumberOfLinks;
    facts.device = info.dwVolumeSerialNumber;
    facts.index = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    facts.size = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    facts.changedNs = static_cast<std::int64_t>(
        ((static_cast<std::uint64_t>(info.ftLastWriteTime.dwHighDateTime) << 32) |
         info.ftLastWriteTime.dwLowDateTime) * 100);
  }
  return facts;
}

// Windows keeps no mode bits: the new file takes the folder's inherited
// permissions, as any file made there, and `likeFile` plays no part.
NewFile writeNewFile(const std::string& name, const std::string& bytes, const std::string&) {
  const HANDLE file = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    // A folder of that name, or a file about to be deleted, gives other
    // errors than ERROR_FILE_EXISTS: whatever is there, the name is taken.
    if (GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES) return NewFile::NameTaken;
    if (error == ERROR_FILENAME_EXCED_RANGE) return NewFile::NameTooLong;
    // A name too long for a path can also give "path not found": only a
    // folder that is not there is no folder.
    const std::size_t slash = name.find_last_of("/\\");
    const std::string folder = slash == std::string::npos ? "." : name.substr(0, slash + 1);
    if (GetFileAttributesA(folder.c_str()) == INVALID_FILE_ATTRIBUTES) return NewFile::NoFolder;
    return error == ERROR_PATH_NOT_FOUND || error == ERROR_INVALID_NAME ? NewFile::NameTooLong
                                                                       : NewFile::Refused;
  }
  const bool written = writeAll(file, bytes);
  if (!CloseHandle(file) || !written) {
    DeleteFileA(name.c_str());
    return NewFile::WriteFailed;
  }
  return NewFile::Written;
}

std::uint64_t thisProcessId() { return GetCurrentProcessId(); }

bool isAbandonedTemporary(const std::string& name, std::uint64_t writerId) {
  if (writerId == 0 || writerId > 0xffffffffu) return false;
  const DWORD attributes = GetFileAttributesA(name.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES ||
      (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0) {
    return false;
  }
  if (factsOf(name).links != 1) return false;
  const HANDLE writer = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(writerId));
  if (writer == nullptr) return GetLastError() == ERROR_INVALID_PARAMETER;  // no such process
  const bool ended = WaitForSingleObject(writer, 0) == WAIT_OBJECT_0;
  CloseHandle(writer);
  return ended;
}

bool replaceFileWith(const std::string& source, const std::string& target) {
  return MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

// Setting the end of the file further out claims its room (on NTFS); until
// the bytes are written, the file ends in zero bytes there.
bool overwriteInPlace(const std::string& name, const std::string& bytes,
                      const std::optional<std::string>& earlier) {
  const HANDLE file = CreateFileA(name.c_str(), GENERIC_WRITE, kShareReadWrite, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool created = GetLastError() != ERROR_ALREADY_EXISTS;
  LARGE_INTEGER size{};
  if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &size) ||
      (bytes.size() > static_cast<ULONGLONG>(size.QuadPart) && !cutAt(file, bytes.size()))) {
    CloseHandle(file);
    if (created) DeleteFileA(name.c_str());
    return false;
  }
  const auto earlierSize = static_cast<std::size_t>(size.QuadPart);
  bool written =
      writeAll(file, bytes + fillerAfter(bytes.size(), earlierSize)) && cutAt(file, bytes.size());
  if (!written && earlier) {
    (void)writeAll(file, *earlier);
    (void)cutAt(file, earlier->size());
  }
  written = CloseHandle(file) && written;
  return written;
}

}  // namespace velmora
