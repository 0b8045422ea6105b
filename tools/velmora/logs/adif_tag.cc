#include "logs/adif_tag.h"

#include "text/ascii.h"

namespace velmora::cli {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isNameCharacter(char c) { return isLetter(c) || isDigit(c) || c == '_'; }

bool standsAlone(std::string_view name) {
  return equalIgnoringAsciiCase(name, "eor") || equalIgnoringAsciiCase(name, "eoh") ||
         equalIgnoringAsciiCase(name, "app_lotw_eof");
}

}  // namespace

std::size_t adifTagAt(std::string_view text) {
  text = text.substr(0, kLongestAdifTag);
  if (text.empty() || text[0] != '<') return 0;
  std::size_t at = 1;
  while (at < text.size() && isNameCharacter(text[at])) ++at;
  if (at == 1 || at == text.size()) return 0;
  if (text[at] == '>') return standsAlone(text.substr(1, at - 1)) ? at + 1 : 0;
  if (text[at] != ':') return 0;
  const std::size_t digits = ++at;
  while (at < text.size() && isDigit(text[at])) ++at;
  if (at == digits || at == text.size()) return 0;
  if (text[at] == ':') {
    const std::size_t type = ++at;
    while (at < text.size() && isLetter(text[at])) ++at;
    if (at == type || at == text.size()) return 0;
  }
  return text[at] == '>' ? at + 1 : 0;
}

}  // namespace velmora::cli
