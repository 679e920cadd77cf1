#include "platform/grid/IndicatorHeader.h"

#include <QPainter>
#include <QPainterPath>

namespace wv::grid {

namespace {
constexpr int kWidth = 16;
}

IndicatorHeader::IndicatorHeader(QWidget* parent) : QHeaderView(Qt::Vertical, parent) {
  setSectionResizeMode(QHeaderView::Fixed);
  setSectionsClickable(true);
  setHighlightSections(false);
}

void IndicatorHeader::setLook(const GridLook& look) {
  look_ = look;
  const int rowHeight = QFontMetrics(look.even.font).height() + 6;
  setMinimumSectionSize(rowHeight);
  setDefaultSectionSize(rowHeight);
  viewport()->update();
}

QSize IndicatorHeader::sizeHint() const {
  return {kWidth, 0};
}

void IndicatorHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  painter->fillRect(rect, look_.indicator.background);
  painter->setPen(look_.indicator.background.darker(130));
  painter->drawLine(rect.topRight(), rect.bottomRight());
  painter->drawLine(rect.bottomLeft(), rect.bottomRight());
  if (currentIndex().row() != logicalIndex) return;
  const QPointF c = QRectF(rect).center();
  QPainterPath arrow;
  arrow.moveTo(c.x() - 3, c.y() - 4);
  arrow.lineTo(c.x() + 2, c.y());
  arrow.lineTo(c.x() - 3, c.y() + 4);
  arrow.closeSubpath();
  painter->setRenderHint(QPainter::Antialiasing);
  painter->fillPath(arrow, look_.indicator.text);
}

}  // namespace wv::grid
