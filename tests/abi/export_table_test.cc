// The built Stats.dll carries exactly the export table the host looks up,
// and imports nothing but Windows system DLLs. VELMORA_DLL in the
// environment names another copy to read (the one in the release zip).

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>

#include "pe_image.h"

namespace velmora::testing {
namespace {

std::string readFile(const char* name) {
  std::ifstream in(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class StatsDll : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* other = std::getenv("VELMORA_DLL");
    const char* file = other != nullptr ? other : VELMORA_DLL_FILE;
    const std::optional<PeImage> read = readPeImage(readFile(file));
    ASSERT_TRUE(read.has_value()) << file << " is not a readable PE image";
    image = *read;
  }
  std::uint32_t rvaOf(const std::string& name) const {
    for (const PeExport& e : image.exports) {
      if (e.name == name) return e.rva;
    }
    return 0;
  }
  PeImage image;
};

TEST_F(StatsDll, IsA32BitImageNamedStatsDll) {
  EXPECT_TRUE(image.is32Bit);
  EXPECT_EQ(image.moduleName, "Stats.dll");
  EXPECT_EQ(image.ordinalBase, 1u);
}

TEST_F(StatsDll, ExportsExactlyTheNineteenNamesAtTheirOrdinals) {
  const std::vector<std::string> expected = {
      "?AddData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z",
      "?CheckCallFunc0@@YAHPBDII00000000000HHHNN0000000PAD1@Z",
      "?GetNumberOfSets@@YAHXZ",
      "?GetResult0@@YAPBDPAH@Z",
      "?GetSetName@@YAPBDH@Z",
      "?RemoveData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z",
      "?ResetStats0@@YAHPBDH0PAVCOleDateTime@@10000000000HHHNN000@Z",
      "?SetupSet0@@YAXXZ",
      "?StatsGetExchgCount0@@YAHPBD00@Z",
      "?StatsIsValidExchg0@@YAHPBD000HHH@Z",
      "AddData0",
      "CheckCall0",
      "GetExchgCount0",
      "GetNumberOfSets",
      "GetResult0",
      "GetSetName",
      "RemoveData0",
      "ResetStats0",
      "SetupSet0",
  };
  ASSERT_EQ(image.exports.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(image.exports[i].ordinal, i + 1);
    EXPECT_EQ(image.exports[i].name, expected[i]) << "ordinal " << i + 1;
    EXPECT_NE(image.exports[i].rva, 0u) << "ordinal " << i + 1;
  }
}

TEST_F(StatsDll, SecondNamesReachTheSameFunction) {
  const std::map<std::string, std::vector<std::string>> sameFunction = {
      {"AddData0", {"?AddData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z"}},
      {"CheckCall0", {"?CheckCallFunc0@@YAHPBDII00000000000HHHNN0000000PAD1@Z"}},
      {"GetNumberOfSets",
       {"?GetNumberOfSets@@YAHXZ", "GetExchgCount0", "?StatsGetExchgCount0@@YAHPBD00@Z"}},
      {"GetResult0", {"?GetResult0@@YAPBDPAH@Z"}},
      {"GetSetName", {"?GetSetName@@YAPBDH@Z"}},
      {"RemoveData0", {"?RemoveData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z"}},
      {"ResetStats0", {"?ResetStats0@@YAHPBDH0PAVCOleDateTime@@10000000000HHHNN000@Z"}},
      {"SetupSet0", {"?SetupSet0@@YAXXZ"}},
  };
  for (const auto& [plain, others] : sameFunction) {
    for (const std::string& other : others) EXPECT_EQ(rvaOf(plain), rvaOf(other)) << plain << " / " << other;
  }
  EXPECT_NE(rvaOf("AddData0"), rvaOf("RemoveData0"));
  EXPECT_NE(rvaOf("?StatsIsValidExchg0@@YAHPBD000HHH@Z"), rvaOf("CheckCall0"));
}

TEST_F(StatsDll, ImportsOnlyWindowsSystemLibraries) {
  const std::vector<std::string> allowed = {"KERNEL32.DLL", "USER32.DLL", "MSVCRT.DLL",
                                            "GDI32.DLL",    "COMCTL32.DLL"};
  ASSERT_FALSE(image.imports.empty());
  for (std::string name : image.imports) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    EXPECT_NE(std::find(allowed.begin(), allowed.end(), name), allowed.end()) << name;
  }
}

TEST(PeImageReader, RefusesBytesThatAreNotAnImage) {
  EXPECT_FALSE(readPeImage("").has_value());
  EXPECT_FALSE(readPeImage("MZ").has_value());
  EXPECT_FALSE(readPeImage(std::string(64, 'M')).has_value());
}

}  // namespace
}  // namespace velmora::testing
