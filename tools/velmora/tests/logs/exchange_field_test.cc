#include "logs/exchange_field.h"

#include <gtest/gtest.h>

namespace velmora::cli {
namespace {

TEST(ExchangeField, ReportInFrontIsSplitOffOnlyFromTwoWords) {
  struct Case {
    const char* field;
    const char* exchange;
    const char* report;
  };
  for (const Case& c : {Case{"59 54", "54", "59"}, Case{" 599  013 ", "013", "599"},
                        Case{"5NN 2A", "2A", "5NN"}, Case{"54", "54", ""},
                        Case{"69 54", "69 54", ""}, Case{"599 14 DL", "599 14 DL", ""},
                        Case{"599", "599", ""}, Case{"", "", ""}}) {
    const ExchangeField split = splitExchangeField(c.field);
    EXPECT_EQ(split.exchange, c.exchange) << c.field;
    EXPECT_EQ(split.report, c.report) << c.field;
  }
}

TEST(ExchangeField, BlanksTabsAndLineEndsAreBlanks) {
  for (const char* text : {"a b", "a\tb", "ab\r", "\nab", "a\vb", "a\fb"}) {
    EXPECT_TRUE(holdsBlank(text)) << text;
  }
  EXPECT_FALSE(holdsBlank("F5VEL/P"));
  EXPECT_FALSE(holdsBlank(""));
}

}  // namespace
}  // namespace velmora::cli
