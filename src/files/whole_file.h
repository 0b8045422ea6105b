#pragma once
// Writing a whole file, relative to the current directory, in a way no
// file-system fault turns into an exception or a damaged file.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace velmora {

// Takes the remarks a write makes before it changes anything (one line
// each, without line end), for the caller to show.
using WriteRemarks = std::function<void(const std::string& remark)>;

// The name shape of the temporary file that stands beside `target` while it
// is written: ".<file name>.<process>.<random>.part", in the same folder.
std::string temporaryNameFor(const std::string& target, std::uint64_t process,
                             std::uint32_t randomPart);

// Puts `bytes` in place of `fileName`'s content: written into a new
// temporary file beside it (under a fresh name, created exclusively, with the
// earlier file's mode and owner), then moved over the earlier file
// (replaceFileWith). A symbolic link is written through: its target is
// replaced and the link stays. Only a regular file is ever replaced: a
// folder, a device, a FIFO or a socket of that name is left alone and the
// result is false. False, with the earlier file untouched and no temporary
// file left, when the writing fails, a full disk included.
//
// Temporary files of earlier writers of the same file that were killed
// part-way (provably: see isAbandonedTemporary) are removed first. Where no
// temporary file can be made (the folder takes no new file, the name is too
// long for one) or the earlier file may be written but not replaced (another
// program holds it open), the earlier file is overwritten in place instead
// (overwriteInPlace), as safe against a full disk; `remarks` hears so
// before a byte is written ("writing F5VEL.cbr in place: this folder takes
// no new file"), and also hears when the earlier file has other names (hard
// links), which keep the earlier text.
bool writeFileReplacing(const std::string& fileName, const std::string& bytes,
                        const WriteRemarks& remarks = {});

}  // namespace velmora
