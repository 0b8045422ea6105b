// Texts far longer than any log holds, through every entry: 100,000-character
// call signs and exchanges, 10,000-character band names and area strings.
// Each entry gives the answer it gives for a short text, and the call check
// writes its suggestion whole into a buffer of exactly the promised size.

#include <string>
#include <vector>

#include "plugin_scenario.h"

namespace velmora::testing {
namespace {

const std::string kLongCall = "F" + std::string(99'999, 'K');
const std::string kLongExchange = std::string(99'999, '7') + "x";
const std::string kLongBand = std::string(9'999, 'm') + "M";

class LongStrings : public PluginScenario {
 protected:
  void start(const std::string& myCall, int exportRequested) {
    MessageWatch watch;
    host::ContestStart start;
    start.myCall = myCall;
    start.myAreaTag = std::string(10'000, 'E');
    start.exportRequested = exportRequested;
    EXPECT_EQ(plugin().resetStats(start), 1);
    watch.finish();
  }

  static host::Qso longQso() {
    host::Qso qso;
    qso.call = kLongCall;
    qso.exchangeReceived = kLongExchange;
    qso.exchangeSent = kLongExchange;
    qso.rstSent = kLongExchange;
    qso.areaTag = std::string(10'000, 'E');
    qso.band = kLongBand;
    return qso;
  }

  std::string summary() {
    int flag = 0;
    MessageWatch watch;
    std::string text = plugin().getResult(&flag);
    watch.finish();
    return text;
  }
};
VELMORA_SCENARIO_SUITE_PLAIN_NAMES(LongStrings);

TEST_P(LongStrings, LogScoresChecksAndDeletesAsForShortTexts) {
  start("F6BBB", 0);
  const host::Qso qso = longQso();
  EXPECT_EQ(plugin().addData(qso), 1);
  EXPECT_EQ(plugin().addData(qso), 1);  // a duplicate: kept once
  EXPECT_NE(summary().find(kLongBand + "\t 1\t 6\t 1\t  0\r\nTotal\t 1\t 6\t 1\t  0\r\n"),
            std::string::npos);

  host::CallCheck check;
  check.call = kLongCall;
  check.band = kLongBand;
  check.bandFilter = kLongBand;
  EXPECT_EQ(plugin().checkCall(check, nullptr, nullptr), 0);  // duplicate on its band

  // On another band the suggestion is the long exchange, in a buffer of
  // exactly its length and terminator; the guard bytes after stay.
  check.band = check.bandFilter = "40m";
  std::vector<char> buffer(kLongExchange.size() + 1 + 16, '#');
  char message[56] = "";
  // A French call not in the reference file: no new multiplier.
  EXPECT_EQ(plugin().checkCall(check, buffer.data(), message), 1);
  EXPECT_EQ(std::string(buffer.data()), kLongExchange);
  EXPECT_EQ(std::string(buffer.end() - 16, buffer.end()), std::string(16, '#'));

  EXPECT_EQ(plugin().isValidExchange(kLongExchange.c_str(), 0), 0);
  EXPECT_EQ(plugin().removeData(qso), 1);
  EXPECT_NE(summary().find("Total\t 0\t 0\t 0\t  0\r\n"), std::string::npos);
}

TEST_P(LongStrings, LongForeignPrefixIsOneMultiplierPerBand) {
  start("F6BBB", 0);
  host::Qso qso;
  qso.call = "DL1XX";
  qso.dxccPrefix = std::string(100'000, 'D');
  EXPECT_EQ(plugin().addData(qso), 1);
  EXPECT_NE(summary().find("40m\t 1\t 3\t 0\t  1\r\n"), std::string::npos);

  host::CallCheck check;
  check.call = "DL2YY";
  check.dxccPrefix = qso.dxccPrefix;
  EXPECT_EQ(plugin().checkCall(check, nullptr, nullptr), 1);  // prefix worked on this band
  check.band = check.bandFilter = "20m";
  EXPECT_EQ(plugin().checkCall(check, nullptr, nullptr), 2);  // new on another band
}

// An own call too long for a file name (300 characters: more than Windows'
// 260 and Linux's 255): the operator is told the log was not produced, and
// the next request says so again.
TEST_P(LongStrings, OwnCallTooLongForAFileNameIsReported) {
  const std::string call = "F" + std::string(299, 'K');
  start(call, 1);
  EXPECT_EQ(plugin().addData(longQso()), 1);
  for (int request = 0; request < 2; ++request) {
    MessageWatch watch;
    int flag = 0;
    EXPECT_NE(std::string(plugin().getResult(&flag)).find("Total\t 1\t"), std::string::npos);
    EXPECT_TRUE(shownExactly(watch.finish(), {{"File not produced: " + call + ".cbr", "Output", 16}}));
    EXPECT_EQ(flag, -1);
  }
}

TEST_P(LongStrings, HundredThousandCharacterOwnCallStartsScoresAndReports) {
  start(kLongCall, 1);
  EXPECT_EQ(plugin().addData(longQso()), 1);
  MessageWatch watch;
  int flag = 0;
  EXPECT_NE(std::string(plugin().getResult(&flag)).find("Total\t 1\t"), std::string::npos);
  EXPECT_EQ(flag, -1);
  const std::vector<ShownMessage> shown = watch.finish();
  ASSERT_EQ(shown.size(), 1u);
#if defined(_WIN32)
  // Wine's message box hands back no text this long: its caption and error
  // icon show which message it is.
  EXPECT_EQ(shown[0].caption, "Output");
  EXPECT_EQ(shown[0].style & 0xF0u, 16u);
#else
  EXPECT_TRUE(shownExactly(shown, {{"File not produced: " + kLongCall + ".cbr", "Output", 16}}));
#endif
}

}  // namespace
}  // namespace velmora::testing
