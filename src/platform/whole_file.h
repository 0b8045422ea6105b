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

// Writes `fileName` through `write` into a temporary file beside it, then
// moves that over the earlier file (ReplaceFileWith). False, with the
// earlier file untouched and no temporary file left, when anything fails,
// a full disk included.
bool WriteFileReplacing(const std::string& fileName,
                        const std::function<void(std::ostream&)>& write);

}  // namespace velmora
