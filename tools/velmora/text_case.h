#pragma once
// ASCII letter-case helpers for names that logs write in any case.

#include <string>
#include <string_view>

namespace velmora::cli {

std::string toLower(std::string_view text);
std::string toUpper(std::string_view text);

// `text` without leading and trailing blanks, tabs and line ends.
std::string_view trimBlanks(std::string_view text);

}  // namespace velmora::cli
