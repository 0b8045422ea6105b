#include "outputs/header_answers.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace velmora::cli
