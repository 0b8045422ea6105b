// A log far larger than any contest gives, built through AddData0. The test
// uses a size that runs in a few seconds in its build (30,000 QSOs, 10,000
// under the sanitizers) and takes another from VELMORA_LARGE_LOG_QSOS
// (docs/reliability.md gives the million-QSO time). Every QSO is kept and
// counted once, and the entries still answer.

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>

#include "plugin_scenario.h"

namespace velmora::testing {
namespace {

int logSize() {
  const char* size = std::getenv("VELMORA_LARGE_LOG_QSOS");
  return size != nullptr ? std::atoi(size) : VELMORA_LARGE_LOG_DEFAULT;
}

host::Qso numbered(int n) {
  static const char* const kBands[] = {"160m", "80m", "40m", "20m", "15m", "10m"};
  host::Qso qso;
  qso.call = "F" + std::to_string(n);
  qso.band = kBands[n % 6];
  qso.exchangeReceived = std::to_string(10 + n % 90);
  qso.time.days = 40607.5 + n / 86400.0;
  return qso;
}

class LargeLog : public PluginScenario {};
VELMORA_SCENARIO_SUITE_PLAIN_NAMES(LargeLog);

TEST_P(LargeLog, EveryDistinctQsoIsKeptAndCountedOnce) {
  const int size = logSize();
  ASSERT_EQ(plugin().resetStats(host::ContestStart{}), 1);
  const auto begin = std::chrono::steady_clock::now();
  for (int n = 0; n < size; ++n) ASSERT_EQ(plugin().addData(numbered(n)), 1) << n;
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - begin;
  std::cout << size << " QSOs through AddData0 in " << took.count() << " s\n";

  EXPECT_EQ(plugin().addData(numbered(size / 2)), 1);  // a duplicate: not kept again
  int flag = 0;
  const std::string total = "Total\t " + std::to_string(size) + "\t";
  EXPECT_NE(std::string(plugin().getResult(&flag)).find(total), std::string::npos);

  host::CallCheck check;
  check.call = numbered(size - 1).call;
  check.band = check.bandFilter = numbered(size - 1).band;
  EXPECT_EQ(plugin().checkCall(check, nullptr, nullptr), 0);  // the last QSO is a duplicate
  EXPECT_EQ(plugin().removeData(numbered(0)), 1);
  const std::string fewer = "Total\t " + std::to_string(size - 1) + "\t";
  EXPECT_NE(std::string(plugin().getResult(&flag)).find(fewer), std::string::npos);
}

}  // namespace
}  // namespace velmora::testing
