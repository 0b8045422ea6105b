#include "platform/whole_file.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "cabrillo/replace_file.h"

namespace velmora {

std::optional<std::string> ReadWholeFile(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) return std::nullopt;
  // Copying the buffer as a whole turns a failed read into a failed state,
  // where reading it character by character would throw.
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
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
