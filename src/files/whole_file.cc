#include "files/whole_file.h"

#include <cstdio>
#include <fstream>
#include <optional>

#include "ports/file_system.h"

namespace velmora {
namespace {

// How many names are tried for the temporary file before the earlier file
// is written in place instead.
constexpr int kTemporaryNames = 100;

// "<target>.part", or "<target>.<n>.part" when that name is taken.
std::string temporaryName(const std::string& target, int attempt) {
  return attempt == 0 ? target + ".part" : target + "." + std::to_string(attempt) + ".part";
}

// A new, empty temporary file beside `target`, under a name nothing else
// has; nullopt when the folder takes no new file.
std::optional<std::string> createTemporaryFor(const std::string& target) {
  for (int attempt = 0; attempt < kTemporaryNames; ++attempt) {
    std::string name = temporaryName(target, attempt);
    switch (createNewFile(name)) {
      case NewFile::Created: return name;
      case NewFile::NameTaken: continue;
      case NewFile::Refused: return std::nullopt;
    }
  }
  return std::nullopt;
}

// Writes `bytes` into the file made by createTemporaryFor. False when any
// byte did not reach it (a full disk, say).
bool writeTemporary(const std::string& temporary, const std::string& bytes) {
  std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  const bool written = static_cast<bool>(out);
  out.close();
  return written && !out.fail();
}

bool writeInPlace(const std::string& target, const std::string& bytes) {
  return overwriteInPlace(target, bytes, readWholeFile(target));
}

}  // namespace

bool writeFileReplacing(const std::string& fileName, const std::string& bytes) {
  const std::string target = finalPathOf(fileName);
  const std::optional<std::string> temporary = createTemporaryFor(target);
  if (!temporary) return writeInPlace(target, bytes);
  if (!writeTemporary(*temporary, bytes)) {
    std::remove(temporary->c_str());
    return false;
  }
  if (replaceFileWith(*temporary, target)) return true;
  // The earlier file may be written but not replaced (another program holds
  // it open and will not let it be deleted).
  std::remove(temporary->c_str());
  return writeInPlace(target, bytes);
}

}  // namespace velmora
