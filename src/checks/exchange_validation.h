#pragma once
// Whether a received exchange is acceptable: three digits other than "599",
// four digits, or one of the codes "UR01" to "UR27".

#include <array>
#include <string_view>

namespace velmora {

// The four-character codes accepted besides numbers, in ascending order.
inline constexpr std::array<std::string_view, 27> kExchangeCodeList = {
    "UR01", "UR02", "UR03", "UR04", "UR05", "UR06", "UR07", "UR08", "UR09",
    "UR10", "UR11", "UR12", "UR13", "UR14", "UR15", "UR16", "UR17", "UR18",
    "UR19", "UR20", "UR21", "UR22", "UR23", "UR24", "UR25", "UR26", "UR27",
};

// Every exchange is refused while `refuse` is set.
bool isValidExchange(std::string_view exchange, bool refuse);

}  // namespace velmora
