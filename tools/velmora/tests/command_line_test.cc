#include "command_line.h"

#include <gtest/gtest.h>

namespace velmora::cli {
namespace {

CommandLine parse(std::vector<std::string> args) {
  ParsedCommandLine parsed = parseCommandLine(args);
  EXPECT_TRUE(parsed.line) << parsed.text;
  return parsed.line.value_or(CommandLine{});
}

TEST(CommandLine, ScoreTakesALogAndContestOptions) {
  const CommandLine line = parse({"score", "--call", "F5VEL", "log.adi", "--raw", "--cty", "c.dat",
                                  "--dir", "work", "--dxcc", "F", "--area", "EU", "--cabrillo",
                                  "--plugin", "p.so", "--keep-repeats"});
  EXPECT_EQ(line.command, Command::Score);
  EXPECT_EQ(line.argument, "log.adi");
  EXPECT_EQ(line.contest.call, "F5VEL");
  EXPECT_EQ(line.contest.cty, "c.dat");
  EXPECT_EQ(line.contest.dir, "work");
  EXPECT_EQ(line.contest.dxcc, "F");
  EXPECT_EQ(line.contest.area, "EU");
  EXPECT_EQ(line.contest.plugin, "p.so");
  EXPECT_TRUE(line.contest.keepRepeats);
  EXPECT_TRUE(line.raw);
  EXPECT_TRUE(line.cabrillo);
  EXPECT_FALSE(line.band);
}

TEST(CommandLine, ScoreTakesLogAndHeaderOptions) {
  const CommandLine line = parse(
      {"score", "log.adi", "--rcvd-field", "COMMENT", "--sent", "69", "--from", "2011-03-12 06:00",
       "--to", "2011-03-13", "--bands", "80m,40M", "--address", "Main Street", "--address",
       "Springfield", "--category", "SO40", "--power", "100 watt", "--name", "Jean"});
  EXPECT_EQ(line.reading.rcvdField, "COMMENT");
  EXPECT_EQ(line.reading.sent, "69");
  EXPECT_EQ(line.reading.from, "2011-03-12 06:00");
  EXPECT_EQ(line.reading.to, "2011-03-13");
  EXPECT_EQ(line.reading.bands, "80m,40M");
  EXPECT_EQ(line.header.address, (std::vector<std::string>{"Main Street", "Springfield"}));
  EXPECT_EQ(line.header.category, "SO40");
  EXPECT_EQ(line.header.power, "100 watt");
  EXPECT_EQ(line.header.name, "Jean");
  EXPECT_EQ(line.argument, "log.adi");
}

TEST(CommandLine, CheckTakesACallABandAndALog) {
  const CommandLine line = parse({"check", "DL1ABC", "--band", "7050", "--log", "x.adi"});
  EXPECT_EQ(line.command, Command::Check);
  EXPECT_EQ(line.argument, "DL1ABC");
  EXPECT_EQ(line.band, "7050");
  EXPECT_EQ(line.log, "x.adi");
}

TEST(CommandLine, ReportTakesALogAPageAndTheContestAndLogOptionsOfScore) {
  const CommandLine line = parse(
      {"report", "log.adi", "--out", "page.html", "--call", "F5VEL", "--cty", "c.dat", "--dir",
       "work", "--plugin", "p.so", "--keep-repeats", "--rcvd-field", "COMMENT", "--sent", "69",
       "--from", "2011-03-12", "--to", "2011-03-13", "--bands", "40m"});
  EXPECT_EQ(line.command, Command::Report);
  EXPECT_EQ(line.argument, "log.adi");
  EXPECT_EQ(line.out, "page.html");
  EXPECT_EQ(line.contest.call, "F5VEL");
  EXPECT_EQ(line.contest.cty, "c.dat");
  EXPECT_EQ(line.contest.dir, "work");
  EXPECT_EQ(line.contest.plugin, "p.so");
  EXPECT_TRUE(line.contest.keepRepeats);
  EXPECT_EQ(line.reading.rcvdField, "COMMENT");
  EXPECT_EQ(line.reading.sent, "69");
  EXPECT_EQ(line.reading.from, "2011-03-12");
  EXPECT_EQ(line.reading.to, "2011-03-13");
  EXPECT_EQ(line.reading.bands, "40m");
  EXPECT_FALSE(line.cabrillo);
}

TEST(CommandLine, HistoryTakesSeveralLogs) {
  const CommandLine line = parse({"history", "a.adi", "b.cbr", "--out", "ref.txt"});
  EXPECT_EQ(line.command, Command::History);
  EXPECT_EQ(line.logs, (std::vector<std::string>{"a.adi", "b.cbr"}));
  EXPECT_EQ(line.out, "ref.txt");
}

TEST(CommandLine, HelpAndVersionPrintAndEndWithStatusZero) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--help"}, {"score", "--help"}, {"report", "--help"},
        {"history", "-h"}}) {
    const ParsedCommandLine parsed = parseCommandLine(args);
    EXPECT_FALSE(parsed.line);
    EXPECT_EQ(parsed.status, 0);
    EXPECT_NE(parsed.text.find("Usage:"), std::string::npos) << parsed.text;
  }
  const ParsedCommandLine version = parseCommandLine({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.text.rfind("velmora ", 0), 0u) << version.text;
}

struct Refusal {
  std::vector<std::string> args;
  const char* complaint;
};

void PrintTo(const Refusal& refusal, std::ostream* out) { *out << refusal.complaint; }

class CommandLineRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(CommandLineRefusal, SaysWhatIsWrongInOneLineWithStatusTwo) {
  const ParsedCommandLine parsed = parseCommandLine(GetParam().args);
  ASSERT_FALSE(parsed.line);
  EXPECT_EQ(parsed.status, 2);
  EXPECT_EQ(parsed.text.substr(0, parsed.text.find('\n') + 1),
            std::string(GetParam().complaint) + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, CommandLineRefusal,
    testing::Values(
        Refusal{{}, "velmora: no command given (score, report, check, validate or history)"},
        Refusal{{"scores", "x"}, "velmora: unknown command scores"},
        Refusal{{"score", "x", "--colour"},
                "velmora score: The following argument was not expected: --colour"},
        Refusal{{"validate", "123", "--call", "F5VEL"},
                "velmora validate: The following arguments were not expected: F5VEL --call"},
        Refusal{{"score", "x", "--call"}, "velmora score: --call: 1 required TEXT missing"},
        Refusal{{"score"}, "velmora score: LOG is required"},
        Refusal{{"check", "DL1A"}, "velmora check: --band is required"},
        Refusal{{"check", "DL1A", "--band", "9000"}, "velmora check: --band: unknown band 9000"},
        Refusal{{"score", "x", "--name", "Jean\nCategory=MOAB"},
                "velmora score: --name: holds a line break"},
        Refusal{{"score", "x", "--category", "SO40\r"},
                "velmora score: --category: holds a line break"},
        Refusal{{"score", "x", "--sent", "59 69"}, "velmora score: --sent: holds a blank"},
        Refusal{{"score", "x", "--from", "12/03/2011"},
                "velmora score: --from: not a UTC time YYYY-MM-DD[ HH:MM]: 12/03/2011"},
        Refusal{{"score", "x", "--bands", "80m,41m"},
                "velmora score: --bands: not a list of known bands: 80m,41m"},
        Refusal{{"report", "x"}, "velmora report: --out is required"},
        Refusal{{"report", "x", "--out"}, "velmora report: --out: 1 required TEXT missing"},
        Refusal{{"report", "x", "--out", "p", "--cabrillo"},
                "velmora report: The following argument was not expected: --cabrillo"},
        Refusal{{"report", "x", "--out", "p", "--club", "Radio Club"},
                "velmora report: The following arguments were not expected: Radio Club --club"},
        Refusal{{"report", "x", "--out", "p", "--sent", "59 69"},
                "velmora report: --sent: holds a blank"},
        Refusal{{"score", "x", "--out", "p"},
                "velmora score: The following arguments were not expected: p --out"},
        Refusal{{"validate"}, "velmora validate: EXCH is required"}));

}  // namespace
}  // namespace velmora::cli
