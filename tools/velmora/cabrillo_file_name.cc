#include "cabrillo_file_name.h"

#include <algorithm>

#include "text_case.h"

namespace velmora::cli {

std::string cabrilloFileName(const std::string& myCall) {
  std::string base = myCall;
  std::replace(base.begin(), base.end(), '/', '_');
  std::replace(base.begin(), base.end(), '\\', '_');
  base = std::string(trimBlanks(base));
  return (base.empty() ? std::string("VIRDO") : base) + ".cbr";
}

}  // namespace velmora::cli
