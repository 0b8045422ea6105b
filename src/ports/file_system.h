#pragma once
// The files the core reads and writes, the platform's part: reading a whole
// file, and the steps of putting new bytes in place of a file's (a new file
// made beside the earlier one and moved over it, or, where that cannot be
// done, the earlier file overwritten in place). Each platform library
// defines these; names are relative to the current directory.

#include <optional>
#include <string>

namespace velmora {

// The bytes of `fileName`; nullopt when it cannot be opened. A read that
// fails part-way (the name is a folder, say) gives the bytes read so far.
std::optional<std::string> readWholeFile(const std::string& fileName);

// The file that a write to `name` reaches: when `name` is a symbolic link,
// the file it leads to (through any chain of links); else `name` itself.
std::string finalPathOf(const std::string& name);

enum class NewFile {
  Created,    // made, empty, and closed again
  NameTaken,  // something of that name exists (a file, a folder, a link); left as it is
  Refused,    // the folder takes no new file (no right to, a name too long, no folder)
};

// Creates `name` as a new, empty file, and never opens one that exists.
NewFile createNewFile(const std::string& name);

// Moves `source` to `target`, replacing `target` if it exists. On failure
// both files stay as they were and the result is false.
bool replaceFileWith(const std::string& source, const std::string& target);

// Puts `bytes` in place of the content of `name`, created when absent, and
// cuts it to their length; `earlier` is what the file holds (nullopt when
// absent). Room for the longer text is claimed before any byte changes, so a
// full disk fails while the file is still as it was; a write that fails all
// the same puts `earlier` back. Other programs may read and write the file
// meanwhile. False when the file was not written.
bool overwriteInPlace(const std::string& name, const std::string& bytes,
                      const std::optional<std::string>& earlier);

}  // namespace velmora
