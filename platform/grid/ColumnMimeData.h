#pragma once

#include <QDropEvent>
#include <QMimeData>

namespace wv::grid {

class GridModel;

// A column being dragged: from a header (to move or to group by it) or from the group-by box
// (to change the grouping or to stop grouping by it). Only the grid it comes from takes it.
class ColumnMimeData : public QMimeData {
  Q_OBJECT
 public:
  ColumnMimeData(const GridModel* model, int column, bool fromGroupByBox)
      : model_(model), column_(column), fromGroupByBox_(fromGroupByBox) {
    setData(QStringLiteral("application/x-wvelora-grid-column"), QByteArray::number(column));
  }
  const GridModel* model() const { return model_; }
  int column() const { return column_; }
  bool fromGroupByBox() const { return fromGroupByBox_; }

  // Takes a drag or drop event that carries a column of `model`'s grid and returns the column;
  // ignores any other and returns -1.
  static int take(QDropEvent* event, const GridModel* model) {
    auto* data = qobject_cast<const ColumnMimeData*>(event->mimeData());
    if (!data || data->model() != model) {
      event->ignore();
      return -1;
    }
    event->acceptProposedAction();
    return data->column();
  }

 private:
  const GridModel* model_;
  int column_;
  bool fromGroupByBox_;
};

}  // namespace wv::grid
