#include "logs/exchange_field.h"

#include <algorithm>

#include "text/ascii.h"

namespace velmora::cli {

bool isSignalReport(std::string_view word) {
  if (word.size() != 2 && word.size() != 3) return false;
  if (word[0] < '1' || word[0] > '5') return false;
  for (std::size_t i = 1; i < word.size(); ++i) {
    const char c = word[i];
    if ((c < '1' || c > '9') && c != 'N' && c != 'n') return false;
  }
  return true;
}

std::string usualReport(std::string_view mode) {
  if (mode == "CW") return "599";
  if (mode == "SSB") return "59";
  return "";
}

bool holdsBlank(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return isAsciiBlank(c); });
}

ExchangeField splitExchangeField(std::string_view field) {
  const std::string_view text = trimAsciiBlanks(field);
  const std::size_t gap = text.find_first_of(" \t");
  if (gap != std::string_view::npos) {
    const std::string_view first = text.substr(0, gap);
    const std::string_view last = trimAsciiBlanks(text.substr(gap));
    if (isSignalReport(first) && !holdsBlank(last)) {
      return {std::string(last), std::string(first)};
    }
  }
  return {std::string(text), ""};
}

}  // namespace velmora::cli
