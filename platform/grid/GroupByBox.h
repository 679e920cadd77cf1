#pragma once

#include <QWidget>

#include "platform/grid/GridLook.h"

namespace wv::grid {

class GridModel;

// The box above the headers that takes columns to group by. A header dropped here groups the
// rows by its column, at the level where it is dropped; each grouping column shows as a
// button, and a click on it reverses the order of its groups. A button dragged back to the
// headers, or out of the grid, ends the grouping by its column; dragged along the box, it
// changes its level. The context menu expands or collapses all groups.
class GroupByBox : public QWidget {
  Q_OBJECT
 public:
  explicit GroupByBox(GridModel& model, QWidget* parent = nullptr);

  void setLook(const GridLook& look);
  QRect buttonRect(int level) const;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void followModel();
  int levelAt(const QPoint& pos) const;    // the button under pos; -1 for none
  int dropLevel(const QPoint& pos) const;  // where a dropped column would go, 0 to levels
  void startDrag(int level);

  GridModel& model_;
  GridLook look_;
  int pressLevel_ = -1;
  QPoint pressPos_;
  int dropLevel_ = -1;
};

}  // namespace wv::grid
