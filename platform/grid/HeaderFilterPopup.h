#pragma once

#include <QFrame>
#include <vector>

#include "platform/grid/GridPipeline.h"

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace wv::grid {

class GridModel;

// The header filter of one column: its distinct values (among the rows the other columns'
// filters let through) with check boxes, a search box to narrow the list, and "(Toate)" to
// check or clear them all. "OK" filters the column to the checked values; all checked means
// no header filter.
class HeaderFilterPopup : public QFrame {
  Q_OBJECT
 public:
  HeaderFilterPopup(GridModel& model, int column, QWidget* parent);

  QListWidget& list() const { return *list_; }
  void apply();

 private:
  void checkAll(bool checked);
  void narrow(const QString& text);

  GridModel& model_;
  int column_;
  std::vector<DistinctValue> values_;
  QLineEdit* search_;
  QCheckBox* all_;
  QListWidget* list_;
};

}  // namespace wv::grid
