#include "report/department_grid.h"

#include <gtest/gtest.h>

#include <algorithm>

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

// Overseas stations send their prefix as often as their department's code.
TEST(DepartmentGrid, OverseasBoxIsFilledFromTheCodeOrThePrefix) {
  const DepartmentGrid grid = departmentGrid({{"FY", 0}, {"FM", 1}, {"972", 0}, {"FX", 1}}, 2);
  auto overseas = [&](const std::string& code) {
    return std::find_if(grid.overseas.begin(), grid.overseas.end(),
                        [&](const DepartmentCell& c) { return c.code == code; })->bands;
  };
  EXPECT_EQ(overseas("973"), (std::vector<bool>{true, false}));
  EXPECT_EQ(overseas("972"), (std::vector<bool>{true, true}));
  ASSERT_EQ(grid.others.size(), 1u);  // nothing but the text that is no department
  EXPECT_EQ(grid.others[0].code, "FX");
}

}  // namespace
}  // namespace velmora::cli::report
