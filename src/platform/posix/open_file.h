#pragma once
// Reading and rewriting a file through a descriptor already open, for the
// POSIX platform's whole-file writes: the settings store opens its file once
// for both, where reading it and then opening it again for writing would
// cost a second open (the claimed score is written after every QSO).

#include <cstddef>
#include <optional>
#include <string>

namespace velmora::posix {

// The whole content of the open `file`, read from its start; nullopt when
// a read fails.
std::optional<std::string> readOpenFile(int file);

// `name` opened for reading and writing, without recording the access time
// where the file's owner opens it: a descriptor, or -1 with errno set.
int openForReadingAndWriting(const std::string& name);

// Writes all of `bytes` from the file's start; false when a write fails.
bool writeAll(int file, const std::string& bytes);

// overwriteInPlace's steps on the open `file` (open for writing), which
// holds `size` bytes. First the room for `length` bytes is claimed without
// making the file longer, so that a full disk or a cap on file sizes fails
// before any byte changes and an interruption leaves the file as it was
// (where the file system cannot, the file is made longer: zero bytes at its
// end until they are written). Then the bytes are written from the start,
// followed, when they are fewer, by blanks and line ends up to the earlier
// length (fillerAfter), and the file is cut: killed before the cut, it reads
// as exactly the new text. A write that fails half-way puts `earlier` back.
// The file is not closed.
bool claimRoom(int file, std::size_t size, std::size_t length);
bool overwriteOpenFile(int file, std::size_t size, const std::string& bytes,
                       const std::optional<std::string>& earlier);

}  // namespace velmora::posix
