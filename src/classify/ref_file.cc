#include "classify/ref_file.h"

#include <algorithm>
#include <fstream>
#include <memory>

#include "log/short_text.h"

namespace velmora {
namespace {

constexpr std::size_t kDepartmentLength = 2;
// The shortest record: a one-character call, the separator, the department.
constexpr std::size_t kShortestRecord = 1 + 1 + kDepartmentLength;

// The file is read in blocks of this size and split into lines in memory.
constexpr std::size_t kBlockSize = 64 * 1024;

// Whether `line` (without its line end) is a record for `call`.
bool isRecordFor(std::string_view line, std::string_view call) {
  return line.size() >= kShortestRecord && line.size() - kDepartmentLength - 1 == call.size() &&
         sameText(line.substr(0, call.size()), call);
}

std::string departmentOf(std::string_view record) {
  return std::string(record.substr(record.size() - kDepartmentLength));
}

// A line ended by LF loses a CR directly before the LF.
std::string_view withoutCarriageReturn(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

}  // namespace

std::optional<std::string> findDepartment(std::istream& records, std::string_view call) {
  const std::unique_ptr<char[]> block(new char[kBlockSize]);
  std::string cut;  // the start of a line that runs on into the next block
  do {
    records.read(block.get(), static_cast<std::streamsize>(kBlockSize));
    const char* next = block.get();
    const char* const stop = next + records.gcount();
    // Lines are short: finding their ends in place beats a library call per line.
    for (const char* end = std::find(next, stop, '\n'); end != stop;
         next = end + 1, end = std::find(next, stop, '\n')) {
      std::string_view line(next, static_cast<std::size_t>(end - next));
      if (!cut.empty()) line = cut.append(line);
      line = withoutCarriageReturn(line);
      if (isRecordFor(line, call)) return departmentOf(line);
      if (!cut.empty()) cut.clear();
    }
    cut.append(next, static_cast<std::size_t>(stop - next));
  } while (records);
  // A last line without a line end keeps a CR at its end.
  if (isRecordFor(cut, call)) return departmentOf(cut);
  return std::nullopt;
}

std::optional<std::string> LookupDepartment(const std::string& path, std::string_view call) {
  // Binary, so that line ends are read alike on every platform.
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  return findDepartment(file, call);
}

}  // namespace velmora
