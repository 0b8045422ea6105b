// When memory runs out while a QSO is logged, it is refused and the log
// stays exactly as it was.

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "memory_settings.h"
#include "plugin/plugin.h"

namespace {
bool g_failAllocations = false;
}

void* operator new(std::size_t size) {
  if (g_failAllocations) throw std::bad_alloc();
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

}  // namespace
}  // namespace velmora
