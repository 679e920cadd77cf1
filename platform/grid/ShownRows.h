#pragma once

#include <QString>
#include <QVariant>
#include <vector>

#include "platform/pg/FieldType.h"

namespace wv::grid {

class GridPipeline;

// A column as the grid shows it: columns the rows are grouped by are not among them.
struct ShownColumn {
  int column;  // the grid's column index
  QString caption;
  pg::FieldType type;
  int width;  // pixels
};

// A group row: the grouping column's caption and value, and the number of rows in the group.
struct ShownGroup {
  int level;  // 0 for the outermost grouping
  QString caption;
  QVariant value;  // typed as for a cell; invalid for null
  QString text;    // the group row's text as the grid shows it
  int rowCount;
};

// A data row: one cell per shown column, in the shown order.
class ShownRow {
 public:
  ShownRow(const GridPipeline& pipeline, const std::vector<ShownColumn>& columns, int storeRow)
      : pipeline_(pipeline), columns_(columns), storeRow_(storeRow) {}
  int cellCount() const { return static_cast<int>(columns_.size()); }
  // The typed value: qint64, double, QDate, QDateTime, bool or QString; invalid for null.
  QVariant value(int cell) const;
  QString text(int cell) const;  // as the grid shows it
  int storeRow() const { return storeRow_; }

 private:
  const GridPipeline& pipeline_;
  const std::vector<ShownColumn>& columns_;
  int storeRow_;
};

// Receives a grid's table as shown: the header first, then every group row and data row in
// the shown order.
class ShownRowsVisitor {
 public:
  virtual ~ShownRowsVisitor() = default;
  virtual void header(const std::vector<ShownColumn>& columns) = 0;
  virtual void group(const ShownGroup& group) = 0;
  virtual void row(const ShownRow& row) = 0;
};

}  // namespace wv::grid
