#include <gtest/gtest.h>

#include <QTest>

#include "GridTestSupport.h"
#include "platform/grid/FilterHeader.h"
#include "platform/grid/GridDelegate.h"
#include "platform/grid/GridModel.h"
#include "platform/grid/GridTable.h"
#include "platform/grid/GroupByBox.h"

namespace wv::grid::test {
namespace {

void clickExpandButton(DataGrid& grid, int row) {
  GridTable& table = grid.table();
  const QModelIndex index = grid.model().index(row, Name);
  const QRect button = GridDelegate::expandButtonRect(index.data(GridModel::GroupLevelRole).toInt(),
                                                      table.visualRect(index));
  QTest::mouseClick(table.viewport(), Qt::LeftButton, Qt::NoModifier, button.center());
}

TEST(Grouping, DroppedHeaderGroupsAndGroupsExpandOneByOne) {
  auto grid = makeGrid();
  dropColumnOnGroupBox(*grid, Code);
  EXPECT_EQ(shownRows(*grid), (QStringList{"G Cod: A (3)", "G Cod: B (2)", "G Cod: C (1)"}));
  EXPECT_TRUE(grid->header().isSectionHidden(Code));

  clickExpandButton(*grid, 1);
  EXPECT_EQ(shownRows(*grid),
            (QStringList{"G Cod: A (3)", "G Cod: B (2)", "R 1", "R 4", "G Cod: C (1)"}));
  clickExpandButton(*grid, 1);
  EXPECT_EQ(shownRows(*grid), (QStringList{"G Cod: A (3)", "G Cod: B (2)", "G Cod: C (1)"}));
}

TEST(Grouping, LevelsNestAndExpandAllOrOneByKeys) {
  auto grid = makeGrid();
  dropColumnOnGroupBox(*grid, Code);
  dropColumnOnGroupBox(*grid, Quantity);  // dropped right of "Cod": the second level
  EXPECT_EQ(grid->model().pipeline().grouping(), (std::vector<SortKey>{{Code}, {Quantity}}));

  grid->model().setAllGroupsExpanded(true);
  EXPECT_EQ(shownRows(*grid),
            (QStringList{"G Cod: A (3)", "G Cant: 9 (2)", "R 0", "R 5", "G Cant: 100 (1)", "R 2",
                         "G Cod: B (2)", "G Cant: 10 (2)", "R 1", "R 4", "G Cod: C (1)",
                         "G Cant: (1)", "R 3"}));

  GridTable& table = grid->table();
  table.setFocus();
  table.setCurrentIndex(grid->model().index(0, Name));
  QTest::keyClick(&table, Qt::Key_Minus);
  EXPECT_EQ(shownRows(*grid), (QStringList{"G Cod: A (3)", "G Cod: B (2)", "G Cant: 10 (2)", "R 1",
                                           "R 4", "G Cod: C (1)", "G Cant: (1)", "R 3"}));
  QTest::keyClick(&table, Qt::Key_Plus);
  EXPECT_EQ(grid->model().rowCount(), 13);

  grid->model().setAllGroupsExpanded(false);
  EXPECT_EQ(shownRows(*grid), (QStringList{"G Cod: A (3)", "G Cod: B (2)", "G Cod: C (1)"}));
}

TEST(Grouping, ClickOnTheBoxButtonReversesTheGroups) {
  auto grid = makeGrid();
  dropColumnOnGroupBox(*grid, Code);
  const QRect button = grid->groupByBox().buttonRect(0);
  QTest::mouseClick(&grid->groupByBox(), Qt::LeftButton, Qt::NoModifier, button.center());
  EXPECT_EQ(shownRows(*grid), (QStringList{"G Cod: C (1)", "G Cod: B (2)", "G Cod: A (3)"}));
}

TEST(Grouping, ButtonDraggedBackToTheHeaderUngroupsAtThatPlace) {
  auto grid = makeGrid();
  dropColumnOnGroupBox(*grid, Code);
  dropColumnOnGroupBox(*grid, Quantity, {1, 10});  // left of "Cod": the outer level
  EXPECT_EQ(grid->model().pipeline().grouping(), (std::vector<SortKey>{{Quantity}, {Code}}));

  dropColumnOnHeader(*grid, Code, {1, 5}, true);
  EXPECT_EQ(grid->model().pipeline().grouping(), (std::vector<SortKey>{{Quantity}}));
  EXPECT_EQ(grid->model().pipeline().columnOrder(),
            (std::vector<int>{Code, Name, Quantity, Price, Day}));
  EXPECT_FALSE(grid->header().isSectionHidden(Code));
  EXPECT_EQ(grid->header().visualIndex(Code), 0);
  EXPECT_EQ(shownRows(*grid),
            (QStringList{"G Cant: (1)", "G Cant: 9 (2)", "G Cant: 10 (2)", "G Cant: 100 (1)"}));
}

TEST(Grouping, GroupsAndCountsFollowTheFilter) {
  auto grid = makeGrid();
  dropColumnOnGroupBox(*grid, Code);
  dropColumnOnGroupBox(*grid, Quantity);
  grid->model().setAllGroupsExpanded(true);
  typeFilter(*grid, Name, "ștef");
  EXPECT_EQ(shownRows(*grid), (QStringList{"G Cod: A (1)", "G Cant: 9 (1)", "R 0", "G Cod: B (1)",
                                           "G Cant: 10 (1)", "R 1"}));
  typeFilter(*grid, Name, "nobody");
  EXPECT_EQ(grid->model().rowCount(), 0);
  typeFilter(*grid, Name, "");
  EXPECT_EQ(grid->model().rowCount(), 13);
}

}  // namespace
}  // namespace wv::grid::test
