#include "platform/grid/GridNavigator.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

#include "platform/grid/GridModel.h"
#include "platform/grid/GridTable.h"

namespace wv::grid {

namespace {
// A triangle pointing the way of the move, with a bar for the moves to an end.
QIcon moveIcon(bool forward, bool toEnd, const QColor& color) {
  QPixmap pixmap(12, 12);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const double tip = forward ? 9.5 : 2.5, base = forward ? 3.5 : 8.5;
  QPainterPath arrow;
  arrow.moveTo(base, 1.5);
  arrow.lineTo(tip, 6);
  arrow.lineTo(base, 10.5);
  arrow.closeSubpath();
  painter.fillPath(arrow, color);
  if (toEnd) painter.fillRect(QRectF(forward ? 9.5 : 1, 1.5, 1.5, 9), color);
  return QIcon(pixmap);
}
}  // namespace

GridNavigator::GridNavigator(GridTable& table, QWidget* parent)
    : QWidget(parent), table_(table), info_(new QLabel(this)) {
  setAccessibleName(QStringLiteral("Navigator"));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(2, 1, 2, 1);
  layout->setSpacing(1);
  const struct {
    Move move;
    const char* name;
    bool forward, toEnd;
  } moves[] = {{Move::First, "Prima inregistrare", false, true},
               {Move::Previous, "Inregistrarea anterioara", false, false},
               {Move::Next, "Inregistrarea urmatoare", true, false},
               {Move::Last, "Ultima inregistrare", true, true}};
  const QColor color = palette().color(QPalette::ButtonText);
  for (const auto& m : moves) {
    auto* button = new QToolButton(this);
    button->setAutoRaise(true);
    button->setIcon(moveIcon(m.forward, m.toEnd, color));
    button->setToolTip(QString::fromLatin1(m.name));
    button->setAccessibleName(QString::fromLatin1(m.name));
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::clicked, this, [this, move = m.move] { go(move); });
    buttons_[static_cast<int>(m.move)] = button;
    layout->addWidget(button);
  }
  info_->setAccessibleName(QStringLiteral("Inregistrarea curenta"));
  info_->setContentsMargins(8, 0, 8, 0);
  layout->addWidget(info_);
  layout->addStretch(1);

  GridModel& model = table.gridModel();
  connect(&model, &QAbstractItemModel::modelReset, this, &GridNavigator::refresh);
  connect(&model, &QAbstractItemModel::rowsInserted, this, &GridNavigator::refresh);
  connect(&model, &QAbstractItemModel::rowsRemoved, this, &GridNavigator::refresh);
  connect(table.selectionModel(), &QItemSelectionModel::currentChanged, this,
          &GridNavigator::refresh);
  refresh();
}

QString GridNavigator::infoText() const {
  return info_->text();
}

void GridNavigator::go(Move move) {
  const int last = table_.model()->rowCount() - 1;
  const int current = table_.currentIndex().row();
  switch (move) {
    case Move::First:
      table_.moveToRow(0);
      break;
    case Move::Previous:
      table_.moveToRow(std::max(current - 1, 0));
      break;
    case Move::Next:
      table_.moveToRow(std::min(current + 1, last));
      break;
    case Move::Last:
      table_.moveToRow(last);
      break;
  }
}

void GridNavigator::refresh() {
  const QModelIndex current = table_.currentIndex();
  const int records = table_.gridModel().pipeline().recordCount();
  const bool onRecord = current.isValid() && current.data(GridModel::GroupRole).toInt() < 0;
  const QString number = onRecord ? QString::number(current.data(GridModel::RecordRole).toInt() + 1)
                                  : QStringLiteral("-");
  info_->setText(QStringLiteral("%1 din %2").arg(number).arg(records));
  const int rows = table_.model()->rowCount();
  const int row = current.isValid() ? current.row() : -1;
  button(Move::First).setEnabled(row > 0);
  button(Move::Previous).setEnabled(row > 0);
  button(Move::Next).setEnabled(row >= 0 && row < rows - 1);
  button(Move::Last).setEnabled(row < rows - 1);
}

}  // namespace wv::grid
