#include "cabrillo/cabrillo_files.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "cabrillo/replace_file.h"

namespace velmora {

std::string ReadOrCreateExtraHeader(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) {
    std::ofstream create(fileName, std::ios::binary | std::ios::app);
    return "";
  }
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WriteFileReplacing(const std::string& fileName,
                        const std::function<void(std::ostream&)>& write) {
  const std::string temporary = fileName + ".part";
  bool written = false;
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    write(out);
    out.flush();
    written = static_cast<bool>(out);
    out.close();
    written = written && !out.fail();
  }
  if (written && ReplaceFileWith(temporary, fileName)) return true;
  std::remove(temporary.c_str());
  return false;
}

}  // namespace velmora
