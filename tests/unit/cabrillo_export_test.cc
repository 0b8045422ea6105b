#include "cabrillo/cabrillo_export.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "cabrillo/base_path.h"
#include "child_process.h"
#include "fake_settings.h"
#include "working_folder.h"

namespace velmora {
namespace {

const std::string kHeader =
    "START-OF-LOG: 2.0\r\n"
    "CALLSIGN: F6BBB\r\n"
    "CATEGORY: SOAB\r\n"
    "POWER: DX\r\n"
    "CLAIMED-SCORE: 0\r\n"
    "CLUB: \r\n"
    "CONTEST: Velmora\r\n"
    "CREATED-BY: Qelt \r\n"
    "NAME: \r\n"
    "ADDRESS: \r\n"
    "OPERATORS: F6BBB\r\n"
    "EMAIL: \r\n"
    "SOAPBOX: \r\n";

QsoRecord record(const std::string& call, const std::string& mode, std::uint32_t khz) {
  QsoRecord r;
  r.call = call;
  r.mode = mode;
  r.frequencyKhz = khz;
  r.rstSent = "599";
  r.rstReceived = "599";
  r.exchangeSent = "75";
  r.exchangeReceived = "001";
  r.qsoTime = OleDateTime{40607.0 + 14.0 / 24 + 12.0 / 1440, kOleDateTimeValid};
  return r;
}

class CabrilloExportTest : public ::testing::Test {
 protected:
  testing::WorkingFolder folder;
  MemorySettings settings;
  ScriptedOperator op;
  CabrilloExport exportObject;
  QsoLog log;

  void prepare(const std::string& myCall, bool ok = true) {
    op.pressOk = ok;
    exportObject.prepareHeader(myCall, settings, op);
  }
};

TEST_F(CabrilloExportTest, EmptyLogGivesHeaderExtraBytesAndEndLine) {
  prepare("F6BBB");
  const MessageRequest message = exportObject.exportLog(log, 0);
  EXPECT_EQ(folder.readFile("F6BBB.cbr"), kHeader + "END-OF-LOG:\r\n");
  EXPECT_TRUE(folder.exists("cabrillo.ini"));  // created empty when absent
  EXPECT_EQ(folder.readFile("cabrillo.ini"), "");
  EXPECT_EQ(message.text, "File produced: F6BBB.cbr");
  EXPECT_EQ(message.caption, std::optional<std::string>("Output"));
  EXPECT_EQ(message.icon, MessageIcon::Information);
  EXPECT_TRUE(message.ownedByActiveWindow);
}

TEST_F(CabrilloExportTest, WritesRecordsInLogOrderOncePerExport) {
  prepare("F6BBB");
  log.append(record("DL1XX", "CW", 7012));
  log.append(record("F5AB", "SSB", 14250));
  log.append(record("G4XX", "RTTY", 3550));
  exportObject.exportLog(log, 1234);
  exportObject.exportLog(log, 1234);
  const std::string expected =
      "QSO:  7012 CW 2011-03-05 1412 F6BBB         599 75     DL1XX         599 001\r\n"
      "QSO: 14250 PH 2011-03-05 1412 F6BBB         599 75     F5AB          599 001\r\n"
      "QSO:  3550 ?? 2011-03-05 1412 F6BBB         599 75     G4XX          599 001\r\n";
  const std::string header = std::string(kHeader).replace(kHeader.find("SCORE: 0"), 8, "SCORE: 1234");
  EXPECT_EQ(folder.readFile("F6BBB.cbr"), header + expected + "END-OF-LOG:\r\n");
}

TEST_F(CabrilloExportTest, CopiesExtraHeaderBytesUnchanged) {
  folder.writeFile("cabrillo.ini", std::string("LOCATION: DX\r\nX-Q: \x01\xff\n\0tail", 27));
  prepare("F6BBB");
  log.append(record("DL1XX", "CW", 7012));
  exportObject.exportLog(log, -3);
  const std::string file = folder.readFile("F6BBB.cbr");
  EXPECT_NE(file.find("CLAIMED-SCORE: -3\r\n"), std::string::npos);
  EXPECT_NE(file.find(std::string("SOAPBOX: \r\nLOCATION: DX\r\nX-Q: \x01\xff\n\0tailQSO:  7012", 48)),
            std::string::npos);
}

TEST_F(CabrilloExportTest, EditedCallSignChangesLinesButNotTheFileName) {
  op.edit = [](HeaderFields& f) {
    f.callSign = "TM6X";
    f.address = "Main Street\r\nSpringfield";
  };
  prepare("F6BBB");
  log.append(record("DL1XX", "CW", 7012));
  exportObject.exportLog(log, 0);
  const std::string file = folder.readFile("F6BBB.cbr");
  EXPECT_NE(file.find("CALLSIGN: TM6X\r\n"), std::string::npos);
  EXPECT_NE(file.find(" TM6X          599 "), std::string::npos);
  EXPECT_NE(file.find("ADDRESS: Main Street\r\nADDRESS: Springfield\r\nOPERATORS"),
            std::string::npos);
}

TEST_F(CabrilloExportTest, CancelledDialogStillWritesMultiLineFieldsAsTaggedLines) {
  settings.values["Settings/Address"] = "Main Street<CR><LF>Springfield";
  settings.values["Settings/SoapBox"] = "one line";
  prepare("F6BBB", false);
  exportObject.exportLog(log, 0);
  const std::string file = folder.readFile("F6BBB.cbr");
  EXPECT_NE(file.find("ADDRESS: Main Street\r\nADDRESS: Springfield\r\nOPERATORS"),
            std::string::npos);
  EXPECT_NE(file.find("SOAPBOX: one line\r\n"), std::string::npos);
}

TEST_F(CabrilloExportTest, ReplacesAnEarlierFileWholeAndLeavesNoTemporary) {
  folder.writeFile("F6BBB.cbr", std::string(5000, 'x'));
  prepare("F6BBB");
  exportObject.exportLog(log, 0);
  EXPECT_EQ(folder.readFile("F6BBB.cbr"), kHeader + "END-OF-LOG:\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                          std::filesystem::directory_iterator()),
            2);  // the log and cabrillo.ini
}

TEST_F(CabrilloExportTest, RefusedBasePathWritesNothingAndSaysSo) {
  for (const char* call : {"F6:BBB", "CON", "lpt1", "F6?", "A\x02"}) {
    prepare(call);
    const MessageRequest message = exportObject.exportLog(log, 0);
    EXPECT_EQ(message.text, "File not produced: " + basePathFromCall(call) + ".cbr") << call;
    EXPECT_EQ(message.caption, std::optional<std::string>("Output"));
    EXPECT_EQ(message.icon, MessageIcon::Error);
    EXPECT_TRUE(message.ownedByActiveWindow);
  }
  // The extra header file is still made, as by a writer that opens the log first.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                          std::filesystem::directory_iterator()),
            1);
  EXPECT_EQ(folder.readFile("cabrillo.ini"), "");
}

// The write fails half-way (the files of the writing process may not grow
// past 64 bytes, as on a full disk).
TEST_F(CabrilloExportTest, FailedWriteKeepsTheEarlierFile) {
  folder.writeFile("F6BBB.cbr", "earlier");
  prepare("F6BBB");
  EXPECT_TRUE(testing::inChildWithFileSizeLimit(64, [this] {
    return exportObject.exportLog(log, 0).text == "File not produced: F6BBB.cbr";
  }));
  EXPECT_EQ(folder.readFile("F6BBB.cbr"), "earlier");
  EXPECT_FALSE(folder.holdsTemporaryFile());
}

TEST_F(CabrilloExportTest, FailedReplaceRemovesTheTemporary) {
  std::filesystem::create_directories(folder.path() / "F6BBB.cbr" / "inside");
  prepare("F6BBB");
  EXPECT_EQ(exportObject.exportLog(log, 0).icon, MessageIcon::Error);
  EXPECT_FALSE(folder.holdsTemporaryFile());
  EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "F6BBB.cbr" / "inside"));
}

}  // namespace
}  // namespace velmora
