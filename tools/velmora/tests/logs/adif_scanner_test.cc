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

TEST(AdifScanner, FieldGivenAgainInARecordKeepsItsLastValueOnce) {
  const AdifContents adif = read("<CALL:4>DL1A<BAND:3>40m<call:4>DL2B<EOR><CALL:4>DL3C<EOR>");
  ASSERT_EQ(adif.records.size(), 2u);
  EXPECT_EQ(adif.records[0].field("call"), "DL2B");
  EXPECT_EQ(adif.records[0].fields.size(), 2u);
  EXPECT_EQ(adif.records[1].field("call"), "DL3C");
  EXPECT_FALSE(adif.records[1].has("band"));  // nothing kept from the record before
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
           Case{"<CALL:4>DL1A<EOR><CALL:40>DL2B", 2, "field call runs past the end of the file"},
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

// KLog writes lengths that run past the value into the next tag; a value
// ends before a well-formed tag, noted once per record, and the fields
// after it are read, chosen or not.
TEST(AdifScanner, LengthRunningIntoTheNextTagEndsTheValueThere) {
  const AdifContents adif = read(
      "<CALL:5>TM5EE<COMMENT:9> 54 <CONT:2>EU<EOR>"
      "<CALL:4>DL1A<SRX_STRING:4>75<EOR><CALL:4>DL2B<EOR>"  // the record's end not swallowed
      "<CALL:4>DL3C<NAME:40>Jo<QTH:20>Metz<EOR>",
      [](const std::string& name) { return name != "comment"; });
  ASSERT_EQ(adif.records.size(), 4u);
  EXPECT_EQ(adif.records[0].field("cont"), "EU");
  EXPECT_EQ(adif.records[0].fields.count("comment"), 0u);
  EXPECT_EQ(adif.records[0].lengthNote,
            "COMMENT's length 9 runs into the next field; read as ' 54 '");
  EXPECT_EQ(adif.records[1].field("srx_string"), "75");
  EXPECT_EQ(adif.records[1].lengthNote,
            "SRX_STRING's length 4 runs into the next field; read as '75'");
  EXPECT_EQ(adif.records[2].field("call"), "DL2B");
  EXPECT_EQ(adif.records[2].lengthNote, "");
  EXPECT_EQ(adif.records[3].field("qth"), "Metz");
  EXPECT_EQ(adif.records[3].lengthNote,
            "NAME's length 40 runs into the next field; read as 'Jo' (and 1 more field like it)");
}

// A '<' that begins no well-formed tag is the value's own; so is a tag
// whose length is right.
TEST(AdifScanner, ValueHoldingALessThanSignIsKeptWhole) {
  const AdifContents adif =
      read("<COMMENT:12>73 <3 a<b c<<CALL:4>DL1A<NOTES:9><b>hi</b><EOR>");
  ASSERT_EQ(adif.records.size(), 1u);
  EXPECT_EQ(adif.records[0].field("comment"), "73 <3 a<b c<");
  EXPECT_EQ(adif.records[0].field("notes"), "<b>hi</b>");
  EXPECT_EQ(adif.records[0].lengthNote, "");
}

// LoTW: a free-text header, one field a line with "// comments" after the
// values, and a closing tag without a length.
TEST(AdifScanner, LotwCommentsArePassedOverAndItsClosingTagEndsTheFile) {
  const AdifContents adif = read(
      "ARRL Logbook of the World Status Report\nfor F5VEL\n\n<PROGRAMID:4>LoTW\n<eoh>\n\n"
      "<CALL:5>UA3XX\n<QSO_DATE:8>20110312 // QSO Date\n<STATE:2>SM // Smolenskaya\n<eor>\n\n"
      "<APP_LoTW_EOF>\n<CALL:4>NOPE");
  ASSERT_EQ(adif.records.size(), 1u);
  EXPECT_TRUE(adif.skipped.empty());
  EXPECT_EQ(adif.records[0].field("qso_date"), "20110312");
  EXPECT_EQ(adif.records[0].field("state"), "SM");
}

// Hostile lengths and tags: never more memory than the limits, and the
// records after them read.
TEST(AdifScanner, AbsurdLengthsAndTagsBreakOnlyTheirRecord) {
  const std::string longTag = "<" + std::string(5000, 'X') + ":1>y";
  const AdifContents adif = read(
      "<COMMENT:9223372036854775808>x<EOR>"  // no length of this machine
      "<COMMENT:9223372036854775807>x<CALL:4>DL2B<EOR>" +  // cut at the next tag
      longTag + "<EOR>" +
      "<CALL:70000>" + std::string(70'000, 'C') + "<EOR>" +
      "<CALL\x1b[31m>DL5E<EOR><CALL:4>DL6F<EOR>");
  ASSERT_EQ(adif.skipped.size(), 4u);
  EXPECT_EQ(adif.skipped[0].broken, "bad length in field comment");
  EXPECT_EQ(adif.skipped[1].broken, "a tag of more than 256 characters: '<" +
                                        std::string(39, 'X') + "...'");
  EXPECT_EQ(adif.skipped[2].broken, "field call is longer than 65536 bytes");
  EXPECT_EQ(adif.skipped[3].broken, "field call\\x1b[31m has no length");
  ASSERT_EQ(adif.records.size(), 2u);
  EXPECT_EQ(adif.records[0].record, 2);
  EXPECT_EQ(adif.records[0].field("call"), "DL2B");
  EXPECT_EQ(adif.records[1].record, 6);
  EXPECT_EQ(adif.records[1].field("call"), "DL6F");
}

TEST(AdifScanner, FieldsNotChosenAreReadPastWhateverTheyHold) {
  const AdifContents adif =
      read("<CALL:4>DL1A<COMMENT:12>x<y>\r\n<z:>ab<EOR><CALL:4>DL2B<EOR>",
           [](const std::string& name) { return name == "call"; });
  ASSERT_EQ(adif.records.size(), 2u);
  EXPECT_EQ(adif.records[0].fields.size(), 1u);
  EXPECT_EQ(adif.records[0].field("call"), "DL1A");
  ASSERT_EQ(adif.skipped.size(), 0u);
}

}  // namespace
}  // namespace velmora::cli
