#pragma once

#include <QWidget>

#include "platform/grid/GridLook.h"

namespace wv::grid {

class GridModel;
class GridTable;

// The band under the rows: the number of records shown, and under each numeric column the sum
// of its values over those records, aligned with the columns as they move, resize and scroll.
class GridFooter : public QWidget {
  Q_OBJECT
 public:
  GridFooter(GridModel& model, GridTable& table, QWidget* parent = nullptr);

  void setLook(const GridLook& look);
  QString text(int column) const;  // what shows under the column
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int countColumn() const;  // where the record count shows
  void refresh();

  GridModel& model_;
  GridTable& table_;
  GridLook look_;
};

}  // namespace wv::grid
