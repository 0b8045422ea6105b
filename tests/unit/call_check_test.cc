#include "checks/call_check.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace velmora {
namespace {

constexpr auto kDuplicate = CallCheckResult::Duplicate;
constexpr auto kNoNew = CallCheckResult::NoNewMultiplier;
constexpr auto kNewDxcc = CallCheckResult::NewDxcc;
constexpr auto kNewDepartment = CallCheckResult::NewDepartment;
constexpr auto kNoVerdict = CallCheckResult::NoVerdict;

std::optional<std::string_view> givenPrefix(const char* prefix) {
  if (prefix == nullptr) return std::nullopt;
  return std::string_view(prefix);
}

QsoRecord record(const std::string& call, const std::string& prefix, const std::string& band,
                 const std::string& exchange = "", const std::string& department = "") {
  QsoRecord r;
  r.call = call;
  r.dxccPrefix = prefix;
  r.band = band;
  r.exchangeReceived = exchange;
  r.department = department;
  return r;
}

// A reference file as a table, counting how often it is asked.
struct FakeRefFile {
  std::map<std::string, std::string, std::less<>> departments;
  int lookups = 0;
  DepartmentLookup lookup() {
    return [this](std::string_view call) -> std::optional<std::string> {
      ++lookups;
      auto found = departments.find(call);
      if (found == departments.end()) return std::nullopt;
      return found->second;
    };
  }
};

struct Case {
  const char* name;
  bool homeIsFrance;
  const char* prefix;  // of the entered station; null: the host gave none
  std::vector<QsoRecord> log;
  std::map<std::string, std::string, std::less<>> refFile;
  CallCheckResult result;
  std::optional<std::string> expectedExchange;  // nullopt: buffer not written
};

// The entered call is always F5AB on 40m; the filter is 40m.
const std::vector<Case> kCases = {
    {"ForeignOnEmptyLogIsNewDxcc", true, "DL", {}, {}, kNewDxcc, ""},
    {"FrenchKnownToFileOnEmptyLogIsNewDepartment", true, "F", {}, {{"F5AB", "75"}},
     kNewDepartment, "75"},
    {"FrenchUnknownToFileOnEmptyLogIsNoNewMultiplier", true, "F", {}, {}, kNoNew, ""},
    {"OverseasKnownToFileIsNewDepartment", true, "FY", {}, {{"F5AB", "97"}}, kNewDepartment,
     "97"},
    {"SameCallOnSameBandIsDuplicate", true, "F", {record("F5AB", "F", "40m", "13", "13")},
     {{"F5AB", "75"}}, kDuplicate, std::nullopt},
    {"DuplicateAfterRecordsOnOtherBandsStillWritesNothing", true, "F",
     {record("F5AB", "F", "20m", "13"), record("F5AB", "F", "40m", "13")}, {}, kDuplicate,
     std::nullopt},
    {"ForeignPrefixWorkedOnBandIsNoNewMultiplier", true, "DL", {record("DL2YY", "DL", "40m")}, {},
     kNoNew, ""},
    {"ForeignPrefixWorkedOnOtherBandOnlyIsNewDxcc", true, "DL", {record("DL2YY", "DL", "20m")},
     {}, kNewDxcc, ""},
    {"ForeignPrefixComparedCaseSensitively", true, "DL", {record("DL2YY", "dl", "40m")}, {},
     kNewDxcc, ""},
    {"ForeignStationGetsDepartmentSuggestionFromFile", true, "DL", {}, {{"F5AB", "75"}},
     kNewDxcc, "75"},
    {"FrenchPrefixOnBandButNewDepartmentIsNewDepartment", true, "F",
     {record("F6XY", "F", "40m", "75", "75")}, {{"F5AB", "13"}}, kNewDepartment, "13"},
    {"DepartmentWorkedOnBandIsNoNewMultiplier", true, "F",
     {record("F6XY", "F", "40m", "75", "75")}, {{"F5AB", "75"}}, kNoNew, "75"},
    {"DepartmentWorkedOnOtherBandOnlyIsNewDepartment", true, "F",
     {record("F6XY", "F", "20m", "75", "75")}, {{"F5AB", "75"}}, kNewDepartment, "75"},
    {"LowerCaseFileDepartmentNeverMatchesLoggedOne", true, "F",
     {record("F6XY", "F", "40m", "2A", "2A")}, {{"F5AB", "2a"}}, kNewDepartment, "2a"},
    {"FrenchNotInFileIsNoNewMultiplierEvenWithEarlierExchange", true, "F",
     {record("F5AB", "F", "20m", "13", "13")}, {}, kNoNew, "13"},
    {"LaterOfTwoEarlierQsosGivesSuggestionOverFile", true, "F",
     {record("F5AB", "F", "20m", "13"), record("F5AB", "F", "15m", " 2a ")}, {{"F5AB", "75"}},
     kNewDepartment, " 2a "},
    {"CallInOtherCaseIsNeitherDuplicateNorSuggestion", true, "F",
     {record("f5ab", "F", "40m", "13", "13")}, {{"F5AB", "75"}}, kNewDepartment, "75"},
    {"RecordOnBandInOtherCaseIsOnAnotherBand", true, "F", {record("F5AB", "F", "40M", "13", "75")},
     {{"F5AB", "75"}}, kNewDepartment, "13"},
    {"EmptyPrefixWithRecordOnBandIsNewDxccWithoutSuggestion", true, "",
     {record("DL2YY", "DL", "40m")}, {{"F5AB", "75"}}, kNewDxcc, std::nullopt},
    {"EmptyPrefixWithoutRecordOnBandIsNewDxccWithSuggestion", true, "",
     {record("DL2YY", "DL", "20m")}, {{"F5AB", "75"}}, kNewDxcc, "75"},
    {"NullPrefixWithRecordOnBandIsNewDxccWithoutSuggestion", true, nullptr,
     {record("DL2YY", "", "40m")}, {{"F5AB", "75"}}, kNewDxcc, std::nullopt},
    {"NullPrefixWithoutRecordOnBandCountsAsFrench", true, nullptr, {record("DL2YY", "", "20m")},
     {{"F5AB", "75"}}, kNewDepartment, "75"},
    {"HomeOutsideFranceFrenchKnownToFileIsNewDepartment", false, "F", {}, {{"F5AB", "75"}},
     kNewDepartment, "75"},
    {"HomeOutsideFranceFrenchUnknownToFileIsNoNewMultiplier", false, "TK", {}, {}, kNoNew, ""},
    {"HomeOutsideFranceDepartmentWorkedIsNoNewMultiplier", false, "F",
     {record("F6XY", "F", "40m", "75", "75")}, {{"F5AB", "75"}}, kNoNew, "75"},
    {"HomeOutsideFranceDuplicate", false, "F", {record("F5AB", "F", "40m", "75", "75")}, {},
     kDuplicate, std::nullopt},
    {"HomeOutsideFranceSkipsDxccScanForNullPrefix", false, nullptr,
     {record("DL2YY", "", "40m")}, {{"F5AB", "75"}}, kNewDepartment, "75"},
};

class CallCheckCodes : public ::testing::TestWithParam<Case> {};

TEST_P(CallCheckCodes, GivesCodeAndSuggestion) {
  const Case& c = GetParam();
  QsoLog log;
  for (const QsoRecord& r : c.log) log.append(r);
  FakeRefFile ref{c.refFile};
  const CallCheckAnswer answer =
      checkCall(log, c.homeIsFrance, {"F5AB", givenPrefix(c.prefix), "40m", "40m"}, ref.lookup());
  EXPECT_EQ(answer.result, c.result);
  EXPECT_EQ(answer.expectedExchange, c.expectedExchange);
  EXPECT_EQ(answer.checkMessage, std::nullopt);
  EXPECT_EQ(ref.lookups, 1);
}

INSTANTIATE_TEST_SUITE_P(Table, CallCheckCodes, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                           return std::string(info.param.name);
                         });

struct BandGateCase {
  const char* band;
  std::optional<std::string_view> filter;
  bool passes;
};

TEST(CallCheck, BandFilterIgnoresOnlyAsciiCase) {
  const BandGateCase cases[] = {
      {"40m", "40m", true},        {"40m", "40M", true},      {"40M", "40m", true},
      {"40m", std::nullopt, true}, {"", "", true},            {"40m", "", false},
      {"", "40m", false},          {"40m", "20m", false},     {"40m", "40m ", false},
      {"\xC9", "\xE9", false},     {"\xC9", "\xC9", true},
  };
  for (const BandGateCase& c : cases) {
    SCOPED_TRACE(std::string(c.band) + " / " + std::string(c.filter.value_or("(null)")));
    FakeRefFile ref;
    const CallCheckAnswer answer =
        checkCall(QsoLog(), true, {"DL1XX", "DL", c.band, c.filter}, ref.lookup());
    EXPECT_EQ(answer.result, c.passes ? kNewDxcc : kNoVerdict);
    EXPECT_EQ(answer.expectedExchange.has_value(), c.passes);
    EXPECT_EQ(answer.checkMessage, std::nullopt);
    EXPECT_EQ(ref.lookups, c.passes ? 1 : 0);
  }
}

TEST(CallCheck, BandGateComesBeforeHomeGate) {
  FakeRefFile ref;
  const CallCheckAnswer answer = checkCall(QsoLog(), false, {"DL1XX", "DL", "40m", "20m"},
                                           ref.lookup());
  EXPECT_EQ(answer.result, kNoVerdict);
  EXPECT_EQ(answer.checkMessage, std::nullopt);
}

TEST(CallCheck, NobodyFrenchGetsOnlyTheMessage) {
  for (const char* prefix : {"DL", "", "f", "F "}) {
    QsoLog log;
    log.append(record("F5AB", "F", "40m", "75", "75"));
    FakeRefFile ref{{{"F5AB", "75"}}};
    const CallCheckAnswer answer = checkCall(log, false, {"F5AB", prefix, "40m", std::nullopt},
                                             ref.lookup());
    EXPECT_EQ(answer.result, kNoVerdict) << prefix;
    EXPECT_EQ(answer.checkMessage, "In REF correspondents only from France are resolved !!!");
    EXPECT_EQ(answer.expectedExchange, std::nullopt);
    EXPECT_EQ(ref.lookups, 0);
  }
}

TEST(CallCheck, MessageFitsTheHostsFiftySixByteBuffer) {
  EXPECT_EQ(kOutsideFranceMessage.size() + 1, 56u);
}

}  // namespace
}  // namespace velmora
