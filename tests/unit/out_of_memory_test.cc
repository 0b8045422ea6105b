// When memory runs out while a QSO is logged, it is refused and the log
// stays exactly as it was.

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "log/qso_entries.h"
#include "memory_settings.h"
#include "plugin/plugin.h"
#include "score/band_recount.h"

namespace {
bool g_failAllocations = false;
// When not negative: how many allocations succeed before every further one fails.
int g_allocationsBeforeFailure = -1;
}

void* operator new(std::size_t size) {
  if (g_failAllocations || g_allocationsBeforeFailure == 0) throw std::bad_alloc();
  if (g_allocationsBeforeFailure > 0) --g_allocationsBeforeFailure;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace velmora {
namespace {

class SilentUi : public OperatorUi {
 public:
  void showMessage(const MessageRequest&) override {}
  bool editHeader(HeaderFields&) override { return false; }
};

TEST(OutOfMemory, LoggingAQsoRefusesItAndKeepsTheLog) {
  SilentUi ui;
  testing::MemorySettings settings;
  Platform platform{ui, "Plugins/ref.txt", settings};
  Plugin plugin(platform);
  QsoReport report;
  report.mode = "CW";
  report.exchangeSent = "001";
  report.exchangeReceived = "a department text long enough to need the heap";
  report.dxccPrefix = "F";
  report.band = "40m";
  report.call = "F5AAA";
  ASSERT_TRUE(plugin.logQso(report));

  report.call = "F5BBB";
  g_failAllocations = true;
  const bool answer = plugin.logQso(report);
  g_failAllocations = false;

  EXPECT_FALSE(answer);
  ASSERT_EQ(plugin.log().size(), 1u);
  EXPECT_EQ(plugin.log()[0].call, "F5AAA");
  EXPECT_TRUE(plugin.logQso(report));
  EXPECT_EQ(plugin.log().size(), 2u);
}

// Memory running out at any allocation of an append, be it the record's
// block, an index or a count of its band, leaves every count as it was: the
// summary still agrees with the recount and nothing of the QSO is known.
TEST(OutOfMemory, AFailedAppendLeavesTheKeptCountsConsistent) {
  QsoLog log;
  BandList bands;
  QsoReport report;
  report.mode = "CW";
  report.exchangeSent = "001";
  report.dxccPrefix = "F";
  report.areaTag = "EU";
  report.band = "40m";
  const std::string calls[] = {"F5AAA", "F5BBB", "F5CCC", "F5DDD", "F5EEE"};
  for (const std::string& call : calls) {
    report.call = call;
    report.exchangeReceived = std::string_view(call).substr(3);
    ASSERT_TRUE(addQso(log, bands, true, report));
  }
  ASSERT_EQ(log.size(), log.capacity());  // the next append needs a new block

  // QSOs that bring a new call, department, prefix and area, each text
  // long enough to need the heap: one on a band of its own, one on the
  // band already logged.
  const std::string call = "FG5A/A-CALL-TOO-LONG-TO-BE-HELD-IN-PLACE";
  const std::string newBand = "a band name too long to be held in place";
  const std::string area = "an area tag too long to be held in place";
  const std::string department = "A DEPARTMENT TEXT LONG ENOUGH TO NEED THE HEAP";
  const OperatorStation station{true, area};
  std::size_t logged = log.size();
  for (const std::string& band : {newBand, std::string("40m")}) {
    report.call = call;
    report.dxccPrefix = "FG";
    report.band = band;
    report.areaTag = area;
    report.exchangeReceived = department;
    bool added = false;
    int failures = 0;
    for (int allowed = 0; allowed < 200 && !added; ++allowed) {
      g_allocationsBeforeFailure = allowed;
      try {
        added = addQso(log, bands, true, report);
      } catch (const std::bad_alloc&) {
        ++failures;
      }
      g_allocationsBeforeFailure = -1;
      if (added) break;
      ASSERT_EQ(log.size(), logged) << band << ", " << allowed;
      EXPECT_EQ(log.positionsOfCall(call).size(), logged - 5) << band << ", " << allowed;
      EXPECT_FALSE(log.holdsPrefixOnBand(band, "FG")) << band << ", " << allowed;
      EXPECT_FALSE(log.holdsDepartmentOnBand(band, department)) << band << ", " << allowed;
      EXPECT_EQ(summarize(log, bands, station).text, recountSummary(log, bands, station).text)
          << band << ", " << allowed;
    }
    ASSERT_TRUE(added) << band;
    EXPECT_GT(failures, 3) << band;
    ASSERT_EQ(log.size(), ++logged);
    EXPECT_EQ(log[logged - 1].band, band);
    EXPECT_TRUE(log.holdsDepartmentOnBand(band, department));
    EXPECT_EQ(summarize(log, bands, station).text, recountSummary(log, bands, station).text);
  }
  EXPECT_EQ(log.positionsOfCall(call), (std::vector<std::size_t>{5, 6}));
}

}  // namespace
}  // namespace velmora
