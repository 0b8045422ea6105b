#include "platform/posix/ini_document.h"

#include <gtest/gtest.h>

#include "ports/file_system.h"

namespace velmora {
namespace {

TEST(IniDocument, ValueLosesBlanksAndOnePairOfMatchingQuotes) {
  const IniDocument doc = IniDocument::parse(
      "[S]\r\nA =  x y \t\r\nB=\"q\"\r\nC='q'\r\nD=\"q'\r\nE=\"\r\nF=\"\"\"\"\r\n");
  EXPECT_EQ(doc.find("S", "A"), "x y");
  EXPECT_EQ(doc.find("S", "B"), "q");
  EXPECT_EQ(doc.find("S", "C"), "q");
  EXPECT_EQ(doc.find("S", "D"), "\"q'");
  EXPECT_EQ(doc.find("S", "E"), "\"");
  EXPECT_EQ(doc.find("S", "F"), "\"\"");
}

TEST(IniDocument, LineWithoutEqualsIsNoValueButIsKept) {
  IniDocument doc = IniDocument::parse("[S]\nflag\nflag=1\n");
  EXPECT_EQ(doc.find("S", "flag"), std::nullopt);
  EXPECT_TRUE(doc.set("S", "Flag", "2"));
  EXPECT_EQ(doc.serialize(), "[S]\r\nflag=2\r\nflag=1\r\n");
}

TEST(IniDocument, FirstOfRepeatedKeysAndSectionsWins) {
  const IniDocument doc = IniDocument::parse("[S]\nK=1\nK=2\n[s]\nK=3\nL=4\n");
  EXPECT_EQ(doc.find("S", "K"), "1");
  EXPECT_EQ(doc.find("S", "L"), std::nullopt);
}

TEST(IniDocument, LinesBeforeFirstSectionStayFirstAsSectionWithoutName) {
  IniDocument doc = IniDocument::parse("K=0\n; note\n[S]\nK=1\n");
  EXPECT_EQ(doc.find("", "K"), "0");
  doc.set("T", "K", "2");
  EXPECT_EQ(doc.serialize(), "K=0\r\n; note\r\n[S]\r\nK=1\r\n[T]\r\nK=2\r\n");
}

TEST(IniDocument, RewriteKeepsTheKeysOfAnEmptySectionNameOutOfTheSectionBefore) {
  IniDocument doc = IniDocument::parse("[Settings]\r\nName=Jo\r\n[]\r\nClaimed=7\r\n");
  doc.set("Other", "K", "1");
  const IniDocument reread = IniDocument::parse(doc.serialize());
  EXPECT_EQ(reread.find("Settings", "Claimed"), std::nullopt);
  EXPECT_EQ(reread.serialize(), "[Settings]\r\nName=Jo\r\n[]\r\nClaimed=7\r\n[Other]\r\nK=1\r\n");
}

TEST(IniDocument, SettingTheSameValueReportsNoChange) {
  IniDocument doc = IniDocument::parse("[S]\nK=1\n");
  EXPECT_FALSE(doc.set("s", "k", "1"));
  EXPECT_FALSE(doc.set("S", "K", "  1"));
  EXPECT_TRUE(doc.set("S", "K", "1 "));
}

TEST(IniDocument, SectionNameLosesBlanksInsideBrackets) {
  EXPECT_EQ(IniDocument::parse("[ S ]\nK=1\n").find("S", "K"), "1");
}

TEST(IniDocument, BracketLineWithoutCloseIsAnOrdinaryLine) {
  const IniDocument doc = IniDocument::parse("[S\nK=1\n");
  EXPECT_EQ(doc.find("S", "K"), std::nullopt);
  EXPECT_EQ(doc.serialize(), "[S\r\nK=1\r\n");
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

// A rewrite to a shorter text is written over the earlier one with blanks
// and line ends after it, then cut: killed before the cut, the file holds
// the new text and that filler, which reads as the new text alone (where the
// earlier text's tail would have been a stray line).
TEST(IniDocument, ShorterRewriteCutShortReadsAsTheNewText) {
  const std::string earlier = "[Settings]\r\nOperators=F5VEL F4ABC F6XYZ\r\nClaimed=123456\r\n";
  for (const std::string& shorter : {std::string("[Settings]\r\nOperators=F5VEL\r\nClaimed=123456\r\n"),
                                    std::string("[Settings]\r\nOperators=F5VE\r\nClaimed=123456\r\n")}) {
    const std::string killedBeforeTheCut = shorter + fillerAfter(shorter.size(), earlier.size());
    ASSERT_EQ(killedBeforeTheCut.size(), earlier.size());
    const IniDocument read = IniDocument::parse(killedBeforeTheCut);
    EXPECT_EQ(read.serialize(), shorter);
    EXPECT_EQ(read.find("Settings", "Operators"), IniDocument::parse(shorter).find("Settings", "Operators"));
  }
  EXPECT_EQ(fillerAfter(10, 10), "");
  EXPECT_EQ(fillerAfter(12, 10), "");
}

}  // namespace
}  // namespace velmora
