// A whole exporting contest through the exported entries: the contest start
// with its header dialog (cancelled), QSOs, and summary requests that write
// the Cabrillo log and announce it in a message box.

#include "plugin_scenario.h"

namespace velmora::testing {
namespace {

class CabrilloExporting : public PluginScenario {
 protected:
  void SetUp() override {
    PluginScenario::SetUp();
    folder().writeFile("Plugins/VIRDO.ini",
                       "[Settings]\r\nOperators=F6BBB F5ZZZ\r\nName=Jean Dupont\r\n"
                       "Address=1 Main Street<CR><LF>Springfield\r\nEmail=f6bbb@example.org\r\n"
                       "Club=Radio Club\r\nSoapBox=Good fun\r\n");
  }

  // Starts an exporting contest; the header dialog is cancelled.
  void startExporting(const std::string& myCall, int exportRequested = 1) {
    MessageWatch watch;
    host::ContestStart start;
    start.exportRequested = exportRequested;
    start.myCall = myCall;
    EXPECT_EQ(plugin().resetStats(start), 1);
    EXPECT_TRUE(shownExactly(watch.finish(), {}));
#if defined(_WIN32)
    EXPECT_EQ(watch.answeredDialogs(), 1);
#endif
  }

  void logTwoQsos() {
    host::Qso french;
    french.call = "F5AAA";
    french.mode = "CW";
    french.frequencyHz = 7012000;
    french.time = {40607.591666666667, 0};  // 2011-03-05 14:12
    french.rstSent = "599";
    french.rstReceived = "599";
    french.exchangeSent = "75";
    french.exchangeReceived = "13";
    host::Qso foreign = french;
    foreign.call = "DL1XX";
    foreign.dxccPrefix = "DL";
    foreign.mode = "SSB";
    foreign.frequencyHz = 14250000;
    foreign.rstReceived = "59";
    foreign.rstSent = "59";
    foreign.exchangeReceived = "001";
    ASSERT_EQ(plugin().addData(french), 1);
    ASSERT_EQ(plugin().addData(foreign), 1);
  }

  // Runs one summary request and returns the messages it showed.
  std::vector<ShownMessage> request(int& flag) {
    MessageWatch watch;
    plugin().getResult(&flag);
    return watch.finish();
  }
};
VELMORA_SCENARIO_SUITE(CabrilloExporting);

const char* const kExpectedLog =
    "START-OF-LOG: 2.0\r\n"
    "CALLSIGN: F6BBB\r\n"
    "CATEGORY: SOAB\r\n"
    "POWER: DX\r\n"
    "CLAIMED-SCORE: 14\r\n"
    "CLUB: Radio Club\r\n"
    "CONTEST: Velmora\r\n"
    "CREATED-BY: Qelt \r\n"
    "NAME: Jean Dupont\r\n"
    "ADDRESS: 1 Main Street\r\n"
    "ADDRESS: Springfield\r\n"
    "OPERATORS: F6BBB F5ZZZ\r\n"
    "EMAIL: f6bbb@example.org\r\n"
    "SOAPBOX: Good fun\r\n"
    "X-EXTRA: kept as it is"
    "QSO:  7012 CW 2011-03-05 1412 F6BBB         599 75     F5AAA         599 13\r\n"
    "QSO: 14250 PH 2011-03-05 1412 F6BBB         59  75     DL1XX         59  001\r\n"
    "END-OF-LOG:\r\n";

TEST_P(CabrilloExporting, WritesTheLogByteForByteAndAnnouncesIt) {
  folder().writeFile("cabrillo.ini", "X-EXTRA: kept as it is");
  startExporting("F6BBB");
  logTwoQsos();
  int flag = 7;
  EXPECT_TRUE(shownExactly(request(flag), {{"File produced: F6BBB.cbr", "Output", 64}}));
  EXPECT_EQ(flag, -1);
  EXPECT_EQ(folder().readFile("F6BBB.cbr"), kExpectedLog);
  EXPECT_EQ(folder().readFile("cabrillo.ini"), "X-EXTRA: kept as it is");
}

TEST_P(CabrilloExporting, EveryRequestRewritesTheWholeLog) {
  folder().writeFile("cabrillo.ini", "X-EXTRA: kept as it is");
  startExporting("F6BBB", 5);
  logTwoQsos();
  int flag = 0;
  request(flag);
  flag = 0;
  EXPECT_TRUE(shownExactly(request(flag), {{"File produced: F6BBB.cbr", "Output", 64}}));
  EXPECT_EQ(flag, -1);
  EXPECT_EQ(folder().readFile("F6BBB.cbr"), kExpectedLog);
}

TEST_P(CabrilloExporting, EmptyLogGivesHeaderAndEndOnlyAndCreatesTheExtraHeaderFile) {
  startExporting("f/dl1xx/p");
  int flag = 0;
  EXPECT_TRUE(shownExactly(request(flag), {{"File produced: f_dl1xx_p.cbr", "Output", 64}}));
  const std::string log = folder().readFile("f_dl1xx_p.cbr");
  EXPECT_EQ(log.find("QSO:"), std::string::npos);
  EXPECT_NE(log.find("CALLSIGN: f/dl1xx/p\r\nCATEGORY: SOAB\r\n"), std::string::npos);
  EXPECT_NE(log.find("CLAIMED-SCORE: 0\r\n"), std::string::npos);
  const std::string ending = "SOAPBOX: Good fun\r\nEND-OF-LOG:\r\n";
  ASSERT_GE(log.size(), ending.size());
  EXPECT_EQ(log.substr(log.size() - ending.size()), ending);
  EXPECT_TRUE(folder().exists("cabrillo.ini"));
  EXPECT_EQ(folder().readFile("cabrillo.ini"), "");
}

// The extra header file is made before the file name is looked at, as it
// would be by a writer that tries to create the log first.
TEST_P(CabrilloExporting, RefusedFileNameWritesNoLogButCreatesTheExtraHeaderFile) {
  startExporting("F6:BB");
  logTwoQsos();
  int flag = 0;
  EXPECT_TRUE(shownExactly(request(flag), {{"File not produced: F6:BB.cbr", "Output", 16}}));
  EXPECT_EQ(flag, -1);
  EXPECT_FALSE(folder().exists("F6:BB.cbr"));
  EXPECT_FALSE(folder().exists("F6"));
  EXPECT_TRUE(folder().exists("cabrillo.ini"));
  EXPECT_EQ(folder().readFile("cabrillo.ini"), "");
}

#if defined(_WIN32)
// The operator fills the real dialog and presses OK: the settings file takes
// the stored forms, and the log the edited header, its file name still from
// the own call.
TEST_P(CabrilloExporting, ConfirmedDialogIsStoredAndWritten) {
  HeaderAnswer answer;
  answer.ok = true;
  answer.typed = {{1010, "F6BBB/P"}, {1013, "SO40"}, {1014, "100 watt"}, {1007, "Anne Martin"},
                  {1002, "2 Rue Haute\r\nLyon\r\n"}, {1008, "999999"}, {1001, "Fun"}};
  MessageWatch watch(answer);
  host::ContestStart start;
  start.exportRequested = 1;
  start.myCall = "F6BBB";
  EXPECT_EQ(plugin().resetStats(start), 1);
  watch.finish();
  ASSERT_EQ(watch.answeredDialogs(), 1);
  EXPECT_EQ(folder().readFile("Plugins/VIRDO.ini"),
            "[Settings]\r\nOperators=F6BBB F5ZZZ\r\nName=Anne Martin\r\n"
            "Address=2 Rue Haute<CR><LF>Lyon<CR><LF>\r\nEmail=f6bbb@example.org\r\n"
            "Club=Radio Club\r\nSoapBox=Fun\r\nCategory=SO40\r\nPower=100 watt\r\n"
            "Contest=Velmora\r\n");
  int flag = 0;
  EXPECT_TRUE(shownExactly(request(flag), {{"File produced: F6BBB.cbr", "Output", 64}}));
  const std::string log = folder().readFile("F6BBB.cbr");
  EXPECT_EQ(log.substr(0, log.find("OPERATORS: ")),
            "START-OF-LOG: 2.0\r\nCALLSIGN: F6BBB/P\r\nCATEGORY: SO40\r\nPOWER: 100 watt\r\n"
            "CLAIMED-SCORE: 0\r\nCLUB: Radio Club\r\nCONTEST: Velmora\r\nCREATED-BY: Qelt \r\n"
            "NAME: Anne Martin\r\nADDRESS: 2 Rue Haute\r\nADDRESS: Lyon\r\nADDRESS: \r\n");
}
#endif

TEST_P(CabrilloExporting, CancelledDialogLeavesTheSettingsFileAlone) {
  const std::string before = folder().readFile("Plugins/VIRDO.ini");
  startExporting("F6BBB");
  EXPECT_EQ(folder().readFile("Plugins/VIRDO.ini"), before);
}

}  // namespace
}  // namespace velmora::testing
