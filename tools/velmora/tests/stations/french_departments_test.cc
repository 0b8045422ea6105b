#include "stations/french_departments.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "classify/prefix_list.h"

namespace velmora::cli {
namespace {

TEST(FrenchDepartments, WhatAFrenchStationSendsAsItsDepartment) {
  for (const char* department : {"01", "19", "2A", "2B", "21", "75", "95", "971", "988", "FY",
                                 "FM", "FG", "FK"}) {
    EXPECT_TRUE(isFrenchDepartment(department)) << department;
  }
  for (const char* department : {"081", "FRANK49", "1234", "X", "20", "00", "96", "2C", "2a",
                                 "978", "F", "TM", "", " 75"}) {
    EXPECT_FALSE(isFrenchDepartment(department)) << department;
  }
  EXPECT_EQ(metropolitanDepartments().size(), 96u);
  EXPECT_EQ(metropolitanDepartments()[19], "2A");
  EXPECT_EQ(overseasDepartmentOf("FY"), overseasDepartmentOf("973"));
  EXPECT_STREQ(overseasDepartmentOf("FM")->code, "972");
  EXPECT_EQ(overseasDepartmentOf("97"), nullptr);
}

TEST(FrenchDepartments, OneOverseasDepartmentForEachOverseasPrefixOfThePlugin) {
  std::vector<std::string> prefixes;
  for (const OverseasDepartment& overseas : overseasDepartments()) {
    EXPECT_EQ(classifyPrefix(overseas.prefix), PrefixClass::Overseas) << overseas.prefix;
    EXPECT_EQ(std::string(overseas.code).size(), 3u);
    prefixes.push_back(overseas.prefix);
  }
  std::vector<std::string> expected;
  for (const FrenchPrefix& french : kFrenchPrefixList) {
    if (french.prefixClass == PrefixClass::Overseas) expected.emplace_back(french.prefix);
  }
  std::sort(prefixes.begin(), prefixes.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(prefixes, expected);
}

}  // namespace
}  // namespace velmora::cli
