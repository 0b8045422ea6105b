#include "logs/decimal_number.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

namespace velmora::cli {
namespace {

struct Frequency {
  const char* text;
  std::optional<std::uint64_t> hz;
};

void PrintTo(const Frequency& frequency, std::ostream* out) {
  *out << '"' << frequency.text << '"';
}

class MegahertzText : public testing::TestWithParam<Frequency> {};

TEST_P(MegahertzText, ParsesExactlyToHz) {
  EXPECT_EQ(megahertzToHz(GetParam().text), GetParam().hz) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    DecimalNumber, MegahertzText,
    testing::Values(Frequency{"14.025", 14025000u}, Frequency{"14.025999", 14025999u},
                    Frequency{"7.1", 7100000u}, Frequency{"0.1357", 135700u},
                    Frequency{"28", 28000000u}, Frequency{".5", 500000u},
                    Frequency{"14.0259999", 14025999u},  // below one Hz dropped
                    Frequency{"4294.967296", 4294967296u},  // beyond 32 bits: 3cm and up
                    Frequency{"18446744073709.551615", 18446744073709551615u},
                    Frequency{"18446744073709.551616", std::nullopt},
                    Frequency{"", std::nullopt}, Frequency{".", std::nullopt},
                    Frequency{"7,05", std::nullopt}, Frequency{"1.2.3", std::nullopt},
                    Frequency{"-7", std::nullopt}, Frequency{"7.05 ", std::nullopt}));

TEST(DecimalNumber, KilohertzToHz) {
  EXPECT_EQ(kilohertzToHz("14025"), 14025000u);
  EXPECT_EQ(kilohertzToHz("7050.5"), 7050500u);
}

}  // namespace
}  // namespace velmora::cli
