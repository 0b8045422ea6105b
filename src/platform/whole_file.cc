#include "platform/whole_file.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "cabrillo/replace_file.h"

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
    switch (CreateNewFile(name)) {
      case NewFile::Created: return name;
      case NewFile::NameTaken: continue;
      case NewFile::Refused: return std::nullopt;
    }
  }
  return std::nullopt;
}

// Writes the file made by createTemporaryFor through `write`. False when
// any byte did not reach it (a full disk, say).
bool writeTemporary(const std::string& temporary,
                    const std::function<void(std::ostream&)>& write) {
  std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  write(out);
  out.flush();
  const bool written = static_cast<bool>(out);
  out.close();
  return written && !out.fail();
}

// The earlier file's own bytes replaced by what `write` gives: opened,
// emptied and written, as a writer without a temporary file does.
bool writeInPlace(const std::string& target, const std::function<void(std::ostream&)>& write) {
  std::ostringstream bytes;
  write(bytes);
  return bytes && OverwriteInPlace(target, bytes.str(), ReadWholeFile(target));
}

}  // namespace

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
  const std::string target = FinalPathOf(fileName);
  const std::optional<std::string> temporary = createTemporaryFor(target);
  if (!temporary) return writeInPlace(target, write);
  if (!writeTemporary(*temporary, write)) {
    std::remove(temporary->c_str());
    return false;
  }
  if (ReplaceFileWith(*temporary, target)) return true;
  // The earlier file may be written but not replaced (another program holds
  // it open and will not let it be deleted).
  std::remove(temporary->c_str());
  return writeInPlace(target, write);
}

}  // namespace velmora
