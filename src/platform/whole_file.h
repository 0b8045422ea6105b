#pragma once
// Reading and writing a whole file, relative to the current directory, in a
// way no file-system fault turns into an exception or a damaged file.

#include <functional>
#include <optional>
#include <ostream>
#include <string>

namespace velmora {

// The bytes of `fileName`; nullopt when it cannot be opened. A read that
// fails part-way (the name is a folder, say) gives the bytes read so far.
std::optional<std::string> ReadWholeFile(const std::string& fileName);

// Writes `fileName` through `write`: into a new temporary file beside it
// (under a name no file has yet), then moved over the earlier file
// (ReplaceFileWith). A symbolic link is written through: its target is
// replaced and the link stays. False, with the earlier file untouched and no
// temporary file left, when the writing fails, a full disk included.
// Where no temporary file can be made (the folder takes no new file, the
// name is too long for one) or the earlier file may be written but not
// replaced (another program holds it open), the earlier file is overwritten
// in place instead (OverwriteInPlace), as safe against a full disk.
bool WriteFileReplacing(const std::string& fileName,
                        const std::function<void(std::ostream&)>& write);

}  // namespace velmora
