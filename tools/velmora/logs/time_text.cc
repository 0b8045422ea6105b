#include "logs/time_text.h"

#include <string>

namespace velmora::cli {
namespace {

// The value of `count` digits at `at`, or -1 when one of them is no digit.
int digitsAt(std::string_view text, std::size_t at, std::size_t count) {
  int value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

}  // namespace

bool isLogTime(const CivilDateTime& t) {
  if (t.year < 1900 || t.year > 9999 || t.month < 1 || t.month > 12) return false;
  if (t.day < 1 || t.day > daysInMonth(t.year, t.month)) return false;
  return t.hour >= 0 && t.hour < 24 && t.minute >= 0 && t.minute < 60 && t.second >= 0 &&
         t.second < 60;
}

bool readDate(std::string_view text, CivilDateTime& out) {
  std::string digits(text);
  if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
    digits = std::string(text.substr(0, 4)) + std::string(text.substr(5, 2)) +
             std::string(text.substr(8, 2));
  }
  if (digits.size() != 8) return false;
  CivilDateTime date = out;
  date.year = digitsAt(digits, 0, 4);
  date.month = digitsAt(digits, 4, 2);
  date.day = digitsAt(digits, 6, 2);
  date.hour = date.minute = date.second = 0;
  if (date.year < 0 || date.month < 0 || date.day < 0 || !isLogTime(date)) return false;
  out.year = date.year;
  out.month = date.month;
  out.day = date.day;
  return true;
}

bool readTime(std::string_view text, CivilDateTime& out) {
  if (text.size() != 4 && text.size() != 6) return false;
  const int hour = digitsAt(text, 0, 2);
  const int minute = digitsAt(text, 2, 2);
  const int second = text.size() == 6 ? digitsAt(text, 4, 2) : 0;
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
    return false;
  }
  out.hour = hour;
  out.minute = minute;
  out.second = second;
  return true;
}

}  // namespace velmora::cli
