#include "report/department_grid.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "classify/prefix_list.h"

namespace velmora::cli::report {
namespace {

TEST(DepartmentGrid, MetropolitanDepartmentsInNumberOrderWithCorsicaInPlaceOf20) {
  const DepartmentGrid grid = departmentGrid({}, 2);
  ASSERT_EQ(grid.metropolitan.size(), 96u);
  const std::vector<std::pair<std::size_t, const char*>> at = {
      {0, "01"}, {18, "19"}, {19, "2A"}, {20, "2B"}, {21, "21"}, {95, "95"}};
  for (const auto& [index, code] : at) EXPECT_EQ(grid.metropolitan[index].code, code);
  for (const DepartmentCell& cell : grid.metropolitan) {
    EXPECT_FALSE(cell.worked()) << cell.code;
    EXPECT_EQ(cell.bands.size(), 2u);
  }
}

TEST(DepartmentGrid, OneOverseasDepartmentForEachOverseasPrefixOfThePlugin) {
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

TEST(DepartmentGrid, EachCellHoldsItsBandsAndUnknownTextsGoToOthers) {
  const DepartmentGrid grid = departmentGrid(
      {{"75", 0}, {"75", 2}, {"2A", 1}, {"971", 0}, {"20", 1}, {"", 0}, {"13", 3}, {"13", -1}},
      3);
  auto cell = [](const std::vector<DepartmentCell>& cells, const std::string& code) {
    return *std::find_if(cells.begin(), cells.end(),
                         [&](const DepartmentCell& c) { return c.code == code; });
  };
  EXPECT_EQ(cell(grid.metropolitan, "75").bands, (std::vector<bool>{true, false, true}));
  EXPECT_EQ(cell(grid.metropolitan, "2A").bands, (std::vector<bool>{false, true, false}));
  EXPECT_FALSE(cell(grid.metropolitan, "13").worked());  // band indexes out of range
  const DepartmentCell guadeloupe = cell(grid.overseas, "971");
  EXPECT_EQ(guadeloupe.prefix, "FG");
  EXPECT_EQ(guadeloupe.bands, (std::vector<bool>{true, false, false}));
  ASSERT_EQ(grid.others.size(), 1u);
  EXPECT_EQ(grid.others[0].code, "20");
  EXPECT_EQ(grid.others[0].bands, (std::vector<bool>{false, true, false}));
}

}  // namespace
}  // namespace velmora::cli::report
