// The call check through CheckCall0: which codes each kind of call gets,
// which host buffers are written, and the reference file in Plugins/ under
// the current directory.

#include <array>
#include <filesystem>
#include <optional>
#include <vector>

#include "plugin_scenario.h"

namespace velmora::testing {
namespace {

const char kMessage[] = "In REF correspondents only from France are resolved !!!";
const char kRefFile[] = "Plugins/ref.txt";

// A host buffer prefilled with a sentinel, so that an untouched buffer, or
// bytes written past the terminator, show.
class HostBuffer {
 public:
  HostBuffer() {
    bytes_.fill('#');
    bytes_.back() = '\0';
  }
  char* data() { return bytes_.data(); }
  bool untouched() const { return text() == std::string(bytes_.size() - 1, '#'); }
  std::string text() const { return bytes_.data(); }
  // The text and its terminator were written, and nothing after them.
  ::testing::AssertionResult holds(const std::string& expected) const {
    if (text() != expected) return ::testing::AssertionFailure() << "holds \"" << text() << '"';
    for (std::size_t i = expected.size() + 1; i + 1 < bytes_.size(); ++i) {
      if (bytes_[i] != '#') return ::testing::AssertionFailure() << "written past the text";
    }
    return ::testing::AssertionSuccess();
  }

 private:
  std::array<char, 128> bytes_;
};

struct Verdict {
  int code = -1;
  HostBuffer exchange;
  HostBuffer message;
};

host::Qso logged(const std::string& call, const std::string& prefix, const std::string& band,
                 const std::string& exchange) {
  host::Qso q;
  q.call = call;
  q.dxccPrefix = prefix;
  q.band = band;
  q.exchangeReceived = exchange;
  return q;
}

host::CallCheck entered(const std::string& call, const std::string& prefix) {
  host::CallCheck c;
  c.call = call;
  c.dxccPrefix = prefix;
  return c;
}

enum class Home { Foreign, French, NullPrefix };

class CallChecking : public PluginScenario {
 protected:
  void start(Home home) {
    host::ContestStart s;
    s.myDxccPrefix = home == Home::Foreign ? "DL" : "F";
    s.nullDxccPrefix = home == Home::NullPrefix;
    ASSERT_EQ(plugin().resetStats(s), 1);
  }
  void log(const host::Qso& q) { ASSERT_EQ(plugin().addData(q), 1) << q.call; }
  std::unique_ptr<Verdict> check(const host::CallCheck& c) {
    auto v = std::make_unique<Verdict>();
    v->code = plugin().checkCall(c, v->exchange.data(), v->message.data());
    return v;
  }
};
VELMORA_SCENARIO_SUITE(CallChecking);

struct CodeCase {
  const char* name;
  Home home;
  std::vector<host::Qso> log;
  host::CallCheck check;
  int code;
  std::optional<std::string> exchange;  // nullopt: left untouched
  bool message;
};

const char kExample[] = "F5AB 75\nF6ABC 13\nF4ABC/P 2A\n";

host::CallCheck withNullPrefix(host::CallCheck c) {
  c.nullDxccPrefix = true;
  return c;
}

// Which codes each kind of call can get once the band gate has passed.
const std::vector<CodeCase>& codeCases() {
  static const std::vector<CodeCase> cases = {
      {"HomeClearForeignGetsMessage", Home::Foreign, {}, entered("DL1XX", "DL"), 4, std::nullopt,
       true},
      {"HomeClearEmptyPrefixGetsMessage", Home::Foreign, {}, entered("F6ABC", ""), 4,
       std::nullopt, true},
      {"HomeClearFrenchDuplicate", Home::Foreign, {logged("F6ABC", "F", "40m", "13")},
       entered("F6ABC", "F"), 0, std::nullopt, false},
      {"HomeClearFrenchDepartmentWorked", Home::Foreign, {logged("F6XYZ", "F", "40m", "13")},
       entered("F6ABC", "F"), 1, "13", false},
      {"HomeClearFrenchNotInFile", Home::Foreign, {}, entered("F1ZZZ", "F"), 1, "", false},
      {"HomeClearFrenchNewDepartment", Home::Foreign, {logged("F5AB", "F", "40m", "75")},
       entered("F4ABC/P", "F"), 3, "2A", false},
      {"HomeSetForeignDuplicate", Home::French, {logged("DL1XX", "DL", "40m", "001")},
       entered("DL1XX", "DL"), 0, std::nullopt, false},
      {"HomeSetForeignPrefixWorked", Home::French, {logged("DL2YY", "DL", "40m", "001")},
       entered("DL1XX", "DL"), 1, "", false},
      {"HomeSetForeignNewDxcc", Home::French, {logged("DL2YY", "DL", "20m", "001")},
       entered("DL1XX", "DL"), 2, "", false},
      {"HomeSetForeignInFileGetsItsDepartment", Home::French, {}, entered("F5AB", "DL"), 2, "75",
       false},
      {"HomeSetFrenchDuplicate", Home::French, {logged("F5AB", "F", "40m", "75")},
       entered("F5AB", "F"), 0, std::nullopt, false},
      {"HomeSetFrenchDepartmentWorked", Home::French, {logged("F6XYZ", "TK", "40m", "2a")},
       entered("F4ABC/P", "FG"), 1, "2A", false},
      {"HomeSetFrenchPrefixWorkedButNewDepartment", Home::French,
       {logged("F6XYZ", "F", "40m", "75")}, entered("F6ABC", "F"), 3, "13", false},
      {"HomeSetFrenchNotInFile", Home::French, {}, entered("F1ZZZ", "F"), 1, "", false},
      {"HomeSetNullPrefixWithRecordOnBand", Home::French, {logged("DL2YY", "DL", "40m", "001")},
       withNullPrefix(entered("F5AB", "")), 2, std::nullopt, false},
      {"HomeSetNullPrefixAloneOnBand", Home::French, {logged("DL2YY", "DL", "20m", "001")},
       withNullPrefix(entered("F5AB", "")), 3, "75", false},
      {"HomeSetEmptyPrefixWithRecordOnBand", Home::French, {logged("DL2YY", "DL", "40m", "001")},
       entered("F5AB", ""), 2, std::nullopt, false},
      {"HomeSetEmptyPrefixAloneOnBand", Home::French, {}, entered("F5AB", ""), 2, "75", false},
      {"NullOwnPrefixCountsAsFrench", Home::NullPrefix, {logged("DL2YY", "DL", "20m", "001")},
       entered("DL1XX", "DL"), 2, "", false},
      {"LoggedBandInOtherLetterCaseIsAnotherBand", Home::French,
       {logged("F5AB", "F", "40M", "13")}, entered("F5AB", "F"), 3, "13", false},
      {"LaterOfTwoQsosOnOtherBandsGivesExchangeOverFile", Home::French,
       {logged("F5AB", "F", "20m", "13"), logged("F5AB", "F", "15m", "2a")},
       entered("F5AB", "F"), 3, "2a", false},
      {"CallLoggedInOtherLetterCaseIsNeitherDuplicateNorSuggestion", Home::French,
       {logged("f5ab", "F", "40m", "13")}, entered("F5AB", "F"), 3, "75", false},
  };
  return cases;
}

TEST_P(CallChecking, EachKindOfCallGetsItsCodes) {
  folder().writeFile(kRefFile, kExample);
  for (const CodeCase& c : codeCases()) {
    SCOPED_TRACE(c.name);
    start(c.home);  // also empties the log of the previous case
    for (const host::Qso& q : c.log) log(q);
    const auto v = check(c.check);
    EXPECT_EQ(v->code, c.code);
    if (c.exchange) {
      EXPECT_TRUE(v->exchange.holds(*c.exchange));
    } else {
      EXPECT_TRUE(v->exchange.untouched()) << v->exchange.text();
    }
    if (c.message) {
      EXPECT_TRUE(v->message.holds(kMessage));
    } else {
      EXPECT_TRUE(v->message.untouched()) << v->message.text();
    }
  }
}

TEST_P(CallChecking, BeforeAnyContestStartTheOperatorIsOutsideFrance) {
  folder().writeFile(kRefFile, kExample);
  auto v = check(entered("DL1XX", "DL"));
  EXPECT_EQ(v->code, 4);
  EXPECT_TRUE(v->message.holds(kMessage));
  EXPECT_TRUE(v->exchange.untouched());
  v = check(entered("F6ABC", "F"));
  EXPECT_EQ(v->code, 3);
  EXPECT_TRUE(v->exchange.holds("13"));
}

TEST_P(CallChecking, BandFilterIgnoresLetterCaseButNotAbsence) {
  folder().writeFile(kRefFile, kExample);
  start(Home::French);
  host::CallCheck c = entered("F5AB", "F");
  c.band = "40m";
  c.bandFilter = "40M";
  EXPECT_EQ(check(c)->code, 3);
  c.nullBandFilter = true;
  EXPECT_EQ(check(c)->code, 3);
  for (const char* filter : {"", "20m", "40"}) {
    c.nullBandFilter = false;
    c.bandFilter = filter;
    const auto v = check(c);
    EXPECT_EQ(v->code, 4) << filter;
    EXPECT_TRUE(v->exchange.untouched());
    EXPECT_TRUE(v->message.untouched());
  }
}

TEST_P(CallChecking, OtherBandFilterGivesNoVerdictEvenForForeignStationOutsideFrance) {
  start(Home::Foreign);
  host::CallCheck c = entered("DL1XX", "DL");
  c.bandFilter = "20m";
  const auto v = check(c);
  EXPECT_EQ(v->code, 4);
  EXPECT_TRUE(v->message.untouched());
}

TEST_P(CallChecking, NullBuffersAreNotWritten) {
  folder().writeFile(kRefFile, kExample);
  start(Home::Foreign);
  EXPECT_EQ(plugin().checkCall(entered("DL1XX", "DL"), nullptr, nullptr), 4);
  EXPECT_EQ(plugin().checkCall(entered("F5AB", "F"), nullptr, nullptr), 3);
}

TEST_P(CallChecking, CheckingLogsNothing) {
  folder().writeFile(kRefFile, kExample);
  start(Home::French);
  EXPECT_EQ(check(entered("F5AB", "F"))->code, 3);
  EXPECT_EQ(check(entered("F5AB", "F"))->code, 3);
  EXPECT_EQ(check(entered("F6ABC", "F"))->code, 3);
}

TEST_P(CallChecking, MissingReferenceFileLeavesOnlyEarlierExchanges) {
  start(Home::French);
  log(logged("F5AB", "F", "20m", "75"));
  auto v = check(entered("F5AB", "F"));
  EXPECT_EQ(v->code, 1);
  EXPECT_TRUE(v->exchange.holds("75"));
  v = check(entered("F6ABC", "F"));
  EXPECT_EQ(v->code, 1);
  EXPECT_TRUE(v->exchange.holds(""));
}

TEST_P(CallChecking, ReferenceFileIsReadOnlyFromPluginsFolder) {
  folder().writeFile("ref.txt", kExample);
  folder().writeFile("Plugins/Plugins/ref.txt", kExample);
  start(Home::French);
  EXPECT_EQ(check(entered("F5AB", "F"))->code, 1);
}

TEST_P(CallChecking, ReferenceFileWithCrLfAndWithoutFinalLineEnd) {
  start(Home::French);
  for (const char* file : {"F5AB 75\r\nF6ABC 13\r\nF4ABC/P 2A\r\n", "F5AB 75\nF4ABC/P 2A",
                           "F5AB 75\r\nF4ABC/P 2A\r"}) {
    folder().writeFile(kRefFile, file);
    const auto v = check(entered("F4ABC/P", "F"));
    EXPECT_EQ(v->code, 3);
    EXPECT_TRUE(v->exchange.holds("2A"));
  }
}

// A CR ends the file's last line as a LF would: no call with a trailing
// blank matches that line, and no CR reaches the host's buffer.
TEST_P(CallChecking, CarriageReturnEndingTheReferenceFileIsALineEnd) {
  folder().writeFile(kRefFile, "F5AB 75\r\nF6ABC 13\r");
  start(Home::French);
  auto v = check(entered("F6ABC", "F"));
  EXPECT_EQ(v->code, 3);
  EXPECT_TRUE(v->exchange.holds("13"));
  v = check(entered("F6ABC ", "F"));
  EXPECT_EQ(v->code, 1);
  EXPECT_TRUE(v->exchange.holds(""));
}

TEST_P(CallChecking, ReferenceFileIsClosedAfterEachCheckAndReadAfresh) {
  folder().writeFile(kRefFile, kExample);
  start(Home::French);
  EXPECT_TRUE(check(entered("F5AB", "F"))->exchange.holds("75"));
  // Windows refuses to delete a file that is still open.
  EXPECT_TRUE(std::filesystem::remove(folder().path() / kRefFile));
  folder().writeFile(kRefFile, "F5AB 06\n");
  EXPECT_TRUE(check(entered("F5AB", "F"))->exchange.holds("06"));
}

}  // namespace
}  // namespace velmora::testing
