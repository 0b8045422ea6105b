#pragma once
// The fixture of every scenario: a fresh empty working folder, and the built
// plug-in loaded anew by file name, its entries resolved by one of the two
// sets of exported names (the test is run once with each).

#include <cstdio>
#include <memory>

#include <gtest/gtest.h>

#include "host/plugin_host.h"
#include "shown_messages.h"
#include "working_folder.h"

namespace velmora::testing {

class PluginScenario : public ::testing::TestWithParam<host::ExportNames> {
 protected:
  void SetUp() override {
#if !defined(_WIN32)
    // Nobody answers at a terminal: the header form of an export is not shown.
    ASSERT_NE(std::freopen("/dev/null", "r", stdin), nullptr);
#endif
    folder_ = std::make_unique<WorkingFolder>();
    plugin_ = std::make_unique<host::PluginHost>(VELMORA_PLUGIN_FILE, GetParam());
    ASSERT_TRUE(plugin_->ready()) << plugin_->problem();
  }
  void TearDown() override {
    plugin_.reset();
    folder_.reset();
  }

  host::PluginHost& plugin() { return *plugin_; }
  WorkingFolder& folder() { return *folder_; }

 private:
  std::unique_ptr<WorkingFolder> folder_;
  std::unique_ptr<host::PluginHost> plugin_;
};

inline std::string exportNamesLabel(const ::testing::TestParamInfo<host::ExportNames>& info) {
  return info.param == host::ExportNames::Plain ? "PlainNames" : "FunctionNames";
}

#define VELMORA_SCENARIO_SUITE(Suite)                                                         \
  INSTANTIATE_TEST_SUITE_P(BothNameSets, Suite,                                              \
                           ::testing::Values(host::ExportNames::Plain, host::ExportNames::Full), \
                           exportNamesLabel)

// For scenarios whose outcome cannot depend on the names the entries are
// found by (faults, sizes): the plain names only, which halves their time
// under Wine.
#define VELMORA_SCENARIO_SUITE_PLAIN_NAMES(Suite)                                  \
  INSTANTIATE_TEST_SUITE_P(PlainNames, Suite, ::testing::Values(host::ExportNames::Plain), \
                           exportNamesLabel)

}  // namespace velmora::testing
