#include "classify/ref_file.h"

#include <fstream>
#include <memory>

#include "text/short_text.h"

namespace velmora {
namespace {

constexpr std::size_t kDepartmentLength = kRefFileDepartmentLength;
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

// A line loses a CR at its end: one directly before its LF, or the last
// byte of the file.
std::string_view withoutCarriageReturn(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

// The first record for a non-empty `call` among `lines`, whole lines each
// ended by LF. A record for the call is a line that begins with it, so the
// search jumps from one occurrence of the call's last character to the next
// and looks at the line only where the call ends there and begins a line.
std::optional<std::string_view> firstRecordIn(std::string_view lines, std::string_view call) {
  const char last = call.back();
  for (std::size_t at = lines.find(last, call.size() - 1); at != std::string_view::npos;
       at = lines.find(last, at + 1)) {
    const std::size_t start = at + 1 - call.size();
    if ((start != 0 && lines[start - 1] != '\n') || !sameText(lines.substr(start, call.size()), call)) {
      continue;
    }
    const std::size_t end = lines.find('\n', at);
    const std::string_view line = withoutCarriageReturn(lines.substr(start, end - start));
    if (isRecordFor(line, call)) return line;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> findDepartment(std::istream& records, std::string_view call) {
  // Every record has a call of one character or more, and no call spans lines.
  if (call.empty() || call.find('\n') != std::string_view::npos) return std::nullopt;
  const std::unique_ptr<char[]> block(new char[kBlockSize]);
  std::string cut;  // the start of a line that runs on into the next block
  do {
    records.read(block.get(), static_cast<std::streamsize>(kBlockSize));
    std::string_view data(block.get(), static_cast<std::size_t>(records.gcount()));
    if (!cut.empty()) {
      const std::size_t end = data.find('\n');
      cut.append(data.substr(0, end));
      if (end == std::string_view::npos) continue;
      const std::string_view line = withoutCarriageReturn(cut);
      if (isRecordFor(line, call)) return departmentOf(line);
      cut.clear();
      data.remove_prefix(end + 1);
    }
    const std::size_t lastEnd = data.rfind('\n');
    const std::size_t whole = lastEnd == std::string_view::npos ? 0 : lastEnd + 1;
    if (auto record = firstRecordIn(data.substr(0, whole), call)) return departmentOf(*record);
    cut.assign(data.substr(whole));
  } while (records);
  // A last line without a LF: a CR at its end is its line end.
  const std::string_view last = withoutCarriageReturn(cut);
  if (isRecordFor(last, call)) return departmentOf(last);
  return std::nullopt;
}

std::string refFileRecord(std::string_view call, std::string_view department) {
  return std::string(call) + " " + std::string(department) + "\r\n";
}

std::optional<std::string> lookupDepartment(const std::string& path, std::string_view call) {
  // Binary, so that line ends are read alike on every platform.
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  return findDepartment(file, call);
}

}  // namespace velmora
