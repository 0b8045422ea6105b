#include "plugin/plugin.h"

#include <gtest/gtest.h>

#include <vector>

#include "memory_settings.h"

namespace velmora {
namespace {

class RecordingUi : public OperatorUi {
 public:
  void showMessage(const MessageRequest& request) override { shown.push_back(request); }
  std::vector<MessageRequest> shown;
};

class PluginTest : public ::testing::Test {
 protected:
  RecordingUi ui;
  testing::MemorySettings settings;
  Platform platform{ui, "Plugins/ref.txt", settings};
  Plugin plugin{platform};

  static QsoReport qso(const std::string& call, std::string_view prefix, std::string_view band) {
    QsoReport r;
    r.call = call;
    r.dxccPrefix = prefix;
    r.band = band;
    r.mode = "SSB";
    r.exchangeSent = "001";
    r.exchangeReceived = "75";
    return r;
  }
  static ContestStart start(const char* prefix, int exportRequested = 0) {
    ContestStart s;
    s.myDxccPrefix = prefix;
    s.exportRequested = exportRequested;
    s.myAreaTag = "EU";
    return s;
  }
};

TEST_F(PluginTest, StartsWithLoadTimeValues) {
  EXPECT_EQ(plugin.state().homeIsFrance, 0);
  EXPECT_EQ(plugin.state().exportRequested, 0);
  EXPECT_EQ(plugin.state().myAreaTag, "");
  EXPECT_EQ(plugin.addData(qso("F5AB", "F", "40m")), 1);
  EXPECT_EQ(plugin.addData(qso("DL1XX", "DL", "40m")), 0);
}

TEST_F(PluginTest, ContestStartRecordsOperatorData) {
  EXPECT_EQ(plugin.resetStats(start("F", 5)), 1);
  EXPECT_EQ(plugin.state().homeIsFrance, 1);
  EXPECT_EQ(plugin.state().exportRequested, 5);
  EXPECT_EQ(plugin.state().myAreaTag, "EU");
  plugin.resetStats(start(nullptr));
  EXPECT_EQ(plugin.state().homeIsFrance, 10);
  plugin.resetStats(start("F "));
  EXPECT_EQ(plugin.state().homeIsFrance, 0);
}

TEST_F(PluginTest, ContestStartEmptiesLogAndBandsAndReleasesStorage) {
  plugin.resetStats(start("F"));
  for (int i = 0; i < 50; ++i) plugin.addData(qso("F5A" + std::to_string(i), "F", i % 2 ? "20m" : "40m"));
  ASSERT_EQ(plugin.log().size(), 50u);
  plugin.resetStats(start("F"));
  EXPECT_EQ(plugin.log().size(), 0u);
  EXPECT_EQ(plugin.log().capacity(), 0u);
  EXPECT_EQ(plugin.bands().size(), 0u);
}

TEST_F(PluginTest, SetupShowsTheFixedMessageWithDefaultCaption) {
  plugin.setupSet();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "No additional setup for this contest");
  EXPECT_FALSE(ui.shown[0].caption.has_value());
  EXPECT_EQ(ui.shown[0].icon, MessageIcon::None);
  EXPECT_FALSE(ui.shown[0].ownedByActiveWindow);
}

}  // namespace
}  // namespace velmora
