#include "cabrillo/base_path.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(BasePath, ReplacesSlashesAndTrimsWhiteSpaceOnly) {
  const std::pair<const char*, const char*> cases[] = {
      {"F/DL1XX/P", "F_DL1XX_P"},
      {"F\\DL1XX", "F_DL1XX"},
      {"  F6 BBB \t\r\n", "F6 BBB"},
      {"f6bbb", "f6bbb"},
      {"F6:BBB", "F6:BBB"},
      {"", "VIRDO"},
      {" \t\v\f\r\n", "VIRDO"},
  };
  for (const auto& [call, expected] : cases) EXPECT_EQ(basePathFromCall(call), expected) << call;
}

TEST(BasePath, RefusesCharactersAndDeviceNamesNoFileMayCarry) {
  const char* refused[] = {"F6:BBB", "F6<", ">F", "A\"B", "A|B", "A?", "A*", "A\tB", "A\x01",
                           "CON", "con", "Prn", "AUX", "nul", "COM1", "com9", "LPT1", "lpt9", "CON.X", "nul .a.b", "Aux."};
  for (const char* name : refused) EXPECT_FALSE(isAcceptableBasePath(name)) << name;
  const char* accepted[] = {"F6BBB", "F_DL1XX_P", "F6 BBB", "COM", "COM0", "COM10", "LPT",
                            "CONX", "NULL", "VIRDO", "f6bbb.x", "X.CON", "A CON"};
  for (const char* name : accepted) EXPECT_TRUE(isAcceptableBasePath(name)) << name;
}

}  // namespace
}  // namespace velmora
