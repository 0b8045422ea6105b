#pragma once
// Reads the export and import tables of a 32-bit Windows DLL from its bytes,
// so that a test can compare them with what the host expects.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velmora::testing {

struct PeExport {
  std::uint32_t ordinal = 0;
  std::string name;  // empty for an ordinal without a name
  std::uint32_t rva = 0;
};

struct PeImage {
  bool is32Bit = false;
  std::string moduleName;            // the export directory's name
  std::uint32_t ordinalBase = 0;
  std::vector<PeExport> exports;     // by ordinal
  std::vector<std::string> imports;  // imported DLL names, in table order
};

// Nullopt when the bytes are not a well-formed PE image.
std::optional<PeImage> readPeImage(const std::string& bytes);

}  // namespace velmora::testing
