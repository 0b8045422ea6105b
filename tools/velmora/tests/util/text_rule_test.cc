// The one text rule for every text handed to the plug-in or written.

#include "util/text_rule.h"

#include <gtest/gtest.h>

#include "util/terminal_excerpt.h"

namespace velmora::cli {
namespace {

TEST(TextRule, ColumnsTakeNoBlankAndNoTextTakesAControlCharacter) {
  struct Case {
    std::string text;
    std::optional<std::string> column, line;
  };
  const Case cases[] = {
      {"F5VEL", std::nullopt, std::nullopt},
      {"", std::nullopt, std::nullopt},
      {"Jérôme Dupont", "holds a blank", std::nullopt},  // bytes past ASCII are kept
      {" Jean", "holds a blank", "begins with a blank"},
      {"Jean ", "holds a blank", "ends with a blank"},
      {std::string("F5\0X", 4), "holds a NUL byte", "holds a NUL byte"},
      {"a\tb", "holds a control character (\\t)", "holds a control character (\\t)"},
      {"a\nb", "holds a control character (\\n)", "holds a control character (\\n)"},
      {"\x1b[2J", "holds a control character (\\x1b)", "holds a control character (\\x1b)"},
      {"del\x7f", "holds a control character (\\x7f)", "holds a control character (\\x7f)"},
      {"a b\x08", "holds a control character (\\x08)", "holds a control character (\\x08)"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(textFault(c.text, TextPlace::Column), c.column) << terminalExcerpt(c.text);
    EXPECT_EQ(textFault(c.text, TextPlace::Line), c.line) << terminalExcerpt(c.text);
  }
}

}  // namespace
}  // namespace velmora::cli
