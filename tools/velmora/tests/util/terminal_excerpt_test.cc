#include "util/terminal_excerpt.h"

#include <gtest/gtest.h>

namespace velmora::cli {
namespace {

// What a log's bytes may try on the terminal, and what the excerpt shows.
TEST(TerminalExcerpt, ShowsEveryByteThatIsNoPrintableTextAsAnEscape) {
  struct Case {
    std::string input;
    const char* shown;
  };
  for (const Case& c : {
           Case{"F5VEL", "F5VEL"},
           Case{"\x1b[2J\x1b]0;owned\x07", "\\x1b[2J\\x1b]0;owned\\x07"},
           Case{"54\r\nrecord 99 skipped", "54\\r\\nrecord 99 skipped"},
           Case{"a\tb\\n", "a\\tb\\\\n"},  // a typed backslash stays told apart
           Case{std::string("F5\0VEL\b\x7f", 8), "F5\\x00VEL\\x08\\x7f"},
           Case{"R\xC3\xA9union \xE2\x82\xAC", "R\xC3\xA9union \xE2\x82\xAC"},  // UTF-8 kept
           Case{"\xC3(\xE0\x80\xAF\x80", "\\xc3(\\xe0\\x80\\xaf\\x80"},  // no UTF-8 characters
           Case{"\xC2\x9b" "2J", "\\u009b2J"},  // a C1 control written in UTF-8
           Case{"abc\xE2\x80\xAE" "cba", "abc\\u202ecba"},  // text turned right to left
           Case{"\xF0\x9F\x93\xBB", "\xF0\x9F\x93\xBB"},
       }) {
    EXPECT_EQ(terminalExcerpt(c.input), c.shown) << c.input;
  }
}

TEST(TerminalExcerpt, LongInputIsCutAfterWholeCharacters) {
  EXPECT_EQ(terminalExcerpt(std::string(200'000'000 / 1000, 'A'), 5), "AAAAA...");
  EXPECT_EQ(terminalExcerpt("abcde", 5), "abcde");
  EXPECT_EQ(terminalExcerpt("\x1b\x1b\x1b", 2), "\\x1b\\x1b...");
  EXPECT_EQ(terminalExcerpt("\xC3\xA9\xC3\xA9\xC3\xA9", 2), "\xC3\xA9\xC3\xA9...");
  EXPECT_EQ(terminalExcerpt(std::string(kExcerptLength + 1, 'x')),
            std::string(kExcerptLength, 'x') + "...");
  EXPECT_EQ(quotedExcerpt("081"), "'081'");
}

}  // namespace
}  // namespace velmora::cli
