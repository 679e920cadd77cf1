#pragma once

#include <QHeaderView>
#include <vector>

#include "platform/grid/GridLook.h"

class QLineEdit;

namespace wv::grid {

class GridModel;

// The column headers of a grid with the filter row under them. Room for the row is reserved
// below the labels with a viewport margin, and one editor per column is kept aligned with its
// section on every resize, move and scroll; each change of an editor filters at once.
// A click on a label sorts (Shift adds the column to the sorting, Ctrl removes it); the small
// button at a label's right (shown under the mouse, and while the column's header filter is
// set) opens the header filter; dragging a label moves the column or,
// dropped on the group-by box, groups by it; a column dragged back here from the group-by box
// stops grouping and takes the place where it is dropped.
class FilterHeader : public QHeaderView {
  Q_OBJECT
 public:
  explicit FilterHeader(GridModel& model, QWidget* parent = nullptr);

  void setLook(const GridLook& look);
  QLineEdit* editor(int column) const { return editors_[column]; }
  // In the coordinates of viewport(), where the labels are.
  QRect filterButtonRect(int column) const;
  QSize sizeHint() const override;

 public slots:
  void placeEditors();

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
  void paintEvent(QPaintEvent* event) override;
  void updateGeometries() override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void followModel();
  void onSectionClicked(int column);
  void openHeaderFilter(int column);
  void startColumnDrag(int column);  // not startDrag: that would hide the view's virtual one
  bool isOnResizeHandle(const QPoint& pos) const;
  int dropPosition(const QPoint& pos) const;  // a place in the column order, 0 to count()
  int boundaryX(int position) const;

  GridModel& model_;
  GridLook look_;
  std::vector<QLineEdit*> editors_;
  int editorHeight_ = 0;
  bool following_ = false;
  QPoint pressPos_;
  int pressColumn_ = -1;
  bool pressedFilterButton_ = false;
  Qt::KeyboardModifiers clickModifiers_;
  int dropPosition_ = -1;
  int hoverColumn_ = -1;  // its filter button shows; otherwise only an active one does
};

}  // namespace wv::grid
