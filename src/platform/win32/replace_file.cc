// On Windows a plain rename refuses an existing target; MoveFileExA replaces it.

#include <windows.h>

#include "cabrillo/replace_file.h"

namespace velmora {

bool ReplaceFileWith(const std::string& source, const std::string& target) {
  return MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

}  // namespace velmora
