#pragma once

#include <QWidget>

#include "platform/grid/GridLook.h"

class QLabel;
class QToolButton;

namespace wv::grid {

class GridModel;

// The filter box under the rows, shown while any filter is set: what the filters are, and a
// button that clears them all.
class FilterPanel : public QWidget {
  Q_OBJECT
 public:
  explicit FilterPanel(GridModel& model, QWidget* parent = nullptr);

  void setLook(const GridLook& look);
  QString filterText() const;
  QToolButton& clearButton() const { return *clear_; }

 private:
  void followModel();

  GridModel& model_;
  QToolButton* clear_;
  QLabel* text_;
};

}  // namespace wv::grid
