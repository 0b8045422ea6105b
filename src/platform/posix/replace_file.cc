// On POSIX a rename replaces the target in one step.

#include <cstdio>

#include "cabrillo/replace_file.h"

namespace velmora {

bool ReplaceFileWith(const std::string& source, const std::string& target) {
  return std::rename(source.c_str(), target.c_str()) == 0;
}

}  // namespace velmora
