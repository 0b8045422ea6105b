// The set queries, the setup message and the contest start, through the
// exported entries.

#include "plugin_scenario.h"

namespace velmora::testing {
namespace {

class EntryPoints : public PluginScenario {};
VELMORA_SCENARIO_SUITE(EntryPoints);

TEST_P(EntryPoints, OffersOneSetNamedVelmora) {
  EXPECT_EQ(plugin().numberOfSets(), 1);
  EXPECT_EQ(plugin().exchangeCount(), 1);
  EXPECT_STREQ(plugin().setName(0), "Velmora (C)");
  EXPECT_STREQ(plugin().setName(1), "");
  EXPECT_STREQ(plugin().setName(-1), "");
}

TEST_P(EntryPoints, SetNameTextOutlivesLaterCalls) {
  const char* first = plugin().setName(0);
  plugin().setName(5);
  plugin().resetStats({});
  EXPECT_EQ(first, plugin().setName(0));
  EXPECT_STREQ(first, "Velmora (C)");
}

TEST_P(EntryPoints, SetupShowsPlainMessageWithoutOwner) {
  MessageWatch watch;
  plugin().setupSet();
  const std::vector<ShownMessage> shown = watch.finish();
  EXPECT_TRUE(shownExactly(shown, {{"No additional setup for this contest", std::nullopt, 0}}));
  for (const ShownMessage& message : shown) EXPECT_FALSE(message.owned);
}

TEST_P(EntryPoints, ContestStartWithoutExportShowsNothingAndTouchesNoFile) {
  MessageWatch watch;
  EXPECT_EQ(plugin().resetStats({}), 1);
  EXPECT_TRUE(shownExactly(watch.finish(), {}));
  EXPECT_TRUE(std::filesystem::is_empty(folder().path()));
}

TEST_P(EntryPoints, ContestStartReturnsOneForAnyOwnPrefix) {
  for (const char* prefix : {"F", "f", "F ", "DL", ""}) {
    host::ContestStart start;
    start.myDxccPrefix = prefix;
    EXPECT_EQ(plugin().resetStats(start), 1) << prefix;
  }
  host::ContestStart nullPrefix;
  nullPrefix.nullDxccPrefix = true;
  EXPECT_EQ(plugin().resetStats(nullPrefix), 1);
}

}  // namespace
}  // namespace velmora::testing
