#include "logs/log_format.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velmora::cli {
namespace {

TEST(LogFormat, ToldApartByContent) {
  std::istringstream cabrillo("\n\nSTART-OF-LOG: 3.0\n");
  std::istringstream qsoFirst("QSO: 7050 PH 2011-03-12 0605 F5VEL 59 69 DL1ABC 57 012\n");
  std::istringstream adif("<CALL:4>DL1A<EOR>");
  std::istringstream adifHeader("QSO log exported\n<EOH>");
  EXPECT_EQ(detectLogFormat(cabrillo), LogFormat::Cabrillo);
  EXPECT_EQ(detectLogFormat(qsoFirst), LogFormat::Cabrillo);
  EXPECT_EQ(detectLogFormat(adif), LogFormat::Adif);
  EXPECT_EQ(detectLogFormat(adifHeader), LogFormat::Adif);
}

TEST(LogFormat, ByteOrderMarkIsSkippedAndOtherTextIsNoLog) {
  std::istringstream adif("\xEF\xBB\xBF<CALL:4>DL1A<EOR>");
  EXPECT_EQ(detectLogFormat(adif), LogFormat::Adif);
  EXPECT_EQ(adif.get(), '<');
  std::istringstream cabrillo("\xEF\xBB\xBFSTART-OF-LOG: 3.0\r\n");
  EXPECT_EQ(detectLogFormat(cabrillo), LogFormat::Cabrillo);
  for (const char* text : {"Name,Call,Band\nJean,F5VEL,40m\n", "<html><b>log</b></html>",
                           "a <3 b"}) {
    std::istringstream other(text);
    EXPECT_EQ(detectLogFormat(other), LogFormat::Unknown) << text;
  }
  for (const char* text : {"", "\xEF\xBB\xBF", "   \r\n\t"}) {
    std::istringstream blank(text);
    EXPECT_EQ(detectLogFormat(blank), LogFormat::Empty) << text;
  }
}

// A header of free text before the first tag, as long as the window allows.
TEST(LogFormat, LongAdifHeaderIsToldByItsFirstTag) {
  const std::string notes(200'000, 'n');
  std::istringstream longHeader("Exported by hand\n" + notes + "\n<ADIF_VER:5>3.1.0<EOH>");
  EXPECT_EQ(detectLogFormat(longHeader), LogFormat::Adif);
  std::istringstream beyond(std::string(kFormatWindow, 'n') + "<CALL:4>DL1A<EOR>");
  EXPECT_EQ(detectLogFormat(beyond), LogFormat::Unknown);
}

}  // namespace
}  // namespace velmora::cli
