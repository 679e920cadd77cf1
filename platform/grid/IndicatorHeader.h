#pragma once

#include <QHeaderView>

#include "platform/grid/GridLook.h"

namespace wv::grid {

// The indicator column left of the rows: a narrow band that marks the focused row. Clicking
// it selects the row.
class IndicatorHeader : public QHeaderView {
  Q_OBJECT
 public:
  explicit IndicatorHeader(QWidget* parent = nullptr);
  void setLook(const GridLook& look);
  QSize sizeHint() const override;

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

 private:
  GridLook look_;
};

}  // namespace wv::grid
