// A host program that answers the Cabrillo header form itself: this test
// program defines and exports the answers entry, so the plug-in's form takes
// its answers. On Linux, without a terminal, they close the form with OK; on
// Windows the dialog opens with them in place and the operator presses OK.
// (A program of its own: in the other scenarios nobody answers the form.)

#include "plugin_scenario.h"
#include "ports/host_answers.h"

extern "C" VELMORA_HOST_ENTRY const char* VelmoraHostAnswer(const char* label) {
  const std::string name = label;
  if (name == "CATEGORY") return "SO40";
  if (name == "NAME") return "Anne Martin";
  if (name == "ADDRESS") return "2 Rue Haute\r\nLyon";
  return nullptr;
}

namespace velmora::testing {
namespace {

using HostAnswersScenario = PluginScenario;

TEST_P(HostAnswersScenario, AnswersAreStoredAndWrittenIntoTheHeader) {
  folder().writeFile("Plugins/VIRDO.ini",
                     "[Settings]\r\nOperators=F6BBB F5ZZZ\r\nClub=Radio Club\r\n");
  HeaderAnswer pressOk;
  pressOk.ok = true;
  MessageWatch watch(pressOk);
  host::ContestStart start;
  start.exportRequested = 1;
  start.myCall = "F6BBB";
  EXPECT_EQ(plugin().resetStats(start), 1);
  watch.finish();
  EXPECT_EQ(folder().readFile("Plugins/VIRDO.ini"),
            "[Settings]\r\nOperators=F6BBB F5ZZZ\r\nClub=Radio Club\r\nName=Anne Martin\r\n"
            "Address=2 Rue Haute<CR><LF>Lyon\r\nCategory=SO40\r\nPower=DX\r\nContest=Velmora\r\n"
            "Email=\r\nSoapBox=\r\n");
  int flag = 0;
  MessageWatch exportWatch;
  plugin().getResult(&flag);
  exportWatch.finish();
  const std::string log = folder().readFile("F6BBB.cbr");
  EXPECT_EQ(log.substr(0, log.find("OPERATORS: ")),
            "START-OF-LOG: 2.0\r\nCALLSIGN: F6BBB\r\nCATEGORY: SO40\r\nPOWER: DX\r\n"
            "CLAIMED-SCORE: 0\r\nCLUB: Radio Club\r\nCONTEST: Velmora\r\nCREATED-BY: Qelt \r\n"
            "NAME: Anne Martin\r\nADDRESS: 2 Rue Haute\r\nADDRESS: Lyon\r\n");
}
VELMORA_SCENARIO_SUITE_PLAIN_NAMES(HostAnswersScenario);

}  // namespace
}  // namespace velmora::testing
