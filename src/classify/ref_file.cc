#include "classify/ref_file.h"

#include <fstream>

namespace velmora {
namespace {

constexpr std::size_t kDepartmentLength = 2;
// The shortest record: a one-character call, the separator, the department.
constexpr std::size_t kShortestRecord = 1 + 1 + kDepartmentLength;

// Reads one line without its line end. A CR counts as part of the line end
// only directly before the LF.
bool readLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  const bool endedByLineFeed = !in.eof();
  if (endedByLineFeed && !line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

}  // namespace

std::optional<std::string> findDepartment(std::istream& records, std::string_view call) {
  std::string line;
  while (readLine(records, line)) {
    if (line.size() < kShortestRecord) continue;
    const std::size_t callLength = line.size() - kDepartmentLength - 1;
    if (std::string_view(line).substr(0, callLength) == call) {
      return line.substr(line.size() - kDepartmentLength);
    }
  }
  return std::nullopt;
}

std::optional<std::string> LookupDepartment(const std::string& path, std::string_view call) {
  // Binary, so that line ends are read alike on every platform.
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  return findDepartment(file, call);
}

}  // namespace velmora
