#include "logs/adif_tag.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora::cli {
namespace {

TEST(AdifTag, WellFormedTagsAndTheTextThatIsNone) {
  struct Case {
    std::string text;
    std::size_t length;
  };
  for (const Case& c : {
           Case{"<CONT:2>EU", 8}, Case{"<freq:6:N>7.0505", 10}, Case{"<EOR>", 5},
           Case{"<eoh>\n", 5}, Case{"<APP_LoTW_EOF>", 14}, Case{"<APP_N1MM_ID:3>abc", 15},
           Case{"<SRX_STRING:0>", 14},
           Case{"<3 love", 0}, Case{"<b>bold</b>", 0}, Case{"<CALL>DL1A", 0},
           Case{"<CALL:>DL1A", 0}, Case{"<CALL:x>", 0}, Case{"<CALL:4:>", 0},
           Case{"<CALL:4:7>", 0}, Case{"<CALL :4>", 0}, Case{"<:4>", 0}, Case{"<CONT", 0},
           Case{"<CONT:2", 0}, Case{"a<b", 0}, Case{"", 0},
           Case{"<" + std::string(300, 'A') + ":1>", 0},  // longer than any tag
       }) {
    EXPECT_EQ(adifTagAt(c.text), c.length) << c.text;
  }
}

}  // namespace
}  // namespace velmora::cli
