#include "cabrillo/cabrillo_files.h"

#include <fstream>

#include "ports/file_system.h"

namespace velmora {

std::string readOrCreateExtraHeader(const std::string& fileName) {
  if (std::optional<std::string> bytes = readWholeFile(fileName)) return *std::move(bytes);
  std::ofstream create(fileName, std::ios::binary | std::ios::app);
  return "";
}

}  // namespace velmora
