#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "platform/grid/GridColumn.h"
#include "platform/grid/GridLook.h"
#include "platform/grid/GridStyleSheet.h"
#include "platform/grid/ShownRows.h"
#include "platform/pg/RowStore.h"

namespace wv::grid {

class FilterHeader;
class FilterPanel;
class GridFooter;
class GridModel;
class GridNavigator;
class GridTable;
class GroupByBox;

// A data grid: the group-by box, the headers with the filter row, the rows with the indicator
// column, the footer, the filter box and the navigator, over one row store. Its arrangement
// (column order and widths, filters, sorting, grouping, expanded groups) lives as long as the
// grid, also across new rows and a hidden window.
class DataGrid : public QWidget {
  Q_OBJECT
 public:
  explicit DataGrid(std::vector<GridColumn> columns, QWidget* parent = nullptr);
  ~DataGrid() override;

  void setGridStyleSheet(const GridStyleSheet& sheet);

  // The export's view of the grid: expands every group in the grid itself, then visits the
  // header and every row as shown.
  void walkRowsAsShown(ShownRowsVisitor& visitor);

  GridModel& model() const { return *model_; }
  GridTable& table() const { return *table_; }
  FilterHeader& header() const;
  GroupByBox& groupByBox() const { return *groupByBox_; }
  GridFooter& footer() const { return *footer_; }
  FilterPanel& filterPanel() const { return *filterPanel_; }
  GridNavigator& navigator() const { return *navigator_; }

 public slots:
  // Shows new rows; the arrangement stays.
  void setRowStore(std::shared_ptr<const wv::pg::RowStore> store);

 private:
  std::unique_ptr<GridModel> model_;
  GroupByBox* groupByBox_;
  GridTable* table_;
  GridFooter* footer_;
  FilterPanel* filterPanel_;
  GridNavigator* navigator_;
};

}  // namespace wv::grid
