#include "util/input_file.h"

#include <filesystem>

namespace velmora::cli {

bool openInputFile(const std::string& path, std::ifstream& in) {
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) return false;
  in.open(path, std::ios::binary);
  return in.is_open() && in.good();
}

}  // namespace velmora::cli
