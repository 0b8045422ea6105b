#include "cabrillo/cabrillo_files.h"

#include <fstream>

#include "platform/whole_file.h"

namespace velmora {

std::string ReadOrCreateExtraHeader(const std::string& fileName) {
  if (std::optional<std::string> bytes = ReadWholeFile(fileName)) return *std::move(bytes);
  std::ofstream create(fileName, std::ios::binary | std::ios::app);
  return "";
}

}  // namespace velmora
