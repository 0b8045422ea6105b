#pragma once
// The reference file that maps French call signs to their two-character
// departments. One record per line: the call sign, one separator character
// (any), the department. A line ends with LF or CR LF; a last line without
// either still counts, and a CR that ends the file ends it as well. Lines of
// any length are read whole, and lines of fewer than 4 characters hold no
// record. The first record whose call sign equals the looked-up call
// (byte-exact, case-sensitive) decides.

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// The length of a department in a record.
inline constexpr std::size_t kRefFileDepartmentLength = 2;

// One record as the reader above takes it: the call, a blank, the
// department (kRefFileDepartmentLength characters), CR LF.
std::string refFileRecord(std::string_view call, std::string_view department);

// The department of the first record for `call` in `records`, read to the
// first match or the end; nullopt when there is none.
std::optional<std::string> findDepartment(std::istream& records, std::string_view call);

// Opens the file at `path` afresh, looks `call` up and closes the file again
// before returning. A file that cannot be opened holds no record.
std::optional<std::string> lookupDepartment(const std::string& path, std::string_view call);

}  // namespace velmora
