#include "checks/exchange_validation.h"

#include <algorithm>

namespace velmora {
namespace {

bool isDecimalDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool isValidExchange(std::string_view exchange, bool refuse) {
  if (refuse || exchange == "599") return false;
  if (exchange.size() == 4 &&
      std::find(kExchangeCodeList.begin(), kExchangeCodeList.end(), exchange) !=
          kExchangeCodeList.end()) {
    return true;
  }
  if (exchange.size() != 3 && exchange.size() != 4) return false;
  return std::all_of(exchange.begin(), exchange.end(), isDecimalDigit);
}

}  // namespace velmora
