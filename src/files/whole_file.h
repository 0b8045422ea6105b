#pragma once
// Writing a whole file, relative to the current directory, in a way no
// file-system fault turns into an exception or a damaged file.

#include <string>

namespace velmora {

// Puts `bytes` in place of `fileName`'s content: written into a new
// temporary file beside it (under a name no file has yet), then moved over
// the earlier file (replaceFileWith). A symbolic link is written through:
// its target is replaced and the link stays. False, with the earlier file
// untouched and no temporary file left, when the writing fails, a full disk
// included. Where no temporary file can be made (the folder takes no new
// file, the name is too long for one) or the earlier file may be written but
// not replaced (another program holds it open), the earlier file is
// overwritten in place instead (overwriteInPlace), as safe against a full disk.
bool writeFileReplacing(const std::string& fileName, const std::string& bytes);

}  // namespace velmora
