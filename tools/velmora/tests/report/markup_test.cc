#include "report/markup.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace velmora::cli::report {
namespace {

struct EscapeCase {
  const char* text;
  const char* safe;
};

TEST(Markup, EscapesMarkupAndReplacesWhatIsNotUtf8OrNotAllowedInXml) {
  const EscapeCase cases[] = {
      {"F5VEL", "F5VEL"},
      {"<b>&\"'", "&lt;b&gt;&amp;&quot;&#39;"},
      {"R\xC3\xA9union \xE2\x80\x93 ok", "R\xC3\xA9union \xE2\x80\x93 ok"},
      {"\xE9t\xE9", "\xEF\xBF\xBDt\xEF\xBF\xBD"},          // Latin-1
      {"a\x01" "b\x7F", "a\xEF\xBF\xBD" "b\xEF\xBF\xBD"},  // control characters
      {"tab\tline\n", "tab\tline\n"},
      {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},            // overlong
      {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // a surrogate
      {"end\xE2\x82", "end\xEF\xBF\xBD\xEF\xBF\xBD"},      // cut short
  };
  for (const EscapeCase& c : cases) EXPECT_EQ(escaped(c.text), c.safe) << c.text;
  EXPECT_EQ(escaped(std::string("a\0b", 3)), "a\xEF\xBF\xBD" "b");
}

TEST(Markup, CoordinatesAndAxisNumbers) {
  const std::pair<double, const char*> coordinates[] = {
      {12.0, "12"}, {12.46, "12.5"}, {-0.04, "0"}, {-3.0, "-3"}, {0.05, "0.1"}};
  for (const auto& [value, text] : coordinates) EXPECT_EQ(coordinate(value), text) << value;
  const std::pair<long long, const char*> numbers[] = {
      {950, "950"},       {9999, "9999"},     {10000, "10k"},   {350000, "350k"},
      {1500000, "1.5M"},  {1250000, "1.25M"}, {40000000, "40M"}, {-20000, "-20k"}};
  for (const auto& [value, text] : numbers) EXPECT_EQ(compactNumber(value), text) << value;
}

}  // namespace
}  // namespace velmora::cli::report
