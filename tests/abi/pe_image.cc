#include "pe_image.h"

#include <cstring>

namespace velmora::testing {
namespace {

class Reader {
 public:
  explicit Reader(const std::string& bytes) : bytes_(bytes) {}

  bool has(std::uint64_t offset, std::uint64_t size) const {
    return offset <= bytes_.size() && size <= bytes_.size() - offset;
  }
  std::uint32_t u32(std::uint64_t offset) const { return little(offset, 4); }
  std::uint16_t u16(std::uint64_t offset) const { return static_cast<std::uint16_t>(little(offset, 2)); }
  std::string zstring(std::uint64_t offset) const {
    if (!has(offset, 1)) throw Malformed();
    const std::size_t end = bytes_.find('\0', offset);
    if (end == std::string::npos) throw Malformed();
    return bytes_.substr(offset, end - offset);
  }

  struct Malformed {};

 private:
  std::uint32_t little(std::uint64_t offset, int size) const {
    if (!has(offset, static_cast<std::uint64_t>(size))) throw Malformed();
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
      value = (value << 8) | static_cast<unsigned char>(bytes_[offset + static_cast<std::uint64_t>(i)]);
    }
    return value;
  }
  const std::string& bytes_;
};

struct Section {
  std::uint32_t virtualAddress, virtualSize, rawOffset, rawSize;
};

std::uint64_t fileOffset(const std::vector<Section>& sections, std::uint32_t rva) {
  for (const Section& s : sections) {
    const std::uint32_t size = s.virtualSize > s.rawSize ? s.virtualSize : s.rawSize;
    if (rva >= s.virtualAddress && rva < s.virtualAddress + size) {
      return std::uint64_t{rva} - s.virtualAddress + s.rawOffset;
    }
  }
  throw Reader::Malformed();
}

}  // namespace

std::optional<PeImage> readPeImage(const std::string& bytes) {
  try {
    Reader in(bytes);
    if (in.u16(0) != 0x5A4D) return std::nullopt;  // "MZ"
    const std::uint32_t pe = in.u32(0x3C);
    if (in.u32(pe) != 0x00004550) return std::nullopt;  // "PE\0\0"
    const std::uint32_t coff = pe + 4;
    const std::uint16_t sectionCount = in.u16(coff + 2);
    const std::uint16_t optionalSize = in.u16(coff + 16);
    const std::uint32_t optional = coff + 20;

    PeImage image;
    image.is32Bit = in.u16(optional) == 0x10B && in.u16(coff) == 0x14C;
    if (!image.is32Bit) return image;
    const std::uint32_t directories = optional + 96;

    std::vector<Section> sections;
    const std::uint32_t table = optional + optionalSize;
    for (std::uint32_t i = 0; i < sectionCount; ++i) {
      const std::uint32_t s = table + i * 40;
      sections.push_back({in.u32(s + 12), in.u32(s + 8), in.u32(s + 20), in.u32(s + 16)});
    }

    if (const std::uint32_t exportRva = in.u32(directories); exportRva != 0) {
      const std::uint64_t dir = fileOffset(sections, exportRva);
      image.moduleName = in.zstring(fileOffset(sections, in.u32(dir + 12)));
      image.ordinalBase = in.u32(dir + 16);
      const std::uint32_t functionCount = in.u32(dir + 20);
      const std::uint32_t nameCount = in.u32(dir + 24);
      const std::uint64_t functions = fileOffset(sections, in.u32(dir + 28));
      for (std::uint32_t i = 0; i < functionCount; ++i) {
        image.exports.push_back({image.ordinalBase + i, "", in.u32(functions + 4 * i)});
      }
      const std::uint64_t names = fileOffset(sections, in.u32(dir + 32));
      const std::uint64_t ordinals = fileOffset(sections, in.u32(dir + 36));
      for (std::uint32_t i = 0; i < nameCount; ++i) {
        const std::uint16_t index = in.u16(ordinals + 2 * i);
        if (index >= image.exports.size()) return std::nullopt;
        image.exports[index].name = in.zstring(fileOffset(sections, in.u32(names + 4 * i)));
      }
    }

    if (const std::uint32_t importRva = in.u32(directories + 8); importRva != 0) {
      for (std::uint64_t d = fileOffset(sections, importRva);; d += 20) {
        const std::uint32_t nameRva = in.u32(d + 12);
        if (nameRva == 0) break;
        image.imports.push_back(in.zstring(fileOffset(sections, nameRva)));
      }
    }
    return image;
  } catch (const Reader::Malformed&) {
    return std::nullopt;
  }
}

}  // namespace velmora::testing
