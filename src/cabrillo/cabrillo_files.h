#pragma once
// The thin layer that opens the export's files, relative to the current
// directory.

#include <functional>
#include <ostream>
#include <string>

namespace velmora {

// The bytes of the extra header file; the file is created empty when absent.
// Empty when it can neither be read nor created.
std::string ReadOrCreateExtraHeader(const std::string& fileName);

// Writes `fileName` through `write` into a temporary file beside it, then
// moves that over the earlier file. False, with the earlier file untouched
// and no temporary file left, when anything fails.
bool WriteFileReplacing(const std::string& fileName,
                        const std::function<void(std::ostream&)>& write);

}  // namespace velmora
