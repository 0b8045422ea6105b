#include "logs/adif_scanner.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace velmora::cli {
namespace {

// The scanner's records, whole and broken apart.
struct AdifContents {
  std::vector<AdifRecord> records;
  std::vector<AdifRecord> skipped;
};

AdifContents read(const std::string& text, AdifFieldChoice wanted = {}) {
  std::istringstream in(text);
  AdifScanner scanner(in, std::move(wanted));
  AdifContents adif;
  while (std::optional<AdifRecord> record = scanner.next()) {
    (record->broken.empty() ? adif.records : adif.skipped).push_back(std::move(*record));
  }
  return adif;
}

TEST(AdifScanner, ValueIsExactlyAsLongAsItsLengthPrefix) {
  const AdifContents adif = read("<CALL:5>F5ABCDEF<COMMENT:9>a<b>\r\nc<d<EOR>");
  ASSERT_EQ(adif.records.size(), 1u);
  EXPECT_EQ(adif.records[0].field("call"), "F5ABC");
  EXPECT_EQ(adif.records[0].field("comment"), "a<b>\r\nc<d");
}

TEST(AdifScanner, FieldNamesAndEndTagsInAnyLetterCase) {
  const AdifContents adif = read("<call:4>DL1A<Qso_Date:8>20110312<eor><CALL:4>DL2B<EoR>");
  ASSERT_EQ(adif.records.size(), 2u);
  EXPECT_EQ(adif.records[0].field("call"), "DL1A");
  EXPECT_EQ(adif.records[0].field("qso_date"), "20110312");
  EXPECT_EQ(adif.records[1].field("call"), "DL2B");
}

TEST(AdifScanner, TypeIndicatorAfterTheLengthIsAccepted) {
  const AdifContents adif = read("<QSO_DATE:8:D>20110312<EOR>");
  ASSERT_EQ(adif.records.size(), 1u);
  EXPECT_EQ(adif.records[0].field("qso_date"), "20110312");
}

TEST(AdifScanner, FreeTextHeaderUpToEohIsSkipped) {
  const AdifContents adif = read("Exported <by> hand <CALL:4>XXXX\n<eoh>\n<CALL:4>DL1A<EOR>");
  ASSERT_EQ(adif.records.size(), 1u);
  EXPECT_EQ(adif.records[0].field("call"), "DL1A");
  EXPECT_EQ(adif.records[0].record, 1);
}

TEST(AdifScanner, HeaderMadeOfTagsIsDroppedAtEoh) {
  const AdifContents adif = read("<ADIF_VER:5>3.1.0<PROGRAMID:3>abc<EOH><CALL:4>DL1A<EOR>");
  ASSERT_EQ(adif.records.size(), 1u);
  EXPECT_EQ(adif.records[0].fields.count("adif_ver"), 0u);
}

TEST(AdifScanner, FileWithoutHeaderStartsAtTheFirstTag) {
  const AdifContents adif = read("\n  <CALL:4>DL1A<EOR>");
  ASSERT_EQ(adif.records.size(), 1u);
}

TEST(AdifScanner, BadLengthSkipsOnlyThatRecord) {
  const AdifContents adif =
      read("<CALL:4>DL1A<EOR><CALL:x>DL2B<MODE:2>CW<EOR><CALL:>DL3C<EOR><CALL:4>DL4D<EOR>");
  ASSERT_EQ(adif.records.size(), 2u);
  EXPECT_EQ(adif.records[0].record, 1);
  EXPECT_EQ(adif.records[1].record, 4);
  EXPECT_EQ(adif.records[1].field("call"), "DL4D");
  ASSERT_EQ(adif.skipped.size(), 2u);
  EXPECT_EQ(adif.skipped[0].record, 2);
  EXPECT_EQ(adif.skipped[0].broken, "bad length in field call");
  EXPECT_EQ(adif.skipped[1].record, 3);
}

// A 32-bit build once refused every length of two digits or more.
TEST(AdifScanner, LengthsOfManyDigitsAreReadAndAbsurdOnesRefused) {
  const AdifContents adif = read("<COMMENT:12>twelve bytes<CALL:0004>DL1A<EOR>"
                                 "<CALL:99999999999999999999999>DL2B<EOR>");
  ASSERT_EQ(adif.records.size(), 1u);
  EXPECT_EQ(adif.records[0].field("comment"), "twelve bytes");
  EXPECT_EQ(adif.records[0].field("call"), "DL1A");
  ASSERT_EQ(adif.skipped.size(), 1u);
  EXPECT_EQ(adif.skipped[0].broken, "bad length in field call");
}

// A broken record is skipped with the first fault found in it; the records
// around it are read.
TEST(AdifScanner, BrokenRecordSaysWhatIsWrongWithIt) {
  struct Case {
    const char* text;
    int record;
    const char* broken;
  };
  for (const Case& c : {
           Case{"<CALL>DL1A<EOR>", 1, "field call has no length"},
           Case{"<CALL:4>DL1A<EOR><CALL:40>DL2B<EOR>", 2,
                "field call runs past the end of the file"},
           Case{"<CALL:4>DL1A<EOR><CALL:4>DL2B\n", 2, "no <EOR> at the end of the file"},
           Case{"<CALL:4>DL1A<EOR><CALL:4>DL2B<MODE:2", 2, "a tag without '>'"},
           Case{"<CALL:4>DL1A<MODE:-2>CW<BAND:x>20m<EOR>", 1, "bad length in field mode"},
       }) {
    const AdifContents adif = read(c.text);
    ASSERT_EQ(adif.skipped.size(), 1u) << c.text;
    EXPECT_EQ(adif.skipped[0].record, c.record) << c.text;
    EXPECT_EQ(adif.skipped[0].broken, c.broken) << c.text;
    EXPECT_EQ(adif.records.size(), static_cast<std::size_t>(c.record - 1)) << c.text;
  }
}

TEST(AdifScanner, FieldsNotChosenAreReadPastWhateverTheyHold) {
  const AdifContents adif =
      read("<CALL:4>DL1A<COMMENT:12>x<EOR><CALL:4>DL2B<EOR>", [](const std::string& name) {
        return name == "call";
      });
  ASSERT_EQ(adif.records.size(), 1u);
  EXPECT_EQ(adif.records[0].fields.size(), 1u);
  EXPECT_EQ(adif.records[0].field("call"), "DL1A");
  ASSERT_EQ(adif.skipped.size(), 0u);
}

}  // namespace
}  // namespace velmora::cli
