// Feeds the reference-file reader arbitrary file contents and a call sign,
// and checks what the reader promises whatever the file holds:
// - a department found is two characters, and the file holds a line that is
//   the call sign, one separator and that department;
// - the same file with CR LF line ends gives the same answer;
// - a CR ending the file ends its last line as a LF does.

#include <fuzzer/FuzzedDataProvider.h>

#include <sstream>
#include <string>

#include "classify/ref_file.h"
#include "fuzz_require.h"

namespace {

using velmora::fuzz::require;

std::optional<std::string> lookUp(const std::string& file, const std::string& call) {
  std::istringstream records(file);
  return velmora::findDepartment(records, call);
}

// True when `file` has a line "<call><any character><department>" ending
// with a line end (LF, CR LF, or a CR that ends the file) or the end of the
// file.
bool holdsRecord(const std::string& file, const std::string& call, const std::string& department) {
  for (std::size_t start = 0; start <= file.size();) {
    const std::size_t end = std::min(file.find('\n', start), file.size());
    std::string line = file.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() == call.size() + 1 + department.size() && line.compare(0, call.size(), call) == 0 &&
        line.compare(call.size() + 1, department.size(), department) == 0) {
      return true;
    }
    start = end + 1;
  }
  return false;
}

std::string withCrlf(const std::string& file) {
  std::string out;
  for (char c : file) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string call = in.ConsumeRandomLengthString(12);
  const std::string file = in.ConsumeRemainingBytesAsString();

  const std::optional<std::string> found = lookUp(file, call);
  if (found) {
    require(found->size() == 2, "a department has two characters");
    require(holdsRecord(file, call, *found), "a department comes from a record of the call");
  }
  if (file.find('\r') == std::string::npos) {
    require(lookUp(withCrlf(file), call) == found, "CR LF line ends give the same answer");
    require(lookUp(file + "\r", call) == lookUp(file + "\n", call),
            "a CR ending the file ends the last line as a LF does");
  }
  return 0;
}
