#pragma once

#include <QAbstractItemDelegate>

namespace wv::grid {

class GridTable;

// Paints the cells of a grid: data cells striped even/odd in the shown order, selected cells
// in the Selection style while the grid has the focus and Inactive otherwise, the text found
// by incremental search, and group rows drawn across the whole row with an expand button.
class GridDelegate : public QAbstractItemDelegate {
 public:
  explicit GridDelegate(GridTable& table);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  // Where a group row of `level` shows its expand button, in the viewport's coordinates.
  static QRect expandButtonRect(int level, const QRect& rowRect);

 private:
  void paintGroupRow(QPainter* painter, const QStyleOptionViewItem& option,
                     const QModelIndex& index) const;
  void paintDataCell(QPainter* painter, const QStyleOptionViewItem& option,
                     const QModelIndex& index) const;

  GridTable& table_;
};

}  // namespace wv::grid
