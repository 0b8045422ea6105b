#include "command_line.h"

#include <gtest/gtest.h>

namespace velmora::cli {
namespace {

std::variant<CommandLine, std::string> parse(std::vector<std::string> args) {
  return parseCommandLine(args);
}

TEST(CommandLine, ScoreTakesALogAndContestOptions) {
  const auto parsed = parse({"score", "--call", "F5VEL", "log.adi", "--raw", "--cty", "c.dat",
                             "--dir", "work", "--dxcc", "F", "--area", "EU", "--cabrillo",
                             "--plugin", "p.so"});
  const CommandLine& line = std::get<CommandLine>(parsed);
  EXPECT_EQ(line.command, Command::Score);
  EXPECT_EQ(line.argument, "log.adi");
  EXPECT_EQ(line.call, "F5VEL");
  EXPECT_EQ(line.cty, "c.dat");
  EXPECT_EQ(line.dir, "work");
  EXPECT_EQ(line.dxcc, "F");
  EXPECT_EQ(line.area, "EU");
  EXPECT_EQ(line.plugin, "p.so");
  EXPECT_TRUE(line.raw);
  EXPECT_TRUE(line.cabrillo);
  EXPECT_FALSE(line.band);
}

TEST(CommandLine, CheckTakesACallABandAndALog) {
  const CommandLine line =
      std::get<CommandLine>(parse({"check", "DL1ABC", "--band", "40m", "--log", "x.adi"}));
  EXPECT_EQ(line.command, Command::Check);
  EXPECT_EQ(line.argument, "DL1ABC");
  EXPECT_EQ(line.band, "40m");
  EXPECT_EQ(line.log, "x.adi");
}

TEST(CommandLine, ReportTakesALogAPageAndContestOptions) {
  const CommandLine line = std::get<CommandLine>(parse(
      {"report", "log.adi", "--out", "page.html", "--call", "F5VEL", "--cty", "c.dat", "--dir",
       "work", "--plugin", "p.so"}));
  EXPECT_EQ(line.command, Command::Report);
  EXPECT_EQ(line.argument, "log.adi");
  EXPECT_EQ(line.out, "page.html");
  EXPECT_EQ(line.call, "F5VEL");
  EXPECT_EQ(line.cty, "c.dat");
  EXPECT_EQ(line.dir, "work");
  EXPECT_EQ(line.plugin, "p.so");
  EXPECT_FALSE(line.cabrillo);
}

struct Refusal {
  std::vector<std::string> args;
  const char* complaint;
};

void PrintTo(const Refusal& refusal, std::ostream* out) { *out << refusal.complaint; }

class CommandLineRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(CommandLineRefusal, SaysWhatIsWrongInOneLine) {
  const auto parsed = parse(GetParam().args);
  ASSERT_TRUE(std::holds_alternative<std::string>(parsed));
  EXPECT_EQ(std::get<std::string>(parsed), GetParam().complaint);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, CommandLineRefusal,
    testing::Values(
        Refusal{{}, "velmora: no command given (score, report, check or validate)"},
        Refusal{{"scores", "x"}, "velmora: unknown command scores"},
        Refusal{{"score", "x", "--colour"}, "velmora score: unknown option --colour"},
        Refusal{{"validate", "123", "--call", "F5VEL"}, "velmora validate: unknown option --call"},
        Refusal{{"score", "x", "--band", "40m"}, "velmora score: unknown option --band"},
        Refusal{{"check", "DL1A", "--raw", "--band", "40m"}, "velmora check: unknown option --raw"},
        Refusal{{"score", "x", "--call"}, "velmora score: option --call needs a value"},
        Refusal{{"score", "x", "--cty", "--raw"}, "velmora score: option --cty needs a value"},
        Refusal{{"score"}, "velmora score: expected a LOG file, got 0 arguments"},
        Refusal{{"score", "a", "b"}, "velmora score: expected a LOG file, got 2 arguments"},
        Refusal{{"check", "DL1A"}, "velmora check: option --band is required"},
        Refusal{{"report", "x"}, "velmora report: option --out is required"},
        Refusal{{"report", "x", "--out"}, "velmora report: option --out needs a value"},
        Refusal{{"report", "x", "--out", "p", "--cabrillo"},
                "velmora report: unknown option --cabrillo"},
        Refusal{{"score", "x", "--out", "p"}, "velmora score: unknown option --out"},
        Refusal{{"validate"}, "velmora validate: expected an exchange, got 0 arguments"}));

}  // namespace
}  // namespace velmora::cli
