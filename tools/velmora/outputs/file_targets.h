#pragma once
// The files velmora writes itself (history's and report's --out), and the
// folder it readies for the settings the plug-in stores in a batch export.
// Nothing but a regular file is ever replaced: a device, a FIFO, a socket or
// a folder of the name is refused (standard output stays the way to feed a
// pipe).

#include <iosfwd>
#include <string>

#include "ports/file_system.h"

namespace velmora::cli {

// "a folder", "a character device", "a FIFO" ... for a kind that is no
// regular file.
std::string kindInWords(FileKind kind);

// Throws UserError when `path` (links followed) is something other than a
// regular file or nothing: checked before any work, so that a run that
// cannot write its output stops at once.
void requireFileTarget(const std::string& path, const std::string& option);

// Writes `bytes` as `path` (files/whole_file.h): a remark of the writing
// (in place, other names) goes to `err` first; throws UserError when the
// file cannot be written, the earlier one then kept as it was.
void writeOutFile(const std::string& path, const std::string& bytes, std::ostream& err);

// Readies the working folder for the settings the plug-in stores when a
// contest with an export starts: makes Plugins/ when it is missing (and
// says so on `err`); throws UserError when Plugins is not a folder, or the
// settings file is no regular file or may not be written, so that the
// header options would be lost.
void prepareSettingsFolder(std::ostream& err);

}  // namespace velmora::cli
