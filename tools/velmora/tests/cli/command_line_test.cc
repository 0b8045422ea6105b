// The command line as the commands set it up: what each command takes,
// what it refuses (one line, exit status 2), help and version.

#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/commands.h"
#include "util/user_error.h"

namespace velmora::cli {
namespace {

ParsedCommandLine parse(const std::vector<std::string>& args) {
  CommandLine line;
  setupScore(line);
  setupReport(line);
  setupCheck(line);
  setupValidate(line);
  setupHistory(line);
  return line.parse(args);
}

TEST(CommandLine, EachCommandTakesItsArgumentsAndOptions) {
  const std::vector<std::string> accepted[] = {
      {"score", "--call", "F5VEL", "log.adi", "--raw", "--cty", "c.dat", "--dir", "work", "--dxcc",
       "F", "--area", "EU", "--cabrillo", "--plugin", "p.so", "--keep-repeats"},
      {"score", "log.adi", "--rcvd-field", "COMMENT", "--sent", "69", "--from", "2011-03-12 06:00",
       "--to", "2011-03-13", "--bands", "80m,40M", "--address", "Main Street", "--address",
       "Springfield", "--category", "SO40", "--power", "100 watt", "--name", "Jean"},
      {"check", "DL1ABC", "--band", "7050", "--log", "x.adi"},
      {"report", "log.adi", "--out", "page.html", "--call", "F5VEL", "--cty", "c.dat", "--dir",
       "work", "--plugin", "p.so", "--keep-repeats", "--rcvd-field", "COMMENT", "--sent", "69",
       "--from", "2011-03-12", "--to", "2011-03-13", "--bands", "40m"},
      {"history", "a.adi", "b.cbr", "--out", "ref.txt", "--cty", "c.dat", "--bands", "40m"},
      {"validate", "123", "--plugin", "p.so"},
  };
  for (const std::vector<std::string>& args : accepted) {
    const ParsedCommandLine parsed = parse(args);
    EXPECT_TRUE(parsed.run) << args[0] << ": " << parsed.text;
    EXPECT_EQ(parsed.text, "");
  }
}

// The command named is the one that runs, with its paths meant from where
// velmora was started.
TEST(CommandLine, ChosenCommandRunsWithItsPathsMadeAbsolute) {
  const ParsedCommandLine parsed = parse({"validate", "123", "--plugin", "no-such-plugin.so"});
  ASSERT_TRUE(parsed.run);
  std::ostringstream out, err;
  Console console{out, err};
  const std::string expected = "velmora: cannot load plug-in " +
                               (std::filesystem::current_path() / "no-such-plugin.so").string();
  try {
    parsed.run(console);
    ADD_FAILURE() << "a missing plug-in was loaded";
  } catch (const UserError& error) {
    EXPECT_EQ(std::string(error.what()).rfind(expected, 0), 0u) << error.what();
  }
}

// Standard input is a log like any other: "-" stays "-".
TEST(CommandLine, DashIsStandardInputAndADateAloneEndsWithItsDay) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"score", "-", "--cty", "-"}, {"history", "-", "b.adi"},
        {"score", "x", "--from", "2011-03-12", "--to", "2011-03-12"}}) {
    const ParsedCommandLine parsed = parse(args);
    EXPECT_TRUE(parsed.run) << parsed.text;
  }
}

TEST(CommandLine, HelpAndVersionPrintAndEndWithStatusZero) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--help"}, {"score", "--help"}, {"report", "--help"},
        {"history", "-h"}}) {
    const ParsedCommandLine parsed = parse(args);
    EXPECT_FALSE(parsed.run);
    EXPECT_EQ(parsed.status, 0);
    EXPECT_NE(parsed.text.find("Usage:"), std::string::npos) << parsed.text;
  }
  const ParsedCommandLine version = parse({"--version"});
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
  const ParsedCommandLine parsed = parse(GetParam().args);
  ASSERT_FALSE(parsed.run);
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
        Refusal{{"validate"}, "velmora validate: EXCH is required"},
        // Checked before any work: what would fail only after the score.
        Refusal{{"score", ""}, "velmora score: LOG: an empty path"},
        Refusal{{"history", "a.adi", "--out", ""}, "velmora history: --out: an empty path"},
        Refusal{{"score", "x", "--call", std::string(100'000, 'F')},
                "velmora score: --call: a call sign of 100000 characters; at most 32"},
        Refusal{{"score", "x", "--call", ""}, "velmora score: --call: an empty call sign"},
        Refusal{{"score", "x", "--to", "2011-03-12", "--from", "2011-03-13"},
                "velmora score: --to: 2011-03-12 is not after --from 2011-03-13: no QSO would be "
                "kept"},
        Refusal{{"history", "x", "--from", "2011-03-12 18:00", "--to", "2011-03-12 18:00"},
                "velmora history: --to: 2011-03-12 18:00 is not after --from 2011-03-12 18:00: "
                "no QSO would be kept"},
        Refusal{{"score", "x", "--bands", "40m,\x1b[2J"},
                "velmora score: --bands: not a list of known bands: 40m,\\x1b[2J"}));

}  // namespace
}  // namespace velmora::cli
