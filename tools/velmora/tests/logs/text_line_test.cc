#include "logs/text_line.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace velmora::cli {
namespace {

std::vector<std::string> lines(const std::string& text, std::size_t longest = 100) {
  std::istringstream in(text);
  std::vector<std::string> read;
  std::string line;
  for (LineRead got; (got = readLine(in, line, longest)) != LineRead::End;) {
    read.push_back(got == LineRead::TooLong ? "(long) " + line : line);
  }
  return read;
}

using Lines = std::vector<std::string>;

TEST(TextLine, EveryLineEndLoggersWrite) {
  EXPECT_EQ(lines("a\nb\r\nc\rd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(lines("START-OF-LOG: 3.0\rQSO: 7050\r\r"),
            (Lines{"START-OF-LOG: 3.0", "QSO: 7050", ""}));
  EXPECT_EQ(lines("\n\r\n"), (Lines{"", ""}));
  EXPECT_EQ(lines("  \tQSO: 1 \n"), (Lines{"QSO: 1 "}));  // the blanks it begins with dropped
  EXPECT_EQ(lines(""), Lines{});
}

TEST(TextLine, LongLineKeepsItsStartAndTheNextLineIsWhole) {
  EXPECT_EQ(lines("QSO: " + std::string(1'000'000, 'x') + "\r\nEND\n", 8),
            (Lines{"(long) QSO: xxx", "END"}));
  EXPECT_EQ(lines("12345678\n", 8), (Lines{"12345678"}));
}

}  // namespace
}  // namespace velmora::cli
