#include "checks/exchange_validation.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

struct ExchangeCase {
  std::string exchange;
  bool valid;
};

TEST(ExchangeValidation, AcceptsThreeOrFourDigitsAndTheUrCodes) {
  const ExchangeCase cases[] = {
      {"599", false},  {"001", true},    {"123", true},   {"999", true},    {"598", true},
      {"0599", true},  {"1234", true},   {"0001", true},  {"UR01", true},   {"UR10", true},
      {"UR27", true},  {"UR00", false},  {"UR28", false}, {"ur01", false},  {"Ur01", false},
      {"UR1", false},  {"UR001", false}, {"", false},     {"7", false},     {"75", false},
      {"12345", false}, {"12a", false},  {"1 2", false},  {"-12", false},   {"+123", false},
      {" 123", false}, {"123 ", false},  {"2A", false},   {"\xB9\xB2\xB3", false},
      {std::string("12\0", 3), false},   {"UR01 ", false},
  };
  for (const ExchangeCase& c : cases) {
    EXPECT_EQ(isValidExchange(c.exchange, false), c.valid) << '"' << c.exchange << '"';
  }
}

TEST(ExchangeValidation, EveryCodeOfTheListIsAcceptedAndNothingOfTheFormOutsideIt) {
  for (int n = 0; n <= 99; ++n) {
    const std::string code = std::string("UR") + char('0' + n / 10) + char('0' + n % 10);
    EXPECT_EQ(isValidExchange(code, false), n >= 1 && n <= 27) << code;
  }
}

TEST(ExchangeValidation, RefuseFlagRefusesEverything) {
  for (const char* exchange : {"UR05", "123", "1234", "599", ""}) {
    EXPECT_FALSE(isValidExchange(exchange, true)) << exchange;
  }
}

}  // namespace
}  // namespace velmora
