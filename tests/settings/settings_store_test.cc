// The settings file of the platform the test is built for, read and written
// through the plug-in's SettingsStore. The same expectations hold for the
// DLL's store (the Windows profile functions, run under Wine) and for the
// Linux store, so both builds passing shows they behave alike.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/file_settings_store.h"
#include "working_folder.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include "child_process.h"
#endif

namespace velmora::testing {
namespace {

constexpr const char* kFile = "Plugins/VIRDO.ini";

class SettingsFile : public ::testing::Test {
 protected:
  void makePluginsFolder() { std::filesystem::create_directory(folder.path() / "Plugins"); }
  std::string bytes() const { return folder.readFile(kFile); }

  WorkingFolder folder;
  FileSettingsStore store{kSettingsFileName};
};

TEST_F(SettingsFile, MissingFileGivesFallbackWithoutTrailingBlanks) {
  EXPECT_EQ(store.read("Settings", "Operators", "F6BBB"), "F6BBB");
  EXPECT_EQ(store.read("Settings", "Name", ""), "");
  EXPECT_EQ(store.read("Settings", "Name", "  x  "), "  x");
}

TEST_F(SettingsFile, WriteCreatesFileWithCrlfAndKeyEqualsValue) {
  makePluginsFolder();
  store.write("Settings", "Claimed", "222");
  EXPECT_EQ(bytes(), "[Settings]\r\nClaimed=222\r\n");
  EXPECT_EQ(store.read("Settings", "Claimed", ""), "222");
}

// Regression: the file is rewritten in place, so a shorter text must cut off
// what is left of the longer one.
TEST_F(SettingsFile, ShorterValueLeavesNothingOfTheLongerOne) {
  makePluginsFolder();
  store.write("Settings", "Claimed", "123456789");
  store.write("Settings", "Claimed", "7");
  EXPECT_EQ(bytes(), "[Settings]\r\nClaimed=7\r\n");
}

// A file of many kilobytes (a long soapbox, many sections) comes through a
// rewrite whole, at every size around the block it is read in, growing and
// shrinking.
TEST_F(SettingsFile, LargeFileKeepsEveryLineThroughRewrites) {
  for (std::size_t size : {4000u, 4070u, 4096u, 4097u, 8192u, 20000u}) {
    const std::string soapBox(size, 'x');
    folder.writeFile(kFile, "[Settings]\r\nClaimed=1\r\nSoapBox=" + soapBox + "\r\n[Other]\r\nKey=v\r\n");
    store.write("Settings", "Claimed", "123456");
    EXPECT_EQ(bytes(), "[Settings]\r\nClaimed=123456\r\nSoapBox=" + soapBox + "\r\n[Other]\r\nKey=v\r\n")
        << size;
    store.write("Settings", "Claimed", "7");
    EXPECT_EQ(bytes(), "[Settings]\r\nClaimed=7\r\nSoapBox=" + soapBox + "\r\n[Other]\r\nKey=v\r\n")
        << size;
  }
}

TEST_F(SettingsFile, WriteIntoMissingFolderCreatesNothing) {
  store.write("Settings", "Claimed", "222");
  EXPECT_FALSE(folder.exists("Plugins"));
  EXPECT_EQ(store.read("Settings", "Claimed", "none"), "none");
}

TEST_F(SettingsFile, SectionAndKeyMatchRegardlessOfCaseAndKeepTheFilesCase) {
  folder.writeFile(kFile, "[settings]\r\nCLAIMED=5\r\n");
  EXPECT_EQ(store.read("Settings", "Claimed", ""), "5");
  EXPECT_EQ(store.read("SETTINGS", "claimed", ""), "5");
  store.write("Settings", "Claimed", "6");
  EXPECT_EQ(bytes(), "[settings]\r\nCLAIMED=6\r\n");
}

TEST_F(SettingsFile, OtherSectionsKeysAndCommentsSurviveAWrite) {
  folder.writeFile(kFile,
                   "; head\r\n\r\n[Other]\r\nA = 1 \r\nnoequals\r\n\r\n\r\n[settings]\r\n; note\r\n"
                   "NAME =  Jo  \r\nQ=\"quoted\"\r\nE=\r\n; tail\r\n");
  store.write("Settings", "Claimed", "222");
  EXPECT_EQ(bytes(),
            "; head\r\n[Other]\r\nA=1\r\nnoequals\r\n[settings]\r\n; note\r\nNAME=Jo\r\n"
            "Q=\"quoted\"\r\nE=\r\n; tail\r\nClaimed=222\r\n");
  store.write("New", "K", "v");
  EXPECT_EQ(bytes(),
            "; head\r\n[Other]\r\nA=1\r\nnoequals\r\n[settings]\r\n; note\r\nNAME=Jo\r\n"
            "Q=\"quoted\"\r\nE=\r\n; tail\r\nClaimed=222\r\n[New]\r\nK=v\r\n");
  EXPECT_EQ(store.read("Other", "a", ""), "1");
}

TEST_F(SettingsFile, MissingSectionOrKeyGivesFallbackButEmptyValueDoesNot) {
  folder.writeFile(kFile, "[Other]\r\nName=Jo\r\n[Settings]\r\nE=\r\nbare\r\n");
  EXPECT_EQ(store.read("Nowhere", "Name", "dflt"), "dflt");
  EXPECT_EQ(store.read("Settings", "Name", "dflt"), "dflt");
  EXPECT_EQ(store.read("Settings", "bare", "dflt"), "dflt");
  EXPECT_EQ(store.read("Settings", "E", "dflt"), "");
}

TEST_F(SettingsFile, ValueLongerThan9999CharactersComesBackCut) {
  makePluginsFolder();
  const std::string longValue(12000, 'x');
  store.write("Settings", "SoapBox", longValue);
  EXPECT_EQ(store.read("Settings", "SoapBox", ""), std::string(9999, 'x'));
  EXPECT_EQ(store.read("Settings", "Missing", longValue), std::string(9999, 'x'));
  store.write("Settings", "SoapBox", std::string(9999, 'y'));
  EXPECT_EQ(store.read("Settings", "SoapBox", ""), std::string(9999, 'y'));
}

// A fallback too long for the system's conversion to UTF-16 (a 100,000-
// character own call sign is the fallback of "Operators").
TEST_F(SettingsFile, HundredThousandCharacterFallbackComesBackCut) {
  makePluginsFolder();
  EXPECT_EQ(store.read("Settings", "Operators", std::string(100'000, 'K')), std::string(9999, 'K'));
  folder.writeFile(kFile, "[Settings]\r\nName=Jo\r\n");
  EXPECT_EQ(store.read("Settings", "Operators", "F" + std::string(99'999, 'K')),
            "F" + std::string(9998, 'K'));
}

TEST_F(SettingsFile, ValueLosesSurroundingBlanksAndQuotes) {
  makePluginsFolder();
  store.write("Settings", "Name", "  Al  ");
  EXPECT_EQ(bytes(), "[Settings]\r\nName=Al  \r\n");
  EXPECT_EQ(store.read("Settings", "Name", ""), "Al");
  store.write("Settings", "Club", "\"Radio Club\"");
  EXPECT_EQ(store.read("Settings", "Club", ""), "Radio Club");
}

TEST_F(SettingsFile, UnchangedValueLeavesHandWrittenFileUntouched) {
  folder.writeFile(kFile, "[S]\nA=1\n\n; c\n");
  store.write("s", "a", "1");
  EXPECT_EQ(bytes(), "[S]\nA=1\n\n; c\n");
  store.write("S", "B", "2");
  EXPECT_EQ(bytes(), "[S]\r\nA=1\r\n; c\r\nB=2\r\n");
}

TEST_F(SettingsFile, LfOnlyFileIsRead) {
  folder.writeFile(kFile, "[Settings]\nName=Jo\nClub=RC\n");
  EXPECT_EQ(store.read("Settings", "Club", ""), "RC");
}

// A file the user made read-only keeps its bytes and can still be read. Root
// ignores permission bits, so natively the write runs in a child process
// with an ordinary user's ids, and only the file's own bit stands in its way.
TEST_F(SettingsFile, ReadOnlyFileIsLeftAsItIs) {
  const std::string earlier = "[Settings]\r\nName=Jean Dupont\r\n";
  folder.writeFile(kFile, earlier);
  const auto writeThenRead = [this] {
    store.write("Settings", "Claimed", "99");
    return store.read("Settings", "Name", "") == "Jean Dupont" &&
           store.read("Settings", "Claimed", "none") == "none";
  };
#if defined(_WIN32)
  ASSERT_TRUE(SetFileAttributesA(kFile, FILE_ATTRIBUTE_READONLY));
  HANDLE probe = CreateFileA(kFile, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (probe != INVALID_HANDLE_VALUE) {  // Wine run by root, which ignores the bit
    CloseHandle(probe);
    SetFileAttributesA(kFile, FILE_ATTRIBUTE_NORMAL);
    GTEST_SKIP() << "this system lets a read-only file be opened for writing";
  }
  EXPECT_TRUE(writeThenRead());
  SetFileAttributesA(kFile, FILE_ATTRIBUTE_NORMAL);
#else
  namespace fs = std::filesystem;
  fs::permissions(folder.path(), fs::perms::all);
  fs::permissions(folder.path() / "Plugins", fs::perms::all);
  fs::permissions(folder.path() / kFile,
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_TRUE(inUnprivilegedChild(writeThenRead));
#endif
  EXPECT_EQ(bytes(), earlier);
}

// Between two writes someone else moves the file away and puts another in
// its place, removes it, or the host changes its working folder: each write
// reaches the file the name leads to at that moment, and nothing else.
TEST_F(SettingsFile, EachWriteReachesTheFileTheNameLeadsToThen) {
  namespace fs = std::filesystem;
  folder.writeFile(kFile, "[Settings]\r\nName=A\r\n");
  store.write("Settings", "Claimed", "1");
  fs::rename(folder.path() / kFile, folder.path() / "Plugins/moved.ini");
  folder.writeFile(kFile, "[Settings]\r\nName=B\r\n");
  store.write("Settings", "Claimed", "2");
  EXPECT_EQ(bytes(), "[Settings]\r\nName=B\r\nClaimed=2\r\n");
  EXPECT_EQ(folder.readFile("Plugins/moved.ini"), "[Settings]\r\nName=A\r\nClaimed=1\r\n");

  fs::remove(folder.path() / kFile);
  store.write("Settings", "Claimed", "3");
  EXPECT_EQ(bytes(), "[Settings]\r\nClaimed=3\r\n");

  WorkingFolder other;  // the working folder from here on
  other.writeFile(kFile, "[Settings]\r\nName=C\r\n");
  store.write("Settings", "Claimed", "4");
  EXPECT_EQ(other.readFile(kFile), "[Settings]\r\nName=C\r\nClaimed=4\r\n");
  EXPECT_EQ(bytes(), "[Settings]\r\nClaimed=3\r\n");
}

#if !defined(_WIN32)
// A file written once, then made read-only by its user: the next write
// leaves it alone, as if it had been read-only from the start.
TEST_F(SettingsFile, FileMadeReadOnlyAfterAWriteIsLeftAsItIs) {
  namespace fs = std::filesystem;
  folder.writeFile(kFile, "[Settings]\r\nName=Jean Dupont\r\n");
  store.write("Settings", "Claimed", "1");
  const std::string earlier = bytes();
  fs::permissions(folder.path(), fs::perms::all);
  fs::permissions(folder.path() / "Plugins", fs::perms::all);
  fs::permissions(folder.path() / kFile,
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_TRUE(inUnprivilegedChild([this] {
    store.write("Settings", "Claimed", "2");
    return store.read("Settings", "Claimed", "") == "1";
  }));
  EXPECT_EQ(bytes(), earlier);
}
#endif

#if defined(_WIN32)
// Another program holding the file open without sharing it: the write fails
// and the file keeps its bytes; once released it is written again.
TEST_F(SettingsFile, FileLockedByAnotherProgramIsLeftAsItIs) {
  const std::string earlier = "[Settings]\r\nName=Jean Dupont\r\n";
  folder.writeFile(kFile, earlier);
  HANDLE lock = CreateFileA(kFile, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  store.write("Settings", "Claimed", "99");
  CloseHandle(lock);
  EXPECT_EQ(bytes(), earlier);
  store.write("Settings", "Claimed", "99");
  EXPECT_EQ(store.read("Settings", "Claimed", ""), "99");
}
#endif

}  // namespace
}  // namespace velmora::testing
