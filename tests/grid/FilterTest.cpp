#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "GridTestSupport.h"
#include "platform/grid/FilterHeader.h"
#include "platform/grid/FilterPanel.h"
#include "platform/grid/GridModel.h"
#include "platform/grid/HeaderFilterPopup.h"

namespace wv::grid::test {
namespace {

struct FilterCase {
  const char* what;
  int column;
  QString entry;
  std::vector<int> rows;
  bool valid = true;
};

void PrintTo(const FilterCase& c, std::ostream* out) {
  *out << c.what;
}

class FilterRowTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(FilterRowTest, TypedEntryShowsTheMatchingRows) {
  const FilterCase& c = GetParam();
  auto grid = makeGrid();
  typeFilter(*grid, c.column, c.entry);
  EXPECT_EQ(shownStoreRows(*grid), c.rows) << c.what;
  EXPECT_EQ(grid->model().pipeline().isFilterEntryValid(c.column), c.valid) << c.what;
  EXPECT_EQ(grid->header().editor(c.column)->toolTip().isEmpty(), c.valid) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Entries, FilterRowTest,
    ::testing::Values(
        FilterCase{"lower case with diacritic finds both cases", Name, "ștef", {0, 1}},
        FilterCase{"upper case with diacritic", Name, "ȘTEFAN", {0, 1}},
        FilterCase{"without diacritic finds only the plain letters", Name, "stefan", {3}},
        FilterCase{"contains, not starts with", Name, "ri", {2}},
        FilterCase{"no match gives an empty grid", Name, "xyz", {}},
        FilterCase{"number means equality", Quantity, "10", {1, 4}},
        FilterCase{"greater than compares numbers, not texts", Quantity, ">9", {1, 2, 4}},
        FilterCase{"at most", Quantity, "<= 10", {0, 1, 4, 5}},
        FilterCase{"not equal leaves nulls out", Quantity, "<>10", {0, 2, 5}},
        FilterCase{"decimal comma of the user's locale", Price, "3,25", {5}},
        FilterCase{"decimal point", Price, "1.5", {0}},
        FilterCase{"date in the short date format", Day, "09.12.2025", {0, 4}},
        FilterCase{"date with one-digit day", Day, "9.12.2025", {0, 4}},
        FilterCase{"ISO date", Day, "2025-12-09", {0, 4}},
        FilterCase{"date range operator", Day, ">=01.12.2025", {0, 1, 4}},
        FilterCase{"a number column rejects words", Quantity, "abc", {}, false},
        FilterCase{"an impossible date matches nothing", Day, "31.02.2025", {}, false},
        FilterCase{"a lone operator does not filter yet", Quantity, ">", {0, 1, 2, 3, 4, 5}}),
    [](const auto& info) { return std::to_string(info.index); });

TEST(FilterRow, ColumnsCombineAndEachKeystrokeApplies) {
  auto grid = makeGrid();
  typeFilter(*grid, Name, "a");
  EXPECT_EQ(shownStoreRows(*grid), (std::vector<int>{0, 1, 2, 3, 4}));
  typeFilter(*grid, Quantity, "1");
  EXPECT_EQ(shownStoreRows(*grid), (std::vector<int>{})) << "no quantity equals 1";
  QTest::keyClicks(grid->header().editor(Quantity), "0");
  EXPECT_EQ(shownStoreRows(*grid), (std::vector<int>{1, 4}));
  EXPECT_EQ(grid->filterPanel().filterText(), "[Nume] a si [Cant] 10");

  QTest::mouseClick(&grid->filterPanel().clearButton(), Qt::LeftButton);
  EXPECT_EQ(shownStoreRows(*grid).size(), 6u);
  EXPECT_TRUE(grid->header().editor(Name)->text().isEmpty());
  EXPECT_FALSE(grid->filterPanel().isVisible());
}

HeaderFilterPopup* openHeaderFilter(DataGrid& grid, int column) {
  FilterHeader& header = grid.header();
  QTest::mouseClick(header.viewport(), Qt::LeftButton, Qt::NoModifier,
                    header.filterButtonRect(column).center());
  return qobject_cast<HeaderFilterPopup*>(QApplication::activePopupWidget());
}

QStringList itemTexts(const QListWidget& list) {
  QStringList texts;
  for (int i = 0; i < list.count(); ++i) texts << list.item(i)->text();
  return texts;
}

void pressOk(HeaderFilterPopup& popup) {
  for (QPushButton* button : popup.findChildren<QPushButton*>())
    if (button->text() == "OK") return QTest::mouseClick(button, Qt::LeftButton);
  FAIL() << "no OK button";
}

TEST(HeaderFilter, PicksAmongTheDistinctValues) {
  auto grid = makeGrid();
  HeaderFilterPopup* popup = openHeaderFilter(*grid, Code);
  ASSERT_NE(popup, nullptr);
  ASSERT_EQ(itemTexts(popup->list()), (QStringList{"A", "B", "C"}));
  popup->list().item(0)->setCheckState(Qt::Unchecked);
  pressOk(*popup);
  EXPECT_EQ(shownStoreRows(*grid), (std::vector<int>{1, 3, 4}));

  // Another column's list holds only the values of rows that the code filter lets through,
  // in the column's order, nulls first; picking the null row combines with the code filter.
  popup = openHeaderFilter(*grid, Quantity);
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(itemTexts(popup->list()), (QStringList{"(Goale)", "10"}));
  popup->list().item(1)->setCheckState(Qt::Unchecked);
  pressOk(*popup);
  EXPECT_EQ(shownStoreRows(*grid), (std::vector<int>{3}));
  EXPECT_TRUE(grid->model().pipeline().headerFilter(Quantity).has_value());
}

TEST(HeaderFilter, CheckingAllValuesRemovesTheFilter) {
  auto grid = makeGrid();
  HeaderFilterPopup* popup = openHeaderFilter(*grid, Name);
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup->list().item(0)->text(), "(Goale)");
  popup->findChild<QCheckBox*>()->click();  // "(Toate)" clears every box
  popup->list().item(0)->setCheckState(Qt::Checked);
  pressOk(*popup);
  EXPECT_EQ(shownStoreRows(*grid), (std::vector<int>{5}));

  popup = openHeaderFilter(*grid, Name);
  ASSERT_NE(popup, nullptr);
  popup->findChild<QCheckBox*>()->click();
  pressOk(*popup);
  EXPECT_FALSE(grid->model().pipeline().headerFilter(Name).has_value());
  EXPECT_EQ(shownStoreRows(*grid).size(), 6u);
}

}  // namespace
}  // namespace wv::grid::test
