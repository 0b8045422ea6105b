#include "score/band_order.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmora {
namespace {

BandList bandList(const std::vector<std::string>& names) {
  BandList bands;
  for (const std::string& name : names) bands.append(name);
  return bands;
}

std::vector<std::string> names(const BandList& bands) { return {bands.begin(), bands.end()}; }

struct OrderCase {
  const char* label;
  std::vector<std::string> before;
  std::vector<std::string> after;
};

class BandOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(BandOrder, SortsDescendingByFilledKey) {
  BandList bands = bandList(GetParam().before);
  orderBands(bands);
  EXPECT_EQ(names(bands), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BandOrder,
    ::testing::Values(
        OrderCase{"MetreBandsFromAnyStart", {"10m", "20m", "160m", "40m", "15m", "80m"},
                  {"160m", "80m", "40m", "20m", "15m", "10m"}},
        OrderCase{"MegahertzBandsLongerNameFirst", {"1.8", "3.5", "7", "14", "21", "28"},
                  {"3.5", "1.8", "28", "21", "14", "7"}},
        OrderCase{"WorkedExampleSwapsSevenAndFourteen", {"7", "14"}, {"14", "7"}},
        // 7 and 07 have equal keys: never exchanged with each other, though
        // an exchange with a third name can still move one past the other.
        OrderCase{"LeadingZeroNamesAreNotExchanged", {"7", "07", "14"}, {"14", "07", "7"}},
        OrderCase{"LeadingZeroNamesKeepTheirPlaces", {"07", "7"}, {"07", "7"}},
        // A name of 20+ characters is compared as it is against "000...".
        OrderCase{"LongNameSortsByPlainText",
                  {"0000000000000000000A", "7", "0000000000000000000000", "AAAAAAAAAAAAAAAAAAAAA"},
                  {"AAAAAAAAAAAAAAAAAAAAA", "0000000000000000000A", "7",
                   "0000000000000000000000"}},
        // The key fills a name with zeros to exactly 20 characters: "7" and
        // the 19-character "000...07" share a key, as "" and "0" do.
        OrderCase{"FilledToTwentyCharactersExactly",
                  {"7", "0000000000000000007", "8"}, {"8", "0000000000000000007", "7"}},
        OrderCase{"FilledToTwentyCharactersExactlyOtherOrder",
                  {"0000000000000000007", "7"}, {"0000000000000000007", "7"}},
        OrderCase{"EmptyNameIsAllZeros", {"", "0"}, {"", "0"}},
        OrderCase{"EmptyNameIsAllZerosOtherOrder", {"0", ""}, {"0", ""}},
        OrderCase{"TwentyCharacterNamesAreTheirOwnKeys",
                  {"abcdefghijklmnopqrst", "abcdefghijklmnopqrstuvw"},
                  {"abcdefghijklmnopqrstuvw", "abcdefghijklmnopqrst"}},
        OrderCase{"BytesAboveAsciiCompareAsUnsigned", {"a", "\xE9"}, {"\xE9", "a"}},
        OrderCase{"EmptyList", {}, {}}, OrderCase{"OneBand", {"40m"}, {"40m"}}),
    [](const ::testing::TestParamInfo<OrderCase>& info) { return info.param.label; });

}  // namespace
}  // namespace velmora
