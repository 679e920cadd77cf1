#include "platform/grid/GroupByBox.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QMenu>
#include <QPainter>

#include "platform/grid/ColumnMimeData.h"
#include "platform/grid/GridModel.h"
#include "platform/grid/UserAction.h"

namespace wv::grid {

namespace {
constexpr int kMargin = 6;
constexpr int kGap = 12;
constexpr int kTextPadding = 8;
constexpr int kSortMarkWidth = 14;
const char* const kHint = "Trageti aici antetul unei coloane pentru a grupa dupa acea coloana";
}  // namespace

GroupByBox::GroupByBox(GridModel& model, QWidget* parent) : QWidget(parent), model_(model) {
  setAcceptDrops(true);
  setAccessibleName(QStringLiteral("Zona de grupare"));
  connect(&model, &GridModel::arrangementChanged, this, &GroupByBox::followModel);
  setLook(GridLook::resolve({}, palette(), font()));
}

void GroupByBox::setLook(const GridLook& look) {
  look_ = look;
  updateGeometry();
  followModel();
}

void GroupByBox::followModel() {
  const GridPipeline& pipeline = model_.pipeline();
  QStringList levels;
  for (const SortKey& key : pipeline.grouping()) levels << pipeline.column(key.column).headerText();
  setAccessibleDescription(
      levels.isEmpty() ? QString::fromLatin1(kHint)
                       : QStringLiteral("Grupat dupa %1").arg(levels.join(QStringLiteral(", "))));
  update();
}

QSize GroupByBox::sizeHint() const {
  return {200, QFontMetrics(look_.header.font).height() + 8 + 2 * kMargin};
}

QRect GroupByBox::buttonRect(int level) const {
  const GridPipeline& pipeline = model_.pipeline();
  const QFontMetrics metrics(look_.header.font);
  const int height = metrics.height() + 8;
  int x = kMargin;
  for (int i = 0; i <= level; ++i) {
    const QString caption = pipeline.column(pipeline.grouping()[i].column).headerText();
    const int width = metrics.horizontalAdvance(caption) + 2 * kTextPadding + kSortMarkWidth;
    if (i == level) return QRect(x, kMargin, width, height);
    x += width + kGap;
  }
  return {};
}

void GroupByBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), look_.groupByBox.background);
  const auto& grouping = model_.pipeline().grouping();
  if (grouping.empty()) {
    painter.setFont(look_.groupByBox.font);
    painter.setPen(look_.groupByBox.text);
    painter.drawText(rect().adjusted(kMargin + 2, 0, -kMargin, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromLatin1(kHint));
  }
  painter.setRenderHint(QPainter::Antialiasing);
  for (int level = 0; level < static_cast<int>(grouping.size()); ++level) {
    const QRect button = buttonRect(level);
    if (level > 0) {
      painter.setPen(look_.groupByBox.text);
      painter.drawLine(buttonRect(level - 1).right() + 1, button.center().y(), button.left() - 1,
                       button.center().y());
    }
    painter.fillRect(button, look_.header.background);
    painter.setPen(look_.header.background.darker(150));
    painter.drawRect(button.adjusted(0, 0, -1, -1));
    painter.setFont(look_.header.font);
    painter.setPen(look_.header.text);
    const QString caption = model_.pipeline().column(grouping[level].column).headerText();
    painter.drawText(button.adjusted(kTextPadding, 0, -kSortMarkWidth, 0),
                     Qt::AlignLeft | Qt::AlignVCenter, caption);
    const QPointF c(button.right() - kSortMarkWidth / 2.0 - 1, button.center().y() + 0.5);
    const double dy = grouping[level].descending ? 3 : -3;
    const QPointF arrow[3] = {
        {c.x() - 3.5, c.y() - dy}, {c.x() + 3.5, c.y() - dy}, {c.x(), c.y() + dy}};
    painter.setBrush(look_.header.text);
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(arrow, 3);
    painter.setBrush(Qt::NoBrush);
  }
  if (dropLevel_ >= 0) {
    const int x = dropLevel_ < static_cast<int>(grouping.size())
                      ? buttonRect(dropLevel_).left() - kGap / 2
                  : grouping.empty() ? kMargin
                                     : buttonRect(dropLevel_ - 1).right() + kGap / 2;
    painter.fillRect(QRect(x - 1, kMargin - 2, 3, height() - 2 * kMargin + 4),
                     look_.header.background.darker(150));
  }
}

int GroupByBox::levelAt(const QPoint& pos) const {
  for (int level = 0; level < static_cast<int>(model_.pipeline().grouping().size()); ++level)
    if (buttonRect(level).contains(pos)) return level;
  return -1;
}

int GroupByBox::dropLevel(const QPoint& pos) const {
  int level = 0;
  const int levels = static_cast<int>(model_.pipeline().grouping().size());
  while (level < levels && buttonRect(level).center().x() < pos.x()) ++level;
  return level;
}

void GroupByBox::mousePressEvent(QMouseEvent* event) {
  pressLevel_ = event->button() == Qt::LeftButton ? levelAt(event->position().toPoint()) : -1;
  pressPos_ = event->position().toPoint();
}

void GroupByBox::mouseMoveEvent(QMouseEvent* event) {
  if (pressLevel_ < 0 || (event->position().toPoint() - pressPos_).manhattanLength() <
                             QApplication::startDragDistance())
    return;
  const int level = pressLevel_;
  pressLevel_ = -1;
  startDrag(level);
}

void GroupByBox::mouseReleaseEvent(QMouseEvent* event) {
  const int level = pressLevel_;
  pressLevel_ = -1;
  if (level < 0 || levelAt(event->position().toPoint()) != level) return;
  const int column = model_.pipeline().grouping()[level].column;
  runUserAction(model_.pipeline(), [&] { model_.reverseGroupOrder(column); });
}

void GroupByBox::startDrag(int level) {
  const int column = model_.pipeline().grouping()[level].column;
  auto* drag = new QDrag(this);
  drag->setMimeData(new ColumnMimeData(&model_, column, true));
  drag->setPixmap(grab(buttonRect(level)));
  drag->setHotSpot(pressPos_ - buttonRect(level).topLeft());
  // Dropped where nothing takes it: the column leaves the grouping.
  if (drag->exec(Qt::MoveAction) == Qt::IgnoreAction)
    runUserAction(model_.pipeline(), [&] { model_.ungroup(column); });
}

void GroupByBox::contextMenuEvent(QContextMenuEvent* event) {
  const GridPipeline& pipeline = model_.pipeline();
  if (pipeline.grouping().empty()) return;
  QMenu menu(this);
  const int level = levelAt(event->pos());
  if (level >= 0) {
    const int column = pipeline.grouping()[level].column;
    menu.addAction(QStringLiteral("Degrupeaza"), this, [this, column] {
      runUserAction(model_.pipeline(), [&] { model_.ungroup(column); });
    });
    menu.addSeparator();
  }
  menu.addAction(QStringLiteral("Extinde tot"), this, [this] {
    runUserAction(model_.pipeline(), [&] { model_.setAllGroupsExpanded(true); });
  });
  menu.addAction(QStringLiteral("Restrange tot"), this, [this] {
    runUserAction(model_.pipeline(), [&] { model_.setAllGroupsExpanded(false); });
  });
  menu.exec(event->globalPos());
}

void GroupByBox::dragEnterEvent(QDragEnterEvent* event) {
  ColumnMimeData::take(event, &model_);
}

void GroupByBox::dragMoveEvent(QDragMoveEvent* event) {
  if (ColumnMimeData::take(event, &model_) < 0) return;
  dropLevel_ = dropLevel(event->position().toPoint());
  update();
}

void GroupByBox::dragLeaveEvent(QDragLeaveEvent*) {
  dropLevel_ = -1;
  update();
}

void GroupByBox::dropEvent(QDropEvent* event) {
  const int column = ColumnMimeData::take(event, &model_);
  dropLevel_ = -1;
  update();
  if (column < 0) return;
  int level = dropLevel(event->position().toPoint());
  const auto& grouping = model_.pipeline().grouping();
  for (int current = 0; current < static_cast<int>(grouping.size()); ++current)
    if (grouping[current].column == column && current < level) --level;  // its own place goes away
  runUserAction(model_.pipeline(), [&] { model_.groupBy(column, level); });
}

}  // namespace wv::grid
