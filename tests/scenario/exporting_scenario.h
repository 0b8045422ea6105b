#pragma once
// Scenarios around the files of an exporting contest: a contest started with
// an export request (header dialog cancelled), one QSO, and summary requests
// with the messages they show.

#include <string>
#include <vector>

#include "plugin_scenario.h"

namespace velmora::testing {

class ExportingScenario : public PluginScenario {
 protected:
  // Starts a contest asking for the export; the header dialog is cancelled.
  void startExporting(const std::string& myCall = "F6BBB") {
    MessageWatch watch;
    host::ContestStart start;
    start.exportRequested = 1;
    start.myCall = myCall;
    EXPECT_EQ(plugin().resetStats(start), 1);
    EXPECT_TRUE(shownExactly(watch.finish(), {}));
  }

  void logOneQso() {
    host::Qso qso;
    qso.call = "F5AAA";
    qso.exchangeReceived = "13";
    ASSERT_EQ(plugin().addData(qso), 1);
  }

  // One summary request: its text and the messages it showed.
  std::string request(std::vector<ShownMessage>& shown) {
    MessageWatch watch;
    int flag = 0;
    const std::string text = plugin().getResult(&flag);
    shown = watch.finish();
    EXPECT_EQ(flag, -1);
    return text;
  }

  static bool hasLine(const std::string& text, const std::string& line) {
    return text.find(line + "\r\n") != std::string::npos;
  }

  // The messages of an export that writes `fileName` in place for
  // `reason`: natively first the remark that says so, before the write;
  // under Windows, where a remark is not shown, `then` alone.
  static std::vector<ExpectedMessage> inPlace(const std::string& fileName, const std::string& reason,
                                              const ExpectedMessage& then) {
#if defined(_WIN32)
    (void)fileName;
    (void)reason;
    return {then};
#else
    return {{"writing " + fileName + " in place: " + reason, std::string("Output"), 0}, then};
#endif
  }
};

}  // namespace velmora::testing
