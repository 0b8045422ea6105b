#include "cabrillo/cabrillo_export.h"

#include <gtest/gtest.h>

#include "fake_settings.h"
#include "working_folder.h"

namespace velmora {
namespace {

class PrepareHeaderTest : public ::testing::Test {
 protected:
  MemorySettings settings;
  ScriptedOperator op;
  CabrilloExport exportObject;
  testing::WorkingFolder folder;

  void store(const std::string& key, const std::string& value) {
    settings.values["Settings/" + key] = value;
  }
  const HeaderFields& shown() const { return op.shownInDialog.back(); }
  // The file the export writes of an empty log.
  std::string writtenFile(const std::string& fileName) {
    exportObject.exportLog(QsoLog(), 0);
    return folder.readFile(fileName);
  }
  static bool holds(const std::string& file, const std::string& text) {
    return file.find(text) != std::string::npos;
  }
};

TEST_F(PrepareHeaderTest, ReadsStoredFieldsInOrderAndPresetsTheRest) {
  store("Name", "Jean");
  store("Address", "Main Street<CR><LF>Springfield");
  store("Claimed", "1234");
  store("Email", "f6bbb@example.org");
  store("Club", "REF");
  store("SoapBox", "Fun<LF>");
  store("Category", "SO40");
  store("Power", "100 watt");
  store("Contest", "Other");
  op.pressOk = false;
  EXPECT_FALSE(exportObject.prepareHeader("F6BBB", settings, op));
  EXPECT_EQ(settings.reads, (std::vector<std::string>{"Operators", "Name", "Address", "Claimed",
                                                      "Email", "Club", "SoapBox"}));
  const HeaderFields& f = shown();
  EXPECT_EQ(f.callSign, "F6BBB");
  EXPECT_EQ(f.operators, "F6BBB");  // default: the own call sign
  EXPECT_EQ(f.name, "Jean");
  EXPECT_EQ(f.address, "Main Street\r\nSpringfield");
  EXPECT_EQ(f.claimed, "1234");
  EXPECT_EQ(f.email, "f6bbb@example.org");
  EXPECT_EQ(f.club, "REF");
  EXPECT_EQ(f.soapBox, "Fun\n");
  EXPECT_EQ(f.contest, "Velmora");
  EXPECT_EQ(f.category, "SOAB");
  EXPECT_EQ(f.power, "DX");
}

TEST_F(PrepareHeaderTest, PresentButEmptyOperatorsStaysEmpty) {
  store("Operators", "");
  exportObject.prepareHeader("F6BBB", settings, op);
  EXPECT_EQ(shown().operators, "");
}

TEST_F(PrepareHeaderTest, CancelWritesNothingAndKeepsWhatWasRead) {
  store("Address", "A<CR><LF>B");
  op.pressOk = false;
  op.edit = [](HeaderFields& f) { f.name = "changed"; };
  EXPECT_FALSE(exportObject.prepareHeader(" f/dl1xx ", settings, op));
  EXPECT_TRUE(settings.writes.empty());
  const std::string file = writtenFile("f_dl1xx.cbr");
  EXPECT_TRUE(holds(file, "CALLSIGN:  f/dl1xx \r\n")) << file;
  EXPECT_TRUE(holds(file, "NAME: \r\nADDRESS: A\r\nADDRESS: B\r\nOPERATORS")) << file;
}

TEST_F(PrepareHeaderTest, OkStoresNineKeysInOrderAndWritesTheOperatorsFields) {
  op.edit = [](HeaderFields& f) {
    f.callSign = "F6BBB/P";
    f.name = "Jean";
    f.address = "Main Street\r\nSpringfield";
    f.soapBox = "Line1\r\nLine2\r\n";
    f.category = "SO40";
    f.power = "100 watt";
    f.claimed = "999999";
    f.operators = "F6BBB F5AB";
    f.email = "e";
    f.club = "c";
  };
  EXPECT_TRUE(exportObject.prepareHeader("F6BBB", settings, op));
  EXPECT_EQ(settings.writes,
            (std::vector<std::string>{"Operators", "Name", "Address", "Category", "Power",
                                      "Contest", "Email", "Club", "SoapBox"}));
  EXPECT_EQ(settings.at("Address"), "Main Street<CR><LF>Springfield");
  EXPECT_EQ(settings.at("SoapBox"), "Line1<CR><LF>Line2<CR><LF>");
  EXPECT_EQ(settings.at("Category"), "SO40");
  EXPECT_EQ(settings.at("Power"), "100 watt");
  EXPECT_EQ(settings.at("Contest"), "Velmora");
  EXPECT_EQ(settings.at("Operators"), "F6BBB F5AB");
  EXPECT_FALSE(settings.has("Claimed"));
  // The file keeps the name of the contest's own call, not the edited one.
  const std::string file = writtenFile("F6BBB.cbr");
  EXPECT_TRUE(holds(file, "CALLSIGN: F6BBB/P\r\nCATEGORY: SO40\r\nPOWER: 100 watt\r\n")) << file;
  EXPECT_TRUE(holds(file, "ADDRESS: Main Street\r\nADDRESS: Springfield\r\nOPERATORS: F6BBB F5AB\r\n"))
      << file;
  EXPECT_TRUE(holds(file, "SOAPBOX: Line1\r\nSOAPBOX: Line2\r\nSOAPBOX: \r\nEND-OF-LOG")) << file;
}

TEST_F(PrepareHeaderTest, LoneLineFeedJoinsAndLoneCarriageReturnStartsATaggedLine) {
  op.edit = [](HeaderFields& f) { f.address = "A\nB\rC<CR>D"; };
  exportObject.prepareHeader("F6BBB", settings, op);
  EXPECT_EQ(settings.at("Address"), "A<LF>B<CR>C<CR>D");
  EXPECT_TRUE(holds(writtenFile("F6BBB.cbr"), "ADDRESS: AB\r\nADDRESS: C\r\nADDRESS: D\r\nOPERATORS"));
}

TEST_F(PrepareHeaderTest, NextDialogShowsStoredValuesAgainButPresetsFresh) {
  store("Claimed", "42");
  op.edit = [](HeaderFields& f) {
    f.address = "Main Street\r\nSpringfield";
    f.category = "SO40";
    f.claimed = "7";
  };
  exportObject.prepareHeader("F6BBB", settings, op);
  op.edit = nullptr;
  exportObject.prepareHeader("F6BBB", settings, op);
  EXPECT_EQ(shown().address, "Main Street\r\nSpringfield");
  EXPECT_EQ(shown().category, "SOAB");
  EXPECT_EQ(shown().claimed, "42");
}

}  // namespace
}  // namespace velmora
