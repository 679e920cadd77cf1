#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include "GridTestSupport.h"
#include "platform/grid/FilterHeader.h"
#include "platform/grid/GridFooter.h"
#include "platform/grid/GridModel.h"
#include "platform/grid/GridNavigator.h"
#include "platform/grid/GridTable.h"

namespace wv::grid::test {
namespace {

const QColor kEven(QRgb{0xD9EAF7}), kOdd(QRgb{0xEAF3FB}), kGroup(QRgb{0xF1EFE2});
const QColor kSelection(QRgb{0x316AC5}), kInactive(QRgb{0xA4C4EB});

// The colour a cell is painted with, read from the view's picture next to its top-left corner.
QColor cellColour(DataGrid& grid, int row, int column) {
  GridTable& table = grid.table();
  const QImage picture = table.viewport()->grab().toImage();
  const QRect cell = table.visualRect(grid.model().index(row, column));
  return picture.pixelColor(cell.topLeft() + QPoint(2, 2));
}

std::shared_ptr<QAccessibleInterface> accessible(QObject* object) {
  return std::shared_ptr<QAccessibleInterface>(QAccessible::queryAccessibleInterface(object),
                                               [](auto*) {});
}

TEST(GridView, StripesFollowTheShownOrderAndSkipGroupRows) {
  auto grid = makeGrid();
  clickHeader(*grid, Quantity);
  dropColumnOnGroupBox(*grid, Code);
  grid->model().setAllGroupsExpanded(true);
  grid->table().clearSelection();
  // Shown: group A, rows 5 0 2, group B, rows 1 4, group C, row 3.
  const std::vector<QColor> expected{kGroup, kEven, kOdd, kEven, kGroup, kOdd, kEven, kGroup, kOdd};
  grid->table().setCurrentIndex({});
  for (int row = 0; row < static_cast<int>(expected.size()); ++row)
    EXPECT_EQ(cellColour(*grid, row, Price), expected[row]) << "row " << row;
}

TEST(GridView, SelectionColourDependsOnFocus) {
  auto grid = makeGrid();
  grid->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(grid.get()));
  GridTable& table = grid->table();
  table.setFocus();
  table.setCurrentIndex(grid->model().index(1, Price));
  EXPECT_EQ(cellColour(*grid, 1, Price), kSelection);
  auto* other = new QLineEdit(grid.get());
  other->show();
  other->setFocus();
  EXPECT_EQ(cellColour(*grid, 1, Price), kInactive);
}

TEST(GridView, EnterMovesToTheNextCellInTheShownOrder) {
  auto grid = makeGrid();
  dropColumnOnHeader(*grid, Code, {1, 5});  // order: Cod, Nume, Cant, Pret, Data
  GridTable& table = grid->table();
  table.setFocus();
  table.setCurrentIndex(grid->model().index(0, Price));
  QTest::keyClick(&table, Qt::Key_Return);
  EXPECT_EQ(table.currentIndex(), grid->model().index(0, Day));
  QTest::keyClick(&table, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(table.currentIndex(), grid->model().index(1, Code));
}

TEST(GridView, TypingInACellFindsTheRowByTheStartOfItsText) {
  auto grid = makeGrid();
  clickHeader(*grid, Name);  // null, Ana, Maria, STEFAN, Ștefan, ștefan
  GridTable& table = grid->table();
  table.setFocus();
  table.setCurrentIndex(grid->model().index(0, Name));
  QTest::keyClicks(&table, "ma");
  EXPECT_EQ(table.currentIndex(), grid->model().index(2, Name));
  EXPECT_EQ(table.incrementalSearchText(), "ma");
  QTest::keyClick(&table, Qt::Key_X);  // no name starts with "max": the focus stays
  EXPECT_EQ(table.currentIndex().row(), 2);
  EXPECT_EQ(table.incrementalSearchText(), "ma");
  QTest::keyClick(&table, Qt::Key_Escape);
  QTest::keyClicks(&table, "s");
  EXPECT_EQ(table.currentIndex().row(), 3);
}

TEST(GridView, CtrlCCopiesTheSelectedCellsAsTabSeparatedText) {
  auto grid = makeGrid();
  clickHeader(*grid, Quantity);  // rows 3 0 5 1 4 2
  GridTable& table = grid->table();
  table.setFocus();
  table.setCurrentIndex(grid->model().index(0, Name));
  QTest::mouseClick(table.viewport(), Qt::LeftButton, Qt::ShiftModifier,
                    table.visualRect(grid->model().index(1, Quantity)).center());
  QTest::keyClick(&table, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "STEFAN\t\nȘtefan\t9\n");
}

TEST(GridView, NavigatorAndFooterCountTheFilteredRecords) {
  auto grid = makeGrid();
  GridNavigator& navigator = grid->navigator();
  EXPECT_EQ(navigator.infoText(), "1 din 6");
  QTest::mouseClick(&navigator.button(GridNavigator::Move::Last), Qt::LeftButton);
  EXPECT_EQ(navigator.infoText(), "6 din 6");
  QTest::mouseClick(&navigator.button(GridNavigator::Move::Previous), Qt::LeftButton);
  EXPECT_EQ(navigator.infoText(), "5 din 6");
  EXPECT_EQ(grid->footer().text(Quantity), "138");
  EXPECT_EQ(grid->footer().text(Price), "9,25");
  EXPECT_EQ(grid->footer().text(Name), "Nr: 6");

  typeFilter(*grid, Code, "b");
  EXPECT_EQ(navigator.infoText(), "2 din 2") << "the focus stays on row 4, now the second record";
  EXPECT_EQ(grid->footer().text(Quantity), "20");
  EXPECT_EQ(grid->footer().text(Price), "2,5");
  EXPECT_EQ(grid->footer().text(Name), "Nr: 2");
}

TEST(GridView, ScreenReadersGetNamesOfHeadersEditorsGroupsAndCells) {
  auto grid = makeGrid();
  dropColumnOnGroupBox(*grid, Code);
  grid->model().setGroupExpanded(0, true);
  auto table = accessible(&grid->table());
  ASSERT_TRUE(table && table->tableInterface());
  QAccessibleTableInterface* cells = table->tableInterface();
  EXPECT_EQ(cells->cellAt(0, Name)->text(QAccessible::Name), "Grup Cod: A (3), extins");
  EXPECT_EQ(cells->cellAt(1, Name)->text(QAccessible::Name), "Ștefan");
  EXPECT_EQ(cells->cellAt(1, Name)->text(QAccessible::Description), "Nume");
  EXPECT_EQ(cells->columnDescription(Quantity), "Cant");
  QStringList headers;
  for (int i = 0; i < table->childCount(); ++i)
    if (table->child(i)->role() == QAccessible::ColumnHeader)
      headers << table->child(i)->text(QAccessible::Name);
  EXPECT_TRUE(headers.contains("Nume")) << headers.join(',').toStdString();
  EXPECT_EQ(accessible(grid->header().editor(Day))->text(QAccessible::Name), "Filtru Data");
}

TEST(GridView, ArrangementStaysWhenNewRowsArrive) {
  auto grid = makeGrid();
  dropColumnOnHeader(*grid, Day, {1, 5});
  grid->header().resizeSection(Name, 140);
  clickHeader(*grid, Quantity);
  typeFilter(*grid, Name, "a");
  dropColumnOnGroupBox(*grid, Code);
  grid->model().setGroupExpanded(1, true);  // group B

  grid->hide();
  grid->setRowStore(sampleRows());
  grid->show();
  const GridPipeline& pipeline = grid->model().pipeline();
  EXPECT_EQ(pipeline.columnOrder(), (std::vector<int>{Day, Name, Quantity, Price, Code}));
  EXPECT_EQ(grid->header().visualIndex(Day), 0);
  EXPECT_EQ(grid->header().sectionSize(Name), 140);
  EXPECT_EQ(grid->header().editor(Name)->text(), "a");
  EXPECT_EQ(shownRows(*grid),
            (QStringList{"G Cod: A (2)", "G Cod: B (2)", "R 1", "R 4", "G Cod: C (1)"}));
}

// A column whose field the rows lack reads as null everywhere instead of failing.
TEST(GridView, ColumnWithoutItsFieldShowsEmptyCells) {
  DataGrid grid({{"gName", "Nume", "name", 100}, {"gMissing", "Lipsa", "missing", 60}});
  grid.setRowStore(sampleRows());
  grid.show();
  EXPECT_EQ(grid.model().index(0, 1).data().toString(), "");
  clickHeader(grid, 1);
  EXPECT_EQ(shownStoreRows(grid), (std::vector<int>{0, 1, 2, 3, 4, 5}));
  ASSERT_EQ(grid.model().pipeline().distinctValues(1).size(), 1u);
  dropColumnOnGroupBox(grid, 1);
  EXPECT_EQ(shownRows(grid), (QStringList{"G Lipsa: (6)"}));
  typeFilter(grid, 1, "x");
  EXPECT_EQ(grid.model().rowCount(), 0);
}

}  // namespace
}  // namespace wv::grid::test
