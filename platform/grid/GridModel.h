#pragma once

#include <QAbstractTableModel>
#include <memory>

#include "platform/grid/GridPipeline.h"

namespace wv::grid {

// The Qt model of a grid: one row per shown row (group rows and data rows, flattened in the
// shown order), one column per grid column in the grid's own index; the view's header puts
// them in the arranged order. Every change of the rows or of the arrangement goes through here
// so that the views follow. Nothing can be edited.
class GridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Role {
    ValueRole = Qt::UserRole + 1,  // the typed value (see ShownRow::value)
    GroupRole,                     // a group row's group; -1 on data rows
    GroupLevelRole,
    ExpandedRole,
    ParityRole,  // data rows: 0 for ContentEven, 1 for ContentOdd, counted in the shown order
    RecordRole,  // data rows: the record's position among the filtered records, from 0
  };

  explicit GridModel(std::vector<GridColumn> columns, QObject* parent = nullptr);

  const GridPipeline& pipeline() const { return pipeline_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  void setRowStore(std::shared_ptr<const pg::RowStore> store);
  void setFilterEntry(int column, const QString& entry);
  void setHeaderFilter(int column, std::optional<std::set<ValueKey>> values);
  void clearFilters();
  void clickSort(int column, SortClick click);
  void setSortKeys(std::vector<SortKey> keys);
  void groupBy(int column, int level);
  void ungroup(int column);
  void reverseGroupOrder(int column);
  void moveColumn(int column, int toPosition);
  void setColumnWidth(int column, int width);
  void setGroupExpanded(int row, bool expanded);  // row: a group row; other rows are ignored
  void setAllGroupsExpanded(bool expanded);

 signals:
  // Column order, widths, filters, sorting or grouping changed.
  void arrangementChanged();

 private:
  template <class Change>
  void resetWith(Change&& change);
  QVariant groupData(int group, int role) const;
  QVariant recordData(const GroupLayout::RowRef& ref, int column, int role) const;

  GridPipeline pipeline_;
};

}  // namespace wv::grid
