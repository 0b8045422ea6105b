#include "platform/posix/console_header_form.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velmora {
namespace {

HeaderFields preset() {
  HeaderFields f;
  f.contest = "Velmora";
  f.callSign = "F6BBB";
  f.category = "SOAB";
  f.power = "DX";
  f.operators = "F6BBB";
  f.address = "Main Street\r\nSpringfield";
  return f;
}

// Answers for the eleven questions in form order, then the final question.
bool run(const std::string& answers, HeaderFields& fields, std::string* shown = nullptr) {
  std::istringstream in(answers);
  std::ostringstream out;
  const bool ok = editHeaderOnConsole(in, out, fields);
  if (shown) *shown = out.str();
  return ok;
}

TEST(ConsoleHeaderForm, EnterKeepsEveryValueAndConfirms) {
  HeaderFields fields = preset();
  std::string shown;
  EXPECT_TRUE(run(std::string(12, '\n'), fields, &shown));
  EXPECT_EQ(fields.address, "Main Street\r\nSpringfield");
  EXPECT_EQ(fields.category, "SOAB");
  EXPECT_NE(shown.find("CONTEST [Velmora]: CALLSIGN [F6BBB]: "), std::string::npos);
  EXPECT_NE(shown.find("ADDRESS [Main Street\\nSpringfield]: "), std::string::npos);
  EXPECT_NE(shown.find("E-MAIL []: OK or CANCEL [OK]: "), std::string::npos);
}

TEST(ConsoleHeaderForm, AnswersReplaceFieldsAndBackslashNBreaksLines) {
  HeaderFields fields = preset();
  EXPECT_TRUE(run("\n\n\nSO40\n100 watt\nJean\nA\\nB\\n\n\nREF\nhi\nme@x\nok\n", fields));
  EXPECT_EQ(fields.category, "SO40");
  EXPECT_EQ(fields.power, "100 watt");
  EXPECT_EQ(fields.name, "Jean");
  EXPECT_EQ(fields.address, "A\r\nB\r\n");
  EXPECT_EQ(fields.club, "REF");
  EXPECT_EQ(fields.soapBox, "hi");
  EXPECT_EQ(fields.email, "me@x");
  EXPECT_EQ(fields.operators, "F6BBB");
}

TEST(ConsoleHeaderForm, CancelOrEndOfInputLeavesFieldsUnchanged) {
  for (const std::string& answers : {std::string(11, '\n') + "cancel\n", std::string("SO40\n"),
                                    std::string("x\n") + std::string(10, '\n')}) {
    HeaderFields fields = preset();
    EXPECT_FALSE(run(answers, fields));
    EXPECT_EQ(fields.contest, "Velmora");
    EXPECT_EQ(fields.address, "Main Street\r\nSpringfield");
  }
}

}  // namespace
}  // namespace velmora
