// What velmora says of the Cabrillo file after an export: written only when
// the plug-in said so (or said nothing) and the file is new or changed; the
// QSOs of the log it leaves out counted.

#include "outputs/cabrillo_outcome.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "working_folder.h"

// The entry the plug-in's platform calls (ports/host_answers.h).
extern "C" void VelmoraHostMessage(const char* caption, const char* text);

namespace velmora::cli {
namespace {

const std::string kLog = "START-OF-LOG: 2.0\r\nQSO: one\r\nQSO: two\r\nX-QSO: three\r\nEND-OF-LOG:\r\n";

std::string pathOf(const std::string& name) {
  return (std::filesystem::current_path() / name).string();
}

TEST(CabrilloOutcome, FileIsNamedOnlyWhenThePlugInWroteIt) {
  testing::WorkingFolder folder;
  const LogTally all;
  {  // produced, and new
    CabrilloWatch watch("F5VEL.cbr");
    folder.writeFile("F5VEL.cbr", kLog);
    VelmoraHostMessage("Output", "File produced: F5VEL.cbr");
    const CabrilloOutcome outcome = watch.outcome(all);
    EXPECT_TRUE(outcome.written);
    EXPECT_EQ(outcome.lines, std::vector<std::string>{"Cabrillo file: " + pathOf("F5VEL.cbr")});
  }
  {  // not produced: the earlier file is kept
    CabrilloWatch watch("F5VEL.cbr");
    VelmoraHostMessage("Output", "File not produced: F5VEL.cbr");
    const CabrilloOutcome outcome = watch.outcome(all);
    EXPECT_FALSE(outcome.written);
    EXPECT_EQ(outcome.lines, std::vector<std::string>{
                                 "velmora: the plug-in could not write the Cabrillo file " +
                                 pathOf("F5VEL.cbr") + ", and the earlier one is kept as it was"});
  }
  {  // said to be produced, yet last year's file is untouched
    CabrilloWatch watch("F5VEL.cbr");
    VelmoraHostMessage("Output", "File produced: F5VEL.cbr");
    EXPECT_EQ(watch.outcome(all).lines,
              std::vector<std::string>{"velmora: the plug-in says it wrote the Cabrillo file " +
                                       pathOf("F5VEL.cbr") + ", but it is unchanged"});
  }
  {  // a message about another file, or outside the export, decides nothing
    CabrilloWatch watch("TM5VEL.cbr");
    VelmoraHostMessage(nullptr, "File produced: TM5VEL.cbr");
    VelmoraHostMessage("Output", "File produced: F5VEL.cbr");
    EXPECT_EQ(watch.outcome(all).lines,
              std::vector<std::string>{"velmora: the plug-in wrote no Cabrillo file " + pathOf("TM5VEL.cbr")});
  }
  {  // a plug-in that says nothing: the file's change decides
    CabrilloWatch watch("F5VEL.cbr");
    std::filesystem::remove("F5VEL.cbr");
    folder.writeFile("F5VEL.cbr", kLog + "QSO: four\r\n");
    EXPECT_TRUE(watch.outcome(all).written);
  }
  VelmoraHostMessage("Output", "heard by no watch");  // nothing listens: nothing happens
}

TEST(CabrilloOutcome, QsosOfTheLogThatTheFileLeavesOutAreCounted) {
  LogTally tally;
  EXPECT_EQ(leftOutOfTheFile("F5VEL.cbr", 318, tally), std::nullopt);
  tally.outsidePeriod = 3;  // left out by the user's choice: not counted
  tally.otherBands = 2;
  EXPECT_EQ(leftOutOfTheFile("F5VEL.cbr", 318, tally), std::nullopt);
  tally.notForScoring = 1;
  tally.repeats.push_back({12, "F4KI", "record 11 on 20m"});
  EXPECT_EQ(leftOutOfTheFile("F5VEL.cbr", 318, tally),
            "F5VEL.cbr holds the 318 QSOs the plug-in counted, leaving out 1 repeat on a band, "
            "1 X-QSO line");
  tally.refused.resize(2);
  tally.repeats.resize(4);
  tally.noEntity.resize(1);
  tally.skipped.resize(3);
  tally.notForScoring = 2;
  EXPECT_EQ(leftOutOfTheFile("F5VEL.cbr", 318, tally),
            "F5VEL.cbr holds the 318 QSOs the plug-in counted, leaving out 2 refused by the "
            "plug-in, 4 repeats on a band, 1 in no DXCC entity, 3 skipped as malformed, 2 X-QSO lines");
}

// The count of QSO lines is the file's own, read back.
TEST(CabrilloOutcome, WrittenFileIsCountedByItsQsoLines) {
  testing::WorkingFolder folder;
  LogTally tally;
  tally.refused.resize(1);
  CabrilloWatch watch("F5VEL.cbr");
  folder.writeFile("F5VEL.cbr", kLog);
  const CabrilloOutcome outcome = watch.outcome(tally);
  ASSERT_EQ(outcome.lines.size(), 2u);
  EXPECT_EQ(outcome.lines[1], "F5VEL.cbr holds the 2 QSOs the plug-in counted, leaving out 1 refused by the plug-in");
}

}  // namespace
}  // namespace velmora::cli
