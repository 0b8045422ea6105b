#include "classify/ref_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace velmora {
namespace {

std::optional<std::string> find(const std::string& file, std::string_view call) {
  std::istringstream in(file);
  return findDepartment(in, call);
}

const char kExampleLf[] = "F5AB 75\nF6ABC 13\nF4ABC/P 2A\n";
const char kExampleCrLf[] = "F5AB 75\r\nF6ABC 13\r\nF4ABC/P 2A\r\n";
const char kExampleNoFinalLineEnd[] = "F5AB 75\nF6ABC 13\nF4ABC/P 2A";

TEST(RefFile, ExampleFileGivesEachDepartmentWhateverTheLineEnds) {
  for (const char* file : {kExampleLf, kExampleCrLf, kExampleNoFinalLineEnd}) {
    SCOPED_TRACE(::testing::PrintToString(std::string(file)));
    EXPECT_EQ(find(file, "F5AB"), "75");
    EXPECT_EQ(find(file, "F6ABC"), "13");
    EXPECT_EQ(find(file, "F4ABC/P"), "2A");
  }
}

TEST(RefFile, CallMustMatchWholeAndInTheSameCase) {
  for (const char* call : {"f6abc", "F6AB", "F6ABC ", " F6ABC", "F6ABCD", "F4ABC"}) {
    EXPECT_EQ(find(kExampleLf, call), std::nullopt) << call;
    EXPECT_EQ(find(kExampleCrLf, call), std::nullopt) << call;
  }
}

TEST(RefFile, CallsOfAnyLengthAreFound) {
  const std::string file = "F5ABCD 44\nTM100ABC/MM 06\nF1A 01\n" + std::string(300, 'X') + ";99\n";
  EXPECT_EQ(find(file, "F5ABCD"), "44");
  EXPECT_EQ(find(file, "TM100ABC/MM"), "06");
  EXPECT_EQ(find(file, "F1A"), "01");
  EXPECT_EQ(find(file, std::string(300, 'X')), "99");
  EXPECT_EQ(find(file, std::string(14, 'X')), std::nullopt);
}

TEST(RefFile, SeparatorMayBeAnyCharacter) {
  EXPECT_EQ(find("F5AB\t75\nF6ABC;13\n", "F5AB"), "75");
  EXPECT_EQ(find("F5AB\t75\nF6ABC;13\n", "F6ABC"), "13");
}

TEST(RefFile, ExtraBlanksShiftTheRecordInsteadOfBeingTrimmed) {
  // The department is always the last two characters of the line.
  EXPECT_EQ(find("F5AB  75\n", "F5AB"), std::nullopt);
  EXPECT_EQ(find("F5AB  75\n", "F5AB "), "75");
  EXPECT_EQ(find("F5AB 75 \n", "F5AB "), "5 ");
}

TEST(RefFile, FirstRecordForACallWins) {
  EXPECT_EQ(find("F5AB 75\nF5AB 13\n", "F5AB"), "75");
}

TEST(RefFile, BlankAndShortLinesHoldNoRecord) {
  const char file[] = "\n\r\n \n" " 75\n" "F5AB 75\n";
  EXPECT_EQ(find(file, "F5AB"), "75");
  EXPECT_EQ(find(file, ""), std::nullopt);
  EXPECT_EQ(find(file, " "), std::nullopt);
}

TEST(RefFile, EmptyCallIsNeverFound) {
  // "x 75" is the shortest record; its call sign has one character.
  EXPECT_EQ(find("x 75\n 75\n  75\n", ""), std::nullopt);
  EXPECT_EQ(find("x 75\n 75\n  75\n", "x"), "75");
}

TEST(RefFile, FourCharacterLineOfBlanksIsARecordForABlankCall) {
  EXPECT_EQ(find("  75\n", " "), "75");
}

TEST(RefFile, CarriageReturnEndsALineOnlyBeforeLineFeedOrAtTheEndOfTheFile) {
  // Elsewhere a CR is an ordinary character, here the separator.
  EXPECT_EQ(find("F5AB\r75\n", "F5AB"), "75");
  EXPECT_EQ(find("F5AB\r75\r", "F5AB"), "75");
  // A lone CR ending the last line is its line end, as CR LF and LF are.
  for (const char* file : {"F5AB 75\r", "F6ABC 13\nF5AB 75\r", "F6ABC 13\r\nF5AB 75\r"}) {
    SCOPED_TRACE(::testing::PrintToString(std::string(file)));
    EXPECT_EQ(find(file, "F5AB"), "75");
    EXPECT_EQ(find(file, "F5AB "), std::nullopt);  // no CR in a department
  }
  // Only one CR is a line end: a second one belongs to the line.
  EXPECT_EQ(find("F5AB 7\r\r", "F5AB"), "7\r");
}

// Filler records of another call, then blank lines, to exactly `length` bytes.
std::string filledTo(std::size_t length) {
  const std::string filler = "XX 00\n";
  std::string text;
  while (text.size() + filler.size() <= length) text += filler;
  return text.append(length - text.size(), '\n');
}

// The file is read in blocks of 64 KiB; a record may straddle two of them,
// even with its CR at the end of one block and its LF at the start of the next.
TEST(RefFile, RecordsAcrossTheReadingBlocksAreReadWhole) {
  constexpr std::size_t kBlock = 64 * 1024;
  struct Case {
    std::string record;
    std::string call;
    std::size_t bytesInFirstBlock;
  };
  for (const Case& c : {Case{"F5AB 75\r\n", "F5AB", 8}, Case{"F6ABC 13\n", "F6ABC", 8},
                        Case{"F5A 75\r\n", "F5A", 3}, Case{"F4ABC/P 2A\n", "F4ABC/P", 1}}) {
    SCOPED_TRACE(c.record);
    const std::string file = filledTo(kBlock - c.bytesInFirstBlock) + c.record + "F9ZZ 01\n";
    EXPECT_EQ(find(file, c.call), c.record.substr(c.call.size() + 1, 2));
  }
  EXPECT_EQ(find(filledTo(kBlock - 4) + "F5AB 75\r", "F5AB"), "75");
  EXPECT_EQ(find(std::string(3 * kBlock, 'x') + "\nF5AB 75", "F5AB"), "75");
}

// The lookup jumps between occurrences of the call's last character; only
// a whole record line that begins with the call counts.
TEST(RefFile, CallInsideOrAtTheStartOfALongerLineIsNoRecord) {
  EXPECT_EQ(find("XF5AB 75\nAF5AB 1\nF5AB 750\nF5ABB 12\nF5AB 13\n", "F5AB"), "13");
  EXPECT_EQ(find("F5AB 75F5AB 12\n", "F5AB"), std::nullopt);
  EXPECT_EQ(find("BBBB\nB BB\n", "B"), "BB");
}

// Found by fuzzing: a call holding a line end matched text running over
// several lines and gave a "department" from no record at all.
TEST(RefFile, CallHoldingALineEndIsNeverFound) {
  EXPECT_EQ(find("F6ABC\nF\n:BC/ABC\nFC\n\xff/\n", "F6ABC\nF\n:BC/"), std::nullopt);
  EXPECT_EQ(find("F5AB\nX 75\n", "F5AB\nX"), std::nullopt);
}

TEST(RefFile, EmptyFileHoldsNothing) {
  EXPECT_EQ(find("", "F5AB"), std::nullopt);
  EXPECT_EQ(find("", ""), std::nullopt);
}

TEST(RefFile, RecordsWrittenAreReadBackBehindEachOther) {
  std::string file;
  const std::pair<const char*, const char*> records[] = {
      {"F5AB", "75"}, {"F6ABC", "13"}, {"F4ABC/P", "2A"}, {"TM100ABC", "971"}};
  for (const auto& [call, department] : records) file += refFileRecord(call, department);
  EXPECT_EQ(file.substr(0, 9), "F5AB 75\r\n");
  EXPECT_EQ(find(file, "F5AB"), "75");
  EXPECT_EQ(find(file, "F4ABC/P"), "2A");
  // A department of another length makes no record for its call.
  EXPECT_EQ(find(file, "TM100ABC"), std::nullopt);
}

class RefFileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    path_ = (std::filesystem::temp_directory_path() / ("velmora_ref_" + test + ".txt")).string();
  }
  void TearDown() override { std::filesystem::remove(path_); }
  void write(const std::string& bytes) {
    std::ofstream(path_, std::ios::binary | std::ios::trunc) << bytes;
  }
  std::string path_;
};

TEST_F(RefFileOnDisk, MissingFileHoldsNoRecord) {
  EXPECT_EQ(lookupDepartment(path_, "F5AB"), std::nullopt);
  EXPECT_EQ(lookupDepartment(path_, ""), std::nullopt);
}

TEST_F(RefFileOnDisk, EveryLookupReadsTheFileAfresh) {
  write(kExampleCrLf);
  EXPECT_EQ(lookupDepartment(path_, "F6ABC"), "13");
  write("F6ABC 06\n");
  EXPECT_EQ(lookupDepartment(path_, "F6ABC"), "06");
  EXPECT_EQ(lookupDepartment(path_, "F5AB"), std::nullopt);
}

}  // namespace
}  // namespace velmora
