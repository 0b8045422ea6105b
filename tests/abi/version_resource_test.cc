// Stats.dll and velmora.exe carry a version resource with the project's
// version, as Windows Explorer shows it under Properties, Details: read back
// through the system's own version functions. VELMORA_DLL and VELMORA_EXE in
// the environment name other copies to read (the ones in the release zip).

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

namespace velmora::testing {
namespace {

struct Module {
  const char* variable;   // names another copy of the file
  const char* fileName;   // as built, and as the resource names it
  DWORD fileType;
};

// gtest names a case's module by its file.
void PrintTo(const Module& module, std::ostream* out) { *out << module.fileName; }

std::string fileOf(const Module& module) {
  const char* other = std::getenv(module.variable);
  return other != nullptr ? other : module.fileName;
}

class VersionResource : public ::testing::TestWithParam<Module> {
 protected:
  void SetUp() override {
    file = fileOf(GetParam());
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(file.c_str(), &ignored);
    ASSERT_NE(size, 0u) << file << " has no version resource (error " << GetLastError() << ")";
    info.resize(size);
    ASSERT_TRUE(GetFileVersionInfoA(file.c_str(), 0, size, info.data())) << file;
  }

  // A value of the first string table the resource's translation list names.
  std::string text(const char* name) {
    struct Translation {
      WORD language;
      WORD codePage;
    }* translation = nullptr;
    UINT size = 0;
    if (!VerQueryValueA(info.data(), "\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translation), &size) ||
        size < sizeof(Translation)) {
      return "(no translation list)";
    }
    char key[96];
    std::snprintf(key, sizeof key, "\\StringFileInfo\\%04x%04x\\%s", translation->language,
                  translation->codePage, name);
    char* value = nullptr;
    if (!VerQueryValueA(info.data(), key, reinterpret_cast<void**>(&value), &size)) {
      return "(no " + std::string(name) + ")";
    }
    return value;
  }

  std::string file;
  std::vector<char> info;
};

TEST_P(VersionResource, NamesTheProjectVersionTheProductAndTheFile) {
  EXPECT_EQ(text("FileVersion"), VELMORA_VERSION);
  EXPECT_EQ(text("ProductVersion"), VELMORA_VERSION);
  EXPECT_EQ(text("ProductName"), "Velmora");
  EXPECT_EQ(text("OriginalFilename"), GetParam().fileName);
  EXPECT_EQ(text("FileDescription").rfind("Velmora ", 0), 0u) << text("FileDescription");
  EXPECT_NE(text("LegalCopyright").find("MIT"), std::string::npos) << text("LegalCopyright");
}

TEST_P(VersionResource, FixedPartHoldsTheVersionNumbersAndTheFileType) {
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT size = 0;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &size));
  ASSERT_GE(size, sizeof(VS_FIXEDFILEINFO));
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(HIWORD(fixed->dwFileVersionMS), VELMORA_VERSION_MAJOR);
  EXPECT_EQ(LOWORD(fixed->dwFileVersionMS), VELMORA_VERSION_MINOR);
  EXPECT_EQ(HIWORD(fixed->dwFileVersionLS), VELMORA_VERSION_PATCH);
  EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
  EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
  EXPECT_EQ(fixed->dwFileType, GetParam().fileType);
}

INSTANTIATE_TEST_SUITE_P(Modules, VersionResource,
                         ::testing::Values(Module{"VELMORA_DLL", "Stats.dll", VFT_DLL},
                                           Module{"VELMORA_EXE", "velmora.exe", VFT_APP}),
                         [](const ::testing::TestParamInfo<Module>& module) {
                           return std::string(module.param.variable + 8);  // DLL or EXE
                         });

}  // namespace
}  // namespace velmora::testing
