#include "ports/host_answers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

std::vector<std::string> asked;

// A host program that answers three fields, one of them with an empty text.
const char* threeAnswers(const char* label) {
  asked.emplace_back(label);
  const std::string name = label;
  if (name == "CATEGORY") return "SO40";
  if (name == "SOAPBOX") return "first\r\nsecond";
  if (name == "E-MAIL") return "";
  return nullptr;
}

TEST(HostAnswers, EachFieldIsAskedOnceByLabelAndOnlyTheAnsweredOnesChange) {
  HeaderFields fields;
  fields.power = "DX";
  fields.address = "Main Street\r\nSpringfield";
  fields.email = "me@example.org";
  asked.clear();
  takeHostAnswers(threeAnswers, fields);
  EXPECT_EQ(asked, (std::vector<std::string>{"CONTEST", "CALLSIGN", "CLAIMED", "CATEGORY", "POWER",
                                             "NAME", "ADDRESS", "OPERATORS", "CLUB", "SOAPBOX",
                                             "E-MAIL"}));
  EXPECT_EQ(fields.category, "SO40");
  EXPECT_EQ(fields.soapBox, "first\r\nsecond");
  EXPECT_EQ(fields.email, "");  // an empty answer is an answer
  EXPECT_EQ(fields.address, "Main Street\r\nSpringfield");
  EXPECT_EQ(fields.power, "DX");
}

}  // namespace
}  // namespace velmora
