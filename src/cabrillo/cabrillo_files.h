#pragma once
// The thin layer that reads the export's extra header file, relative to the
// current directory (the log itself is written by writeFileReplacing).

#include <string>

namespace velmora {

// The bytes of the extra header file; the file is created empty when absent.
// Empty when it can neither be read nor created.
std::string readOrCreateExtraHeader(const std::string& fileName);

}  // namespace velmora
