#pragma once
// Opening a file given on the command line for reading.

#include <fstream>
#include <string>

namespace velmora::cli {

// Opens `path` as raw bytes; false when it is missing, a folder or unreadable.
bool openInputFile(const std::string& path, std::ifstream& in);

}  // namespace velmora::cli
