// The plug-in's files in a bad state, met through the exported entries: a
// missing Plugins folder, a reference file or extra header file that is a
// folder, a Cabrillo log that cannot be written. Whatever the fault, every
// entry keeps answering, nothing written before is lost, and the operator
// hears of a log that was not produced.

#include <filesystem>
#include <string>
#include <vector>

#include "exporting_scenario.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include "child_process.h"
#endif

namespace velmora::testing {
namespace {

namespace fs = std::filesystem;

constexpr int kNoNewMultiplier = 1;
constexpr int kNewDxcc = 2;
constexpr int kNewDepartment = 3;

class FileFaults : public ExportingScenario {
 protected:
  int check(const std::string& call, const std::string& prefix) {
    host::CallCheck c;
    c.call = call;
    c.dxccPrefix = prefix;
    char expected[128] = "";
    char message[56] = "";
    return plugin().checkCall(c, expected, message);
  }
};
VELMORA_SCENARIO_SUITE_PLAIN_NAMES(FileFaults);

TEST_P(FileFaults, MissingPluginsFolderStillScoresChecksAndExports) {
  startExporting();
  logOneQso();
  EXPECT_EQ(check("F6ABC", "F"), kNoNewMultiplier);  // no reference file: no department known
  EXPECT_EQ(check("DL1XX", "DL"), kNewDxcc);
  std::vector<ShownMessage> shown;
  EXPECT_TRUE(hasLine(request(shown), "Total\t 1\t 6\t 1\t  0"));
  EXPECT_TRUE(shownExactly(shown, {{"File produced: F6BBB.cbr", "Output", 64}}));
  EXPECT_NE(folder().readFile("F6BBB.cbr").find("F5AAA"), std::string::npos);
  EXPECT_FALSE(folder().exists("Plugins"));
}

// A file named Plugins leaves no way to the reference or settings file
// (even for root, which ignores permission bits).
TEST_P(FileFaults, PluginsThatIsAFileLeavesEveryEntryWorking) {
  folder().writeFile("Plugins", "not a folder");
  startExporting();
  logOneQso();
  EXPECT_EQ(check("F5AB", "F"), kNoNewMultiplier);
  std::vector<ShownMessage> shown;
  EXPECT_TRUE(hasLine(request(shown), "Total\t 1\t 6\t 1\t  0"));
  EXPECT_TRUE(shownExactly(shown, {{"File produced: F6BBB.cbr", "Output", 64}}));
  EXPECT_EQ(folder().readFile("Plugins"), "not a folder");
}

TEST_P(FileFaults, ReferenceFileThatIsAFolderHoldsNoRecord) {
  fs::create_directories(folder().path() / "Plugins" / "ref.txt");
  EXPECT_EQ(check("F5AB", "F"), kNoNewMultiplier);
  fs::remove(folder().path() / "Plugins" / "ref.txt");
  folder().writeFile("Plugins/ref.txt", "F5AB 75\n");
  EXPECT_EQ(check("F5AB", "F"), kNewDepartment);  // the same check once the file is back
}

#if defined(_WIN32)
TEST_P(FileFaults, ReferenceFileLockedByAnotherProgramHoldsNoRecord) {
  folder().writeFile("Plugins/ref.txt", "F5AB 75\n");
  HANDLE held = CreateFileA("Plugins/ref.txt", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_EQ(check("F5AB", "F"), kNoNewMultiplier);
  CloseHandle(held);
  EXPECT_EQ(check("F5AB", "F"), kNewDepartment);
}
#else
// Root reads any file, so the check runs in a child with an ordinary user's ids.
TEST_P(FileFaults, UnreadableReferenceFileHoldsNoRecord) {
  folder().writeFile("Plugins/ref.txt", "F5AB 75\n");
  fs::permissions(folder().path() / "Plugins" / "ref.txt", fs::perms::none);
  EXPECT_TRUE(inUnprivilegedChild([this] { return check("F5AB", "F") == kNoNewMultiplier; }));
  fs::permissions(folder().path() / "Plugins" / "ref.txt", fs::perms::owner_read);
  EXPECT_EQ(check("F5AB", "F"), kNewDepartment);  // readable again: found again
}
#endif

TEST_P(FileFaults, ExtraHeaderFileThatIsAFolderIsLeftOut) {
  fs::create_directory(folder().path() / "cabrillo.ini");
  startExporting();
  logOneQso();
  std::vector<ShownMessage> shown;
  request(shown);
  EXPECT_TRUE(shownExactly(shown, {{"File produced: F6BBB.cbr", "Output", 64}}));
  const std::string log = folder().readFile("F6BBB.cbr");
  EXPECT_NE(log.find("SOAPBOX: \r\nQSO: "), std::string::npos);
  EXPECT_TRUE(fs::is_directory(folder().path() / "cabrillo.ini"));
}

TEST_P(FileFaults, SettingsFileThatIsAFolderGivesDefaultsScoreAndExport) {
  fs::create_directories(folder().path() / "Plugins" / "VIRDO.ini");
  startExporting();
  logOneQso();
  std::vector<ShownMessage> shown;
  EXPECT_TRUE(hasLine(request(shown), "Total\t 1\t 6\t 1\t  0"));
  EXPECT_TRUE(shownExactly(shown, {{"File produced: F6BBB.cbr", "Output", 64}}));
  EXPECT_NE(folder().readFile("F6BBB.cbr").find("CATEGORY: SOAB\r\n"), std::string::npos);
  EXPECT_TRUE(fs::is_directory(folder().path() / "Plugins" / "VIRDO.ini"));
}

TEST_P(FileFaults, CabrilloTargetThatIsAFolderIsReportedAndKept) {
  folder().writeFile("F6BBB.cbr/kept.txt", "kept");
  startExporting();
  logOneQso();
  std::vector<ShownMessage> shown;
  EXPECT_TRUE(hasLine(request(shown), "Total\t 1\t 6\t 1\t  0"));
  EXPECT_TRUE(shownExactly(shown, {{"File not produced: F6BBB.cbr", "Output", 16}}));
  EXPECT_EQ(folder().readFile("F6BBB.cbr/kept.txt"), "kept");
  EXPECT_FALSE(folder().holdsTemporaryFile());
}

// The Cabrillo file's name is a FIFO (a program that reads the log as it is
// written might make one): it is neither replaced nor opened for writing,
// which would wait for a reader for ever.
TEST_P(FileFaults, CabrilloTargetThatIsAFifoIsReportedAndKept) {
  ASSERT_TRUE(folder().makeFifo("F6BBB.cbr"));
  startExporting();
  logOneQso();
  std::vector<ShownMessage> shown;
  EXPECT_TRUE(hasLine(request(shown), "Total\t 1\t 6\t 1\t  0"));
  EXPECT_TRUE(shownExactly(shown, {{"File not produced: F6BBB.cbr", "Output", 16}}));
  EXPECT_TRUE(folder().isFifo("F6BBB.cbr"));
  EXPECT_FALSE(folder().holdsTemporaryFile());
}

#if defined(_WIN32)
// The operator has the earlier log open in a program that shares it with
// nobody: the new log cannot take its place, and the earlier one stays.
TEST_P(FileFaults, CabrilloFileHeldOpenByAnotherProgramIsReportedAndKept) {
  folder().writeFile("F6BBB.cbr", "earlier log");
  HANDLE held = CreateFileA("F6BBB.cbr", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  startExporting();
  logOneQso();
  std::vector<ShownMessage> shown;
  request(shown);
  CloseHandle(held);
  EXPECT_TRUE(shownExactly(shown, {{"File not produced: F6BBB.cbr", "Output", 16}}));
  EXPECT_EQ(folder().readFile("F6BBB.cbr"), "earlier log");
  EXPECT_FALSE(folder().holdsTemporaryFile());
}
#else
// The host's current folder removed from under it: nothing can be created
// there, not even by root.
TEST_P(FileFaults, CurrentFolderRemovedUnderTheHostIsReported) {
  startExporting();
  logOneQso();
  fs::remove_all(folder().path());
  std::vector<ShownMessage> shown;
  EXPECT_TRUE(hasLine(request(shown), "Total\t 1\t 6\t 1\t  0"));
  EXPECT_TRUE(shownExactly(shown, {{"File not produced: F6BBB.cbr", "Output", 16}}));
  EXPECT_EQ(check("F5AB", "F"), kNoNewMultiplier);
}

// A folder the operator may not write in. Root ignores permission bits, so
// the request runs in a child process with an ordinary user's ids.
TEST_P(FileFaults, ReadOnlyFolderIsReportedAndKeepsTheEarlierLog) {
  folder().writeFile("F6BBB.cbr", "earlier log");
  startExporting();
  logOneQso();
  fs::permissions(folder().path(), fs::perms::owner_read | fs::perms::owner_exec |
                                       fs::perms::group_read | fs::perms::group_exec |
                                       fs::perms::others_read | fs::perms::others_exec);
  EXPECT_TRUE(inUnprivilegedChild([this] {
    std::vector<ShownMessage> shown;
    const bool scored = hasLine(request(shown), "Total\t 1\t 6\t 1\t  0");
    return scored && shownExactly(shown, inPlace("F6BBB.cbr", "this folder takes no new file",
                                                 {"File not produced: F6BBB.cbr", "Output", 16}));
  }));
  EXPECT_EQ(folder().readFile("F6BBB.cbr"), "earlier log");
  EXPECT_FALSE(folder().holdsTemporaryFile());
}
#endif

}  // namespace
}  // namespace velmora::testing
