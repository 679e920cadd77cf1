#pragma once

#include <QLocale>
#include <QString>
#include <QVariant>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

#include "platform/grid/BoundColumn.h"
#include "platform/grid/CellFormat.h"
#include "platform/grid/ColumnFilter.h"
#include "platform/grid/GridColumn.h"
#include "platform/grid/GroupLayout.h"
#include "platform/grid/ShownRows.h"
#include "platform/pg/RowStore.h"

namespace wv::grid {

struct SortKey {
  int column;
  bool descending = false;
  bool operator==(const SortKey&) const = default;
};

// What a click on a column header does to the sorting.
enum class SortClick {
  Replace,  // plain click: sort by this column alone; again: reverse it
  Add,      // with Shift: add the column as the next sort level; again: reverse it
  Remove,   // with Ctrl: stop sorting by the column
};

// A value of a column among the rows that pass the other columns' filters.
struct DistinctValue {
  ValueKey key;
  int row;  // a store row holding the value
};

// The rows a grid shows, computed over a row store without copying it: the records that pass
// the filters, in the sorted and grouped order, as one permutation of row indexes, and the
// group rows above them. It also holds the grid's arrangement (column order and widths,
// filters, sorting, grouping, expanded groups), which stays when the rows are reloaded.
//
// Each change recomputes only what depends on it: sorting and grouping reorder and group all
// rows once; a filter change tests the rows in store order (reading each column front to
// back), then walks that order keeping the rows that pass, and narrows the groups by counting,
// so it stays fast however the rows are sorted and grouped.
class GridPipeline {
 public:
  explicit GridPipeline(std::vector<GridColumn> columns, const QLocale& locale = QLocale());

  void setStore(std::shared_ptr<const pg::RowStore> store);
  const pg::RowStore* store() const { return store_.get(); }

  int columnCount() const { return static_cast<int>(columns_.size()); }
  const GridColumn& column(int column) const { return columns_[column]; }
  const BoundColumn& bound(int column) const { return bound_[column]; }
  const CellFormat& format() const { return format_; }

  // Columns, in the grid's order; those the rows are grouped by are hidden.
  const std::vector<int>& columnOrder() const { return order_; }
  std::vector<int> shownColumns() const;
  void moveColumn(int column, int toPosition);  // its place in columnOrder afterwards
  int columnWidth(int column) const { return widths_[column]; }
  void setColumnWidth(int column, int width) { widths_[column] = width; }

  // Filters: an entry in the filter row (see ColumnFilter.h) and picked header-filter values.
  const QString& filterEntry(int column) const { return filters_[column].text; }
  bool isFilterEntryValid(int column) const { return filters_[column].entry.isValid(); }
  void setFilterEntry(int column, const QString& entry);
  const std::optional<std::set<ValueKey>>& headerFilter(int column) const {
    return filters_[column].values;
  }
  void setHeaderFilter(int column, std::optional<std::set<ValueKey>> values);
  bool isColumnFiltered(int column) const;
  bool hasFilter() const;
  void clearFilters();
  // The column's values among the rows that pass the filters of the other columns, in order.
  std::vector<DistinctValue> distinctValues(int column) const;

  const std::vector<SortKey>& sortKeys() const { return sort_; }
  void setSortKeys(std::vector<SortKey> keys);
  void clickSort(int column, SortClick click);

  // Grouping columns, outermost first, each with the order of its groups.
  const std::vector<SortKey>& grouping() const { return grouping_; }
  bool isGrouped(int column) const;
  void groupBy(int column, int level);  // a new grouping starts with every group collapsed
  void ungroup(int column);
  void reverseGroupOrder(int column);

  // The shown rows: group rows, and the records of expanded groups.
  int recordCount() const { return static_cast<int>(records_.size()); }
  int shownRowCount() const { return layout_.rowCount(); }
  GroupLayout::RowRef rowAt(int shownRow) const { return layout_.rowAt(shownRow); }
  int storeRowOf(int position) const { return records_[position]; }
  int shownRowOfStoreRow(int storeRow) const;  // -1 when filtered out or collapsed

  const GroupLayout& groups() const { return layout_; }
  int groupColumn(int group) const { return grouping_[layout_.group(group).level].column; }
  int groupRecordCount(int group) const;
  QString groupText(int group) const;  // "caption: value (count)"
  QVariant groupValue(int group) const;
  void setGroupExpanded(int group, bool expanded) { layout_.setExpanded(group, expanded); }
  void setAllGroupsExpanded(bool expanded) { layout_.setAllExpanded(expanded); }

  QString cellText(int storeRow, int column) const;
  QVariant cellValue(int storeRow, int column) const;
  // The sum over the records of a numeric column that shows one in the footer.
  std::optional<double> columnSum(int column) const;
  // The first data row at or after `fromShownRow` (wrapping around) whose text in the column
  // starts with `prefix`, letter case ignored; -1 when none.
  int findShownRow(int column, int fromShownRow, const QString& prefix) const;

  // Visits the header and the rows as they are shown (rows of collapsed groups are not).
  void walkShownRows(ShownRowsVisitor& visitor) const;

  size_t memoryBytes() const;

 private:
  struct ColumnFilterState {
    QString text;
    FilterEntry entry;
    std::optional<std::set<ValueKey>> values;
  };
  std::vector<std::function<bool(int)>> rowTests(int exceptColumn) const;
  std::vector<const BoundColumn*> groupLevels() const;
  bool passes(int row) const { return (passes_[static_cast<size_t>(row) >> 6] >> (row & 63)) & 1u; }
  void reorder();
  void refilter();

  std::vector<GridColumn> columns_;
  CellFormat format_;
  std::shared_ptr<const pg::RowStore> store_;
  std::vector<BoundColumn> bound_;

  std::vector<int> order_;
  std::vector<int> widths_;
  std::vector<ColumnFilterState> filters_;
  std::vector<SortKey> sort_;
  std::vector<SortKey> grouping_;

  std::vector<int32_t> ordered_;      // every row in sorted and grouped order; empty: store order
  std::vector<GroupNode> allGroups_;  // the groups of all rows, over ordered_
  std::vector<uint64_t> passes_;      // a bit per store row: it passes the filters
  std::vector<int32_t> records_;      // the rows that pass the filters, in the shown order
  GroupLayout layout_;
  mutable std::map<int, double> sums_;  // by column, computed when first asked
};

}  // namespace wv::grid
