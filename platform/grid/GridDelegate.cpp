#include "platform/grid/GridDelegate.h"

#include <QPainter>

#include "platform/grid/GridModel.h"
#include "platform/grid/GridTable.h"

namespace wv::grid {

namespace {
constexpr int kPadding = 4;
constexpr int kLevelIndent = 18;
constexpr int kButtonSize = 9;
}  // namespace

GridDelegate::GridDelegate(GridTable& table) : QAbstractItemDelegate(&table), table_(table) {}

QRect GridDelegate::expandButtonRect(int level, const QRect& rowRect) {
  return QRect(kPadding + level * kLevelIndent, rowRect.center().y() - kButtonSize / 2, kButtonSize,
               kButtonSize);
}

QSize GridDelegate::sizeHint(const QStyleOptionViewItem& /*option*/,
                             const QModelIndex& index) const {
  const QFontMetrics metrics(table_.look().even.font);
  return {metrics.horizontalAdvance(index.data().toString()) + 2 * kPadding,
          metrics.height() + kPadding};
}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
  if (index.data(GridModel::GroupRole).toInt() >= 0)
    paintGroupRow(painter, option, index);
  else
    paintDataCell(painter, option, index);
}

void GridDelegate::paintDataCell(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  const GridLook& look = table_.look();
  const bool selected = option.state & QStyle::State_Selected;
  const ElementLook& cell =
      selected ? (table_.hasFocus() ? look.selection : look.inactive)
               : (index.data(GridModel::ParityRole).toInt() ? look.odd : look.even);
  const QRect& rect = option.rect;
  painter->fillRect(rect, cell.background);

  const QString text = index.data().toString();
  const auto align = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
  const QRect textRect = rect.adjusted(kPadding, 0, -kPadding, 0);
  painter->setFont(cell.font);
  const QFontMetrics metrics(cell.font);
  const QString shown = metrics.elidedText(text, Qt::ElideRight, textRect.width());
  painter->setPen(cell.text);
  painter->drawText(textRect, static_cast<int>(align), shown);

  const QString& found = table_.incrementalSearchText();
  if (!found.isEmpty() && index == table_.currentIndex() &&
      text.startsWith(found, Qt::CaseInsensitive)) {
    const int start = (align & Qt::AlignRight) ? textRect.right() - metrics.horizontalAdvance(shown)
                                               : textRect.left();
    const QRect mark(start, rect.top(), metrics.horizontalAdvance(text.left(found.size())),
                     rect.height());
    painter->save();
    painter->setClipRect(mark.intersected(textRect));
    painter->fillRect(mark, look.incSearch.background);
    painter->setPen(look.incSearch.text);
    painter->drawText(textRect, static_cast<int>(align), shown);
    painter->restore();
  }

  painter->setPen(look.gridLine);
  painter->drawLine(rect.bottomLeft(), rect.bottomRight());
  painter->drawLine(rect.topRight(), rect.bottomRight());
  if (index == table_.currentIndex() && table_.hasFocus()) {
    painter->setPen(QPen(cell.text, 1, Qt::DotLine));
    painter->drawRect(rect.adjusted(1, 1, -2, -2));
  }
}

// Every cell of a group row draws the whole row, clipped to itself, so the row reads as one
// band whatever the columns' widths and order.
void GridDelegate::paintGroupRow(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  const GridLook& look = table_.look();
  const bool current = table_.currentIndex().row() == index.row();
  const ElementLook& band =
      current ? (table_.hasFocus() ? look.selection : look.inactive) : look.group;
  const QRect rowRect(0, option.rect.top(), table_.viewport()->width(), option.rect.height());

  painter->save();
  painter->setClipRect(option.rect);
  painter->fillRect(option.rect, band.background);
  const int level = index.data(GridModel::GroupLevelRole).toInt();
  const QRect button = expandButtonRect(level, rowRect);
  painter->fillRect(button, look.even.background);
  painter->setPen(look.even.text);
  painter->drawRect(button);
  const int mid = button.center().y();
  painter->drawLine(button.left() + 2, mid, button.right() - 2, mid);
  if (!index.data(GridModel::ExpandedRole).toBool())
    painter->drawLine(button.center().x(), button.top() + 2, button.center().x(),
                      button.bottom() - 2);

  painter->setPen(band.text);
  const QFont& font = look.group.font;
  painter->setFont(font);
  const QRect textRect = rowRect.adjusted(button.right() + kPadding + 2, 0, -kPadding, 0);
  painter->drawText(
      textRect, Qt::AlignLeft | Qt::AlignVCenter,
      QFontMetrics(font).elidedText(index.data().toString(), Qt::ElideRight, textRect.width()));
  painter->setPen(look.gridLine);
  painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
  painter->restore();
}

}  // namespace wv::grid
