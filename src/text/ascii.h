#pragma once
// ASCII letter case and blanks, the same in every locale: the plug-in's
// texts are 8-bit bytes, and only the ASCII letters and the six C blanks
// (space, tab, LF, VT, FF, CR) have a meaning of their own; every other
// byte is kept as it is.

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

inline bool isAsciiBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

inline char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
inline char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

inline std::string upperAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = upperAscii(c);
  return upper;
}

inline std::string lowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = lowerAscii(c);
  return lower;
}

inline bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
  }
  return true;
}

// `text` without the ASCII blanks at either end.
inline std::string_view trimAsciiBlanks(std::string_view text) {
  while (!text.empty() && isAsciiBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isAsciiBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace velmora
