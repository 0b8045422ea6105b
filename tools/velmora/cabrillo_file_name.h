#pragma once
// The name of the Cabrillo file the plug-in writes for an own call sign:
// '/' and '\' become '_', surrounding blanks go, "VIRDO" when nothing is
// left; then ".cbr".

#include <string>

namespace velmora::cli {

std::string cabrilloFileName(const std::string& myCall);

}  // namespace velmora::cli
