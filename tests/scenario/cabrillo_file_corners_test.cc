// Where the Cabrillo log is produced although a new file moved over the
// earlier one is not possible or not wanted: a folder that takes no new file,
// a name too long for the temporary file's, a log kept behind a symbolic
// link, files of the operator's bearing the temporary file's name, an earlier
// log open in another program. Each time the log is produced wherever plainly
// emptying and writing the file would have produced it, and nothing else of
// the operator's is touched.

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "exporting_scenario.h"

#if defined(_WIN32)
#include "held_file.h"
#else
#include "child_process.h"
#endif

namespace velmora::testing {
namespace {

namespace fs = std::filesystem;

// 250 characters and ".cbr" fit the 255 that a file name may have (ext4),
// with no room left for the temporary file's dot, number and ".part".
const std::string kLongCall = "F" + std::string(249, 'K');
const std::string kNoRoomForATemporary = "its name leaves no room for a temporary file's";

using Names = std::vector<std::string>;

class CabrilloFileCorners : public ExportingScenario {
 protected:
  ::testing::AssertionResult produced(const std::string& fileName) {
    return announced({{"File produced: " + fileName, std::string("Output"), 64}});
  }
  ::testing::AssertionResult notProduced(const std::string& fileName) {
    return announced({{"File not produced: " + fileName, std::string("Output"), 16}});
  }
  ::testing::AssertionResult producedInPlace(const std::string& fileName, const std::string& reason) {
    return announced(inPlace(fileName, reason, {"File produced: " + fileName, std::string("Output"), 64}));
  }

  // The names in a folder under the working folder, sorted.
  Names names(const std::string& relative = ".") {
    Names found;
    for (const auto& entry : fs::directory_iterator(folder().path() / relative)) {
      found.push_back(entry.path().filename().string());
    }
    std::sort(found.begin(), found.end());
    return found;
  }

  // The whole log of the one QSO, nothing of an earlier file left.
  static bool isTheNewLog(const std::string& bytes) {
    const std::string end = "END-OF-LOG:\r\n";
    return bytes.rfind("START-OF-LOG: 2.0\r\n", 0) == 0 && bytes.find(" F5AAA ") != std::string::npos &&
           bytes.size() > end.size() && bytes.compare(bytes.size() - end.size(), end.size(), end) == 0;
  }

#if !defined(_WIN32)
  // The folder takes no new file, while a file in it may still be written
  // by all (root ignores these bits: the export then runs as `nobody`).
  void makeFolderReadOnly(const std::string& writableFile) {
    fs::permissions(folder().path() / writableFile,
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                        fs::perms::group_write | fs::perms::others_read | fs::perms::others_write);
    fs::permissions(folder().path(), fs::perms::owner_read | fs::perms::owner_exec |
                                         fs::perms::group_read | fs::perms::group_exec |
                                         fs::perms::others_read | fs::perms::others_exec);
  }
#endif

 private:
  // One summary request: the summary, and exactly these messages.
  ::testing::AssertionResult announced(const std::vector<ExpectedMessage>& expected) {
    std::vector<ShownMessage> shown;
    if (!hasLine(request(shown), "Total\t 1\t 6\t 1\t  0")) {
      return ::testing::AssertionFailure() << "no summary";
    }
    return shownExactly(shown, expected);
  }
};
VELMORA_SCENARIO_SUITE_PLAIN_NAMES(CabrilloFileCorners);

#if !defined(_WIN32)
// The operator may write the earlier log but not create files beside it. The
// earlier log is longer than the new one: none of its bytes may be left over.
TEST_P(CabrilloFileCorners, FolderThatTakesNoNewFileHasTheEarlierLogWrittenInPlace) {
  folder().writeFile("F6BBB.cbr", std::string(5000, 'x'));
  startExporting();
  logOneQso();
  makeFolderReadOnly("F6BBB.cbr");
  EXPECT_TRUE(inUnprivilegedChild([this] {
    return static_cast<bool>(producedInPlace("F6BBB.cbr", "this folder takes no new file"));
  }));
  EXPECT_TRUE(isTheNewLog(folder().readFile("F6BBB.cbr")));
  EXPECT_EQ(names(), Names{"F6BBB.cbr"});  // no temporary file, nor an extra header file
}
#endif

TEST_P(CabrilloFileCorners, NameTooLongForTheTemporaryIsWrittenInPlace) {
  startExporting(kLongCall);
  logOneQso();
  EXPECT_TRUE(producedInPlace(kLongCall + ".cbr", kNoRoomForATemporary));
  EXPECT_TRUE(isTheNewLog(folder().readFile(kLongCall + ".cbr")));
  EXPECT_EQ(names(), (Names{kLongCall + ".cbr", "cabrillo.ini"}));
}

#if !defined(_WIN32)
TEST_P(CabrilloFileCorners, NameTooLongForTheTemporaryInAFolderThatTakesNoNewFile) {
  folder().writeFile(kLongCall + ".cbr", "earlier log");
  startExporting(kLongCall);
  logOneQso();
  makeFolderReadOnly(kLongCall + ".cbr");
  EXPECT_TRUE(inUnprivilegedChild([this] {
    return static_cast<bool>(producedInPlace(kLongCall + ".cbr", kNoRoomForATemporary));
  }));
  EXPECT_TRUE(isTheNewLog(folder().readFile(kLongCall + ".cbr")));
  EXPECT_EQ(names(), Names{kLongCall + ".cbr"});
}
#endif

// The operator keeps the logs in another folder and links them in: the file
// the link leads to gets the new log (its temporary file made beside it),
// and the link stays a link.
TEST_P(CabrilloFileCorners, SymbolicLinkIsWrittenThroughAndStaysALink) {
  folder().writeFile("logs/F6BBB.cbr", "earlier log");
  ASSERT_TRUE(folder().makeLink("F6BBB.cbr", "logs/F6BBB.cbr"));
  startExporting();
  logOneQso();
  EXPECT_TRUE(produced("F6BBB.cbr"));
  EXPECT_TRUE(isTheNewLog(folder().readFile("logs/F6BBB.cbr")));
  EXPECT_TRUE(folder().leadsTo("F6BBB.cbr", "logs/F6BBB.cbr"));
  EXPECT_EQ(names(), (Names{"F6BBB.cbr", "cabrillo.ini", "logs"}));
  EXPECT_EQ(names("logs"), Names{"F6BBB.cbr"});
}

#if !defined(_WIN32)
// A chain of links, each relative to its own folder, ending in a log not
// written yet: the log is made where the chain ends.
TEST_P(CabrilloFileCorners, ChainOfLinksToALogNotWrittenYetIsFollowedToItsEnd) {
  fs::create_directories(folder().path() / "logs" / "2011");
  ASSERT_TRUE(folder().makeLink("logs/current.cbr", "2011/F6BBB.cbr"));
  ASSERT_TRUE(folder().makeLink("F6BBB.cbr", "logs/current.cbr"));
  startExporting();
  logOneQso();
  EXPECT_TRUE(produced("F6BBB.cbr"));
  EXPECT_TRUE(isTheNewLog(folder().readFile("logs/2011/F6BBB.cbr")));
  EXPECT_TRUE(folder().leadsTo("F6BBB.cbr", "logs/2011/F6BBB.cbr"));
  EXPECT_TRUE(folder().leadsTo("logs/current.cbr", "logs/2011/F6BBB.cbr"));
  EXPECT_EQ(names("logs/2011"), Names{"F6BBB.cbr"});
}
#endif

// A file, a folder and a link of the operator's bear the names the
// temporary file would take: none is written, moved or followed.
TEST_P(CabrilloFileCorners, FilesWithTheTemporaryNameAreNeverTouched) {
  folder().writeFile("F6BBB.cbr", "earlier log");
  folder().writeFile("F6BBB.cbr.part", "operator's notes");
  folder().writeFile("F6BBB.cbr.1.part/inside.txt", "kept");
  folder().writeFile("notes.txt", "more notes");
  ASSERT_TRUE(folder().makeLink("F6BBB.cbr.2.part", "notes.txt"));
  startExporting();
  logOneQso();
  EXPECT_TRUE(produced("F6BBB.cbr"));
  EXPECT_TRUE(isTheNewLog(folder().readFile("F6BBB.cbr")));
  EXPECT_EQ(folder().readFile("F6BBB.cbr.part"), "operator's notes");
  EXPECT_EQ(folder().readFile("F6BBB.cbr.1.part/inside.txt"), "kept");
  EXPECT_EQ(folder().readFile("notes.txt"), "more notes");
  EXPECT_TRUE(folder().leadsTo("F6BBB.cbr.2.part", "notes.txt"));
  EXPECT_EQ(names(), (Names{"F6BBB.cbr", "F6BBB.cbr.1.part", "F6BBB.cbr.2.part", "F6BBB.cbr.part",
                            "cabrillo.ini", "notes.txt"}));
}

#if defined(_WIN32)
// The earlier log is open in another program that does not let it be
// deleted, so no new file can take its place. Where that program lets
// others write it (an editor, a viewer), it is written in place; where it
// does not, it stays as it was and the operator hears so.
TEST_P(CabrilloFileCorners, LogOpenInAnotherProgramIsWrittenInPlaceWhereThatProgramAllowsIt) {
  struct Case {
    DWORD share;
    bool written;
  };
  for (const Case c : {Case{FILE_SHARE_READ | FILE_SHARE_WRITE, true}, Case{FILE_SHARE_READ, false},
                       Case{0, false}}) {
    SCOPED_TRACE(c.share);
    folder().writeFile("F6BBB.cbr", "earlier log");
    startExporting();
    logOneQso();
    {
      const HeldFile held("F6BBB.cbr", c.share);
      ASSERT_TRUE(held.held());
      EXPECT_TRUE(c.written ? produced("F6BBB.cbr") : notProduced("F6BBB.cbr"));
    }
    const std::string log = folder().readFile("F6BBB.cbr");
    EXPECT_TRUE(c.written ? isTheNewLog(log) : log == "earlier log");
    EXPECT_EQ(names(), (Names{"F6BBB.cbr", "cabrillo.ini"}));
  }
}
#endif

}  // namespace
}  // namespace velmora::testing
