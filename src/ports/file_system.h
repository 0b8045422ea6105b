#pragma once
// The files the core reads and writes, the platform's part: reading a whole
// file, what a name leads to, and the steps of putting new bytes in place of
// a file's (a new file made beside the earlier one and moved over it, or,
// where that cannot be done, the earlier file overwritten in place). Each
// platform library defines these; names are relative to the current
// directory.

#include <cstdint>
#include <optional>
#include <string>

namespace velmora {

// The bytes of `fileName`; nullopt when it cannot be opened. A read that
// fails part-way (the name is a folder, say) gives the bytes read so far.
std::optional<std::string> readWholeFile(const std::string& fileName);

// The file that a write to `name` reaches: when `name` is a symbolic link,
// the file it leads to (through any chain of links); else `name` itself.
std::string finalPathOf(const std::string& name);

enum class FileKind {
  Missing,  // nothing of that name (or nothing at the end of a link)
  Regular,
  Folder,
  CharacterDevice,
  BlockDevice,
  Fifo,
  Socket,
  Unknown,  // something that is none of these, or that cannot be looked at
};

// What a name leads to, links followed: enough to tell whether a writer may
// replace it, and whether it was replaced or rewritten between two looks.
struct FileFacts {
  FileKind kind = FileKind::Missing;
  std::uint64_t links = 0;  // the file's names (hard links)
  std::uint64_t device = 0, index = 0;  // which file it is, on which volume
  std::uint64_t size = 0;
  std::int64_t changedNs = 0;  // its last change, as the system keeps it
};

FileFacts factsOf(const std::string& name);

// Two looks at a name that see the same file, untouched in between.
inline bool sameUntouchedFile(const FileFacts& a, const FileFacts& b) {
  return a.kind == b.kind && a.device == b.device && a.index == b.index && a.size == b.size &&
         a.changedNs == b.changedNs;
}

enum class NewFile {
  Written,      // made under that name, holding the bytes, and closed again
  NameTaken,    // something of that name exists (a file, a folder, a link); left as it is
  NameTooLong,  // the folder takes no name that long
  NoFolder,     // the folder it would be in does not exist
  Refused,      // the folder takes no new file (no right to, a read-only volume)
  WriteFailed,  // made, but not every byte reached it (a full disk): removed again
};

// Creates `name` as a new file, never opening one that exists, and writes
// `bytes` into it. It is given the permissions of `likeFile` (its mode and,
// where this process may, its owner) when that exists, else those of any new
// file; the bytes are never readable by more users than `likeFile`'s are.
NewFile writeNewFile(const std::string& name, const std::string& bytes,
                     const std::string& likeFile);

// This process, as the names of its temporary files carry it.
std::uint64_t thisProcessId();

// Whether `name` is a temporary file left behind by a writer that is gone:
// a regular file (not a link) of this process's user with one name, whose
// writer, the process `writerId`, no longer runs.
bool isAbandonedTemporary(const std::string& name, std::uint64_t writerId);

// Moves `source` to `target`, replacing `target` if it exists. On failure
// both files stay as they were and the result is false.
bool replaceFileWith(const std::string& source, const std::string& target);

// Puts `bytes` in place of the content of `name`, created when absent, and
// cuts it to their length; `earlier` is what the file holds (nullopt when
// absent). Only a regular file is written. Room for the longer text is
// claimed before any byte changes (without growing the file), so a full disk
// fails while the file is still as it was; a write that fails all the same
// puts `earlier` back. A shorter text is written followed by blanks and line
// ends up to the earlier length before the file is cut, so that a process
// killed before the cut leaves the new text and blank lines, never a stray
// piece of the earlier text. Other programs may read and write the file
// meanwhile. False when the file was not written.
bool overwriteInPlace(const std::string& name, const std::string& bytes,
                      const std::optional<std::string>& earlier);

// The white space that follows a text of `length` bytes written over an
// earlier one of `earlierLength` bytes until the file is cut: nothing when
// the new text is not shorter, else one blank when the gap is odd, then CR
// LF pairs.
inline std::string fillerAfter(std::size_t length, std::size_t earlierLength) {
  if (length >= earlierLength) return "";
  const std::size_t gap = earlierLength - length;
  std::string filler(gap % 2, ' ');
  for (std::size_t pair = 0; pair < gap / 2; ++pair) filler += "\r\n";
  return filler;
}

}  // namespace velmora
