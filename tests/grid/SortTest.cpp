#include <gtest/gtest.h>

#include "GridTestSupport.h"
#include "platform/grid/GridModel.h"
#include "platform/grid/GridPipeline.h"

namespace wv::grid::test {
namespace {

struct SortCase {
  const char* what;
  int column;
  int clicks;
  std::vector<int> rows;
};

void PrintTo(const SortCase& c, std::ostream* out) {
  *out << c.what;
}

class SortByHeaderTest : public ::testing::TestWithParam<SortCase> {};

// Equal values keep the store's order (rows 0 and 5 both have 9, rows 1 and 4 both 10).
TEST_P(SortByHeaderTest, OrdersByTypedValueStably) {
  const SortCase& c = GetParam();
  auto grid = makeGrid();
  for (int i = 0; i < c.clicks; ++i) clickHeader(*grid, c.column);
  EXPECT_EQ(shownStoreRows(*grid), c.rows) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Columns, SortByHeaderTest,
    ::testing::Values(
        SortCase{"numbers ascending: null, 9, 10 and 100", Quantity, 1, {3, 0, 5, 1, 4, 2}},
        SortCase{"numbers descending: nulls last", Quantity, 2, {2, 1, 4, 0, 5, 3}},
        SortCase{"a third click reverses again", Quantity, 3, {3, 0, 5, 1, 4, 2}},
        SortCase{"doubles", Price, 1, {2, 4, 0, 1, 3, 5}},
        SortCase{"dates across months and years", Day, 1, {2, 5, 3, 1, 0, 4}},
        SortCase{"texts: collation order, case ignored, S before Ș", Name, 1, {5, 4, 2, 3, 0, 1}}),
    [](const auto& info) { return std::to_string(info.index); });

TEST(SortByHeader, ShiftAddsAColumnAndCtrlRemovesIt) {
  auto grid = makeGrid();
  clickHeader(*grid, Code);
  clickHeader(*grid, Quantity, Qt::ShiftModifier);
  EXPECT_EQ(shownStoreRows(*grid), (std::vector<int>{0, 5, 2, 1, 4, 3}));
  clickHeader(*grid, Quantity, Qt::ShiftModifier);
  EXPECT_EQ(shownStoreRows(*grid), (std::vector<int>{2, 0, 5, 1, 4, 3}));
  clickHeader(*grid, Code, Qt::ControlModifier);
  EXPECT_EQ(grid->model().pipeline().sortKeys(), (std::vector<SortKey>{{Quantity, true}}));
  clickHeader(*grid, Price);
  EXPECT_EQ(grid->model().pipeline().sortKeys(), (std::vector<SortKey>{{Price, false}}));
}

// Many equal values, so that the sort cannot be stable by accident of a small input.
TEST(SortByHeader, ManyEqualValuesKeepTheStoreOrderBothWays) {
  pg::RowStoreBuilder builder({{"name", pg::FieldType::Text}, {"qty", pg::FieldType::Int32}});
  for (int row = 0; row < 300; ++row) {
    builder.setText(0, row % 7 ? "x" : "y");
    builder.setInt(1, row % 3);
    builder.endRow();
  }
  DataGrid grid({{"gName", "Nume", "name", 100}, {"gQty", "Cant", "qty", 60}});
  grid.setRowStore(builder.finish());
  grid.show();
  for (int clicks = 1; clicks <= 2; ++clicks) {
    clickHeader(grid, 1);
    const std::vector<int> rows = shownStoreRows(grid);
    ASSERT_EQ(rows.size(), 300u);
    for (size_t i = 1; i < rows.size(); ++i) {
      const bool sameValue = rows[i - 1] % 3 == rows[i] % 3;
      const bool inOrder =
          clicks == 1 ? rows[i - 1] % 3 <= rows[i] % 3 : rows[i - 1] % 3 >= rows[i] % 3;
      ASSERT_TRUE(inOrder && (!sameValue || rows[i - 1] < rows[i]))
          << "at " << i << " after " << clicks << " clicks";
    }
  }
}

TEST(SortByHeader, FilteringKeepsTheSortedOrder) {
  auto grid = makeGrid();
  clickHeader(*grid, Day);
  typeFilter(*grid, Code, "a");
  EXPECT_EQ(shownStoreRows(*grid), (std::vector<int>{2, 5, 0}));
}

// Negative numbers, both zeros and the extremes of a 64-bit column order as numbers.
TEST(SortOrder, NegativeAndExtremeNumbers) {
  pg::RowStoreBuilder builder({{"big", pg::FieldType::Int64}, {"real", pg::FieldType::Double}});
  const int64_t big[] = {5, -3, INT64_MAX, INT64_MIN, 0};
  const double real[] = {-1.5, 2, 0.0, -0.0, -1e300};
  for (int i = 0; i < 5; ++i) {
    builder.setInt(0, big[i]);
    builder.setDouble(1, real[i]);
    builder.endRow();
  }
  GridPipeline pipeline({{"gBig", "Mare", "big", 60}, {"gReal", "Real", "real", 60}});
  pipeline.setStore(builder.finish());
  auto order = [&pipeline] {
    std::vector<int> rows;
    rows.reserve(static_cast<size_t>(pipeline.recordCount()));
    for (int i = 0; i < pipeline.recordCount(); ++i) rows.push_back(pipeline.storeRowOf(i));
    return rows;
  };
  pipeline.clickSort(0, SortClick::Replace);
  EXPECT_EQ(order(), (std::vector<int>{3, 1, 4, 0, 2}));
  pipeline.clickSort(1, SortClick::Replace);
  EXPECT_EQ(order(), (std::vector<int>{4, 0, 2, 3, 1}))
      << "0 and -0 are equal and keep their order";
}

}  // namespace
}  // namespace wv::grid::test
