#include "outputs/header_answers.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

// The entry the plug-in's header form calls (ports/host_answers.h).
extern "C" const char* VelmoraHostAnswer(const char* label);

namespace velmora::cli {
namespace {

TEST(HeaderAnswers, RepeatedLinesBecomeOneTextWithCrLfBreaks) {
  EXPECT_EQ(joinLines({"Main Street", "Springfield"}), "Main Street\r\nSpringfield");
  EXPECT_EQ(joinLines({"a\nb", "c\r\nd", "e\rf"}), "a\r\nb\r\nc\r\nd\r\ne\r\nf");
  EXPECT_EQ(joinLines({}), "");
}

TEST(HeaderAnswers, EachOptionAnswersItsFieldOfTheFormAndTheRestKeepTheirValues) {
  HeaderAnswers answers;
  answers.name = "Jean Dupont";
  answers.category = "SO40";
  answers.email = "";
  answers.address = {"1 Main Street", "75001 Paris"};
  EXPECT_EQ(answers.answerFor("NAME"), "Jean Dupont");
  EXPECT_EQ(answers.answerFor("CATEGORY"), "SO40");
  EXPECT_EQ(answers.answerFor("E-MAIL"), "");
  EXPECT_EQ(answers.answerFor("ADDRESS"), "1 Main Street\r\n75001 Paris");
  for (const char* kept : {"SOAPBOX", "POWER", "OPERATORS", "CLUB", "CALLSIGN", "CLAIMED",
                           "CONTEST", "name", "NOSUCHFIELD"}) {
    EXPECT_EQ(answers.answerFor(kept), std::nullopt) << kept;
  }
}

TEST(HeaderAnswers, TheEntryGivesTheAnswersOnlyWhileTheyAreInstalled) {
  HeaderAnswers answers;
  answers.power = "100 watt";
  EXPECT_EQ(VelmoraHostAnswer("POWER"), nullptr);
  {
    AnsweringHeaderForm answering(answers);
    ASSERT_NE(VelmoraHostAnswer("POWER"), nullptr);
    EXPECT_EQ(std::string(VelmoraHostAnswer("POWER")), "100 watt");
    EXPECT_EQ(VelmoraHostAnswer("NAME"), nullptr);
    EXPECT_EQ(VelmoraHostAnswer(nullptr), nullptr);
  }
  EXPECT_EQ(VelmoraHostAnswer("POWER"), nullptr);
}

TEST(HeaderAnswers, LineThatTheSettingsOrTheHeaderWouldChangeIsRefused) {
  EXPECT_EQ(headerLineFault("Jean Dupont", false), std::nullopt);
  EXPECT_EQ(headerLineFault("Radio Club\nCategory=MOAB", false), "holds a line break");
  EXPECT_EQ(headerLineFault("Jean\x1b[2J", false), "holds a control character (\\x1b)");
  EXPECT_EQ(headerLineFault("Jean\tDupont", true), "holds a control character (\\t)");
  EXPECT_EQ(headerLineFault("Jean ", false), "ends with a blank");
  EXPECT_EQ(headerLineFault("1 Main<CR>Street", false), std::nullopt);  // a name keeps it as typed
  EXPECT_EQ(headerLineFault("1 Main<CR>Street", true),
            "holds \"<CR>\", which the plug-in's settings turn into a line break");
  EXPECT_EQ(headerLineFault("a<LF>b", true),
            "holds \"<LF>\", which the plug-in's settings turn into a line break");
  EXPECT_EQ(headerLineFault("a<cr>b", true), std::nullopt);  // the settings turn only "<CR>"
}

// What the settings keep is the stored form: an address's line breaks
// become "<CR><LF>", four characters each.
TEST(HeaderAnswers, AnswerLongerThanTheSettingsKeepIsNamed) {
  HeaderAnswers answers;
  answers.name = std::string(9999, 'n');
  answers.address = {std::string(4995, 'a'), std::string(4995, 'b')};
  EXPECT_EQ(answers.tooLongToStore(), std::nullopt);  // 4995 + 8 + 4995 = 9998
  answers.address.push_back("");  // one more line break: 10006
  EXPECT_EQ(answers.tooLongToStore(),
            "--address: 10006 characters as the settings store it, more than the 9999 they keep");
  answers.address.pop_back();
  answers.address.back() += "b";  // 9999
  EXPECT_EQ(answers.tooLongToStore(), std::nullopt);
  answers.address.back() += "b";
  EXPECT_EQ(answers.tooLongToStore(),
            "--address: 10000 characters as the settings store it, more than the 9999 they keep");
  answers.address.clear();
  answers.club = std::string(10000, 'c');
  EXPECT_EQ(answers.tooLongToStore(),
            "--club: 10000 characters as the settings store it, more than the 9999 they keep");
}

class MapSettings : public SettingsStore {
 public:
  std::string read(std::string_view, std::string_view key, std::string_view fallback) override {
    const auto found = values.find(std::string(key));
    return found == values.end() ? std::string(fallback) : found->second;
  }
  void write(std::string_view, std::string_view key, std::string_view value) override {
    values[std::string(key)] = value;
  }
  std::map<std::string, std::string> values;
};

TEST(HeaderAnswers, EachAnswerMustReadBackFromTheSettingsInItsStoredForm) {
  HeaderAnswers answers;
  answers.name = "Jean Dupont";
  answers.category = "SO40";
  answers.address = {"1 Main Street", "75001 Paris"};
  MapSettings settings;
  EXPECT_EQ(answers.notStoredIn(settings), "--name reads back as nothing");
  settings.values = {{"Name", "Jean Dupont"}, {"Category", "SO40"},
                     {"Address", "1 Main Street<CR><LF>75001 Paris"}, {"Club", "not asked"}};
  EXPECT_EQ(answers.notStoredIn(settings), std::nullopt);
  settings.values["Category"] = "SOAB";
  EXPECT_EQ(answers.notStoredIn(settings), "--category reads back as 'SOAB'");
  settings.values["Category"] = "SO40";
  settings.values["Address"] = "1 Main Street\r\n75001 Paris";
  EXPECT_EQ(answers.notStoredIn(settings), "--address reads back as '1 Main Street\\r\\n75001 Paris'");
}

}  // namespace
}  // namespace velmora::cli
