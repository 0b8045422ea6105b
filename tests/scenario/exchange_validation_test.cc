// The validation of a received exchange through StatsIsValidExchg0.

#include "plugin_scenario.h"

namespace velmora::testing {
namespace {

class ExchangeValidating : public PluginScenario {};
VELMORA_SCENARIO_SUITE(ExchangeValidating);

TEST_P(ExchangeValidating, AcceptsNumbersAndUrCodesOnly) {
  const std::pair<const char*, int> cases[] = {
      {"599", 0},  {"001", 1},  {"999", 1},  {"0599", 1}, {"1234", 1}, {"UR01", 1}, {"UR27", 1},
      {"UR00", 0}, {"UR28", 0}, {"ur01", 0}, {"UR1", 0},  {"12", 0},   {"12345", 0}, {"", 0},
      {"1a2", 0},  {"1 2", 0},
  };
  for (const auto& [exchange, valid] : cases) {
    EXPECT_EQ(plugin().isValidExchange(exchange, 0), valid) << exchange;
  }
}

TEST_P(ExchangeValidating, RefuseFlagRefusesEveryExchange) {
  for (int flag : {1, -1, 7}) {
    EXPECT_EQ(plugin().isValidExchange("UR05", flag), 0);
    EXPECT_EQ(plugin().isValidExchange("123", flag), 0);
  }
}

TEST_P(ExchangeValidating, NullExchangeIsRefused) {
  EXPECT_EQ(plugin().isValidExchange(nullptr, 0), 0);
}

}  // namespace
}  // namespace velmora::testing
