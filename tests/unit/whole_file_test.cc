// Writing a whole file where no temporary file can be had by any name.

#include "files/whole_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "working_folder.h"

namespace velmora {
namespace {

// The operator's folder holds files with every name the temporary file
// could take, up to "log.txt.99.part": the file is written in place (a
// second name of the same file sees the new text) and none of them is
// touched.
TEST(WholeFile, EveryTemporaryNameTakenWritesInPlace) {
  testing::WorkingFolder folder;
  folder.writeFile("log.txt", "earlier, and longer than the new text");
  std::filesystem::create_hard_link(folder.path() / "log.txt", folder.path() / "same-file.txt");
  folder.writeFile("log.txt.part", "mine");
  for (int n = 1; n < 100; ++n) folder.writeFile("log.txt." + std::to_string(n) + ".part", "mine");
  EXPECT_TRUE(writeFileReplacing("log.txt", "new"));
  EXPECT_EQ(folder.readFile("log.txt"), "new");
  EXPECT_EQ(folder.readFile("same-file.txt"), "new");
  int untouched = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    const std::string name = entry.path().filename().string();
    untouched += entry.path().extension() == ".part" && folder.readFile(name) == "mine";
  }
  EXPECT_EQ(untouched, 100);
}

}  // namespace
}  // namespace velmora
