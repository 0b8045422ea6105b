// Reading a whole file is the same on every platform: the runtime library's
// binary input stream.

#include <fstream>
#include <sstream>

#include "ports/file_system.h"

namespace velmora {

std::optional<std::string> readWholeFile(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) return std::nullopt;
  // Copying the buffer as a whole turns a failed read into a failed state,
  // where reading it character by character would throw.
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace velmora
