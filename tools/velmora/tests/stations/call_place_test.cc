#include "stations/call_place.h"

#include <gtest/gtest.h>

namespace velmora::cli {
namespace {

TEST(CallPlace, PortableCallsAreLookedUpByTheirDecidingPart) {
  struct Case {
    const char* call;
    const char* part;
    const char* noEntity;
  };
  for (const Case& c :
       {Case{"F4LEC", "F4LEC", ""}, Case{"FG/F4LEC", "FG", ""}, Case{"f4lec/fg", "FG", ""},
        Case{"F4LEC/P", "F4LEC", ""}, Case{"F4LEC/QRP", "F4LEC", ""}, Case{"F4LEC/3", "F4LEC", ""},
        Case{"DL/F4LEC/M", "DL", ""}, Case{"F4LEC/A", "F4LEC", ""}, Case{"F4LEC/MM", "F4LEC", "MM"},
        Case{"F4LEC/AM", "F4LEC", "AM"}}) {
    const CallPlace place = placeOfCall(c.call);
    EXPECT_EQ(place.part, c.part) << c.call;
    EXPECT_EQ(place.noEntity, c.noEntity) << c.call;
  }
}

}  // namespace
}  // namespace velmora::cli
