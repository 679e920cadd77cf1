#include "platform/grid/FilterHeader.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "platform/grid/ColumnMimeData.h"
#include "platform/grid/GridModel.h"
#include "platform/grid/HeaderFilterPopup.h"
#include "platform/grid/UserAction.h"

namespace wv::grid {

namespace {
constexpr int kPadding = 4;
constexpr int kButtonSize = 11;
constexpr int kSortMarkWidth = 12;

void fillTriangle(QPainter* painter, const QRectF& box, bool pointsUp, const QColor& color) {
  QPainterPath path;
  const double mid = box.center().x();
  if (pointsUp) {
    path.moveTo(box.left(), box.bottom());
    path.lineTo(box.right(), box.bottom());
    path.lineTo(mid, box.top());
  } else {
    path.moveTo(box.left(), box.top());
    path.lineTo(box.right(), box.top());
    path.lineTo(mid, box.bottom());
  }
  path.closeSubpath();
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing);
  painter->fillPath(path, color);
  painter->restore();
}
}  // namespace

FilterHeader::FilterHeader(GridModel& model, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), model_(model) {
  setModel(&model);
  setSectionsClickable(true);
  setSectionsMovable(
      false);  // columns move by the drag below, which can also reach the group-by box
  setHighlightSections(false);
  setSortIndicatorShown(false);
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
  setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  for (int column = 0; column < model.columnCount(); ++column) {
    auto* edit = new QLineEdit(this);
    edit->setFrame(false);
    edit->setAccessibleName(
        QStringLiteral("Filtru %1").arg(model.pipeline().column(column).headerText()));
    edit->setObjectName(QStringLiteral("filter_%1").arg(model.pipeline().column(column).name));
    connect(edit, &QLineEdit::textChanged, this, [this, column](const QString& text) {
      if (!following_)
        runUserAction(model_.pipeline(), [&] { model_.setFilterEntry(column, text); });
    });
    editors_.push_back(edit);
  }
  connect(this, &QHeaderView::sectionClicked, this, &FilterHeader::onSectionClicked);
  connect(this, &QHeaderView::sectionResized, this, [this](int column, int, int width) {
    if (!following_) model_.setColumnWidth(column, width);
    placeEditors();
  });
  connect(&model, &GridModel::arrangementChanged, this, &FilterHeader::followModel);
  setLook(GridLook::resolve({}, palette(), font()));
  followModel();
}

void FilterHeader::setLook(const GridLook& look) {
  look_ = look;
  setFont(look.header.font);
  QPalette background = viewport()->palette();
  background.setColor(QPalette::Window, look.background.background);
  background.setColor(QPalette::Base, look.background.background);
  viewport()->setPalette(background);
  QPalette lines = palette();
  lines.setColor(QPalette::Window, look.gridLine);
  setPalette(lines);
  setAutoFillBackground(true);
  for (QLineEdit* edit : editors_) {
    edit->setFont(look.filterBox.font);
    QPalette colours = edit->palette();
    colours.setColor(QPalette::Base, look.filterBox.background);
    colours.setColor(QPalette::Text, look.filterBox.text);
    edit->setPalette(colours);
  }
  editorHeight_ = QFontMetrics(look.filterBox.font).height() + 6;
  setViewportMargins(0, 0, 0, editorHeight_);
  followModel();
  updateGeometry();
  viewport()->update();
}

QSize FilterHeader::sizeHint() const {
  QSize size = QHeaderView::sizeHint();
  size.setHeight(QFontMetrics(look_.header.font).height() + 10 + editorHeight_);
  return size;
}

// Brings order, widths, hidden (grouped) columns and editor texts in line with the model,
// whose arrangement is the one that counts.
void FilterHeader::followModel() {
  const GridPipeline& pipeline = model_.pipeline();
  following_ = true;
  const std::vector<int>& order = pipeline.columnOrder();
  for (int position = 0; position < static_cast<int>(order.size()); ++position) {
    const int from = visualIndex(order[position]);
    if (from != position) moveSection(from, position);
  }
  for (int column = 0; column < pipeline.columnCount(); ++column) {
    setSectionHidden(column, pipeline.isGrouped(column));
    if (sectionSize(column) != pipeline.columnWidth(column) && !isSectionHidden(column))
      resizeSection(column, pipeline.columnWidth(column));
    QLineEdit* edit = editors_[column];
    if (edit->text() != pipeline.filterEntry(column)) edit->setText(pipeline.filterEntry(column));
    const bool valid = pipeline.isFilterEntryValid(column);
    QPalette colours = edit->palette();
    colours.setColor(QPalette::Text, valid ? look_.filterBox.text : QColor(Qt::red));
    edit->setPalette(colours);
    edit->setToolTip(valid ? QString() : QStringLiteral("Valoare nevalida pentru aceasta coloana"));
  }
  following_ = false;
  placeEditors();
  viewport()->update();
}

void FilterHeader::updateGeometries() {
  QHeaderView::updateGeometries();
  placeEditors();
}

void FilterHeader::placeEditors() {
  const int top = viewport()->height();
  for (int column = 0; column < static_cast<int>(editors_.size()); ++column) {
    QLineEdit* edit = editors_[column];
    if (isSectionHidden(column)) {
      edit->hide();
      continue;
    }
    edit->setGeometry(sectionViewportPosition(column), top, sectionSize(column) - 1,
                      editorHeight_ - 1);
    edit->show();
  }
}

QRect FilterHeader::filterButtonRect(int column) const {
  const int right = sectionViewportPosition(column) + sectionSize(column) - kPadding;
  return QRect(right - kButtonSize, (viewport()->height() - kButtonSize) / 2, kButtonSize,
               kButtonSize);
}

void FilterHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  const ElementLook& header = look_.header;
  painter->save();
  painter->fillRect(rect, header.background);
  painter->setPen(header.background.lighter(135));
  painter->drawLine(rect.topLeft(), rect.topRight());
  painter->drawLine(rect.topLeft(), rect.bottomLeft());
  painter->setPen(header.background.darker(150));
  painter->drawLine(rect.topRight(), rect.bottomRight());
  painter->drawLine(rect.bottomLeft(), rect.bottomRight());

  const GridPipeline& pipeline = model_.pipeline();
  const QRect button = filterButtonRect(logicalIndex);
  const bool filtered = pipeline.headerFilter(logicalIndex).has_value();
  const bool showButton = filtered || logicalIndex == hoverColumn_;
  int textRight = showButton ? button.left() - 2 : rect.right() - kPadding;
  const auto& keys = pipeline.sortKeys();
  for (size_t i = 0; i < keys.size(); ++i) {
    if (keys[i].column != logicalIndex) continue;
    const QRectF mark(textRight - kSortMarkWidth + 2, rect.center().y() - 3, 7, 6);
    fillTriangle(painter, mark, !keys[i].descending, header.text);
    textRight -= kSortMarkWidth;
    if (keys.size() > 1) {
      QFont small = header.font;
      small.setPointSizeF(small.pointSizeF() * 0.8);
      painter->setFont(small);
      painter->setPen(header.text);
      const QRect number(textRight - 8, rect.top(), 10, rect.height());
      painter->drawText(number, Qt::AlignCenter, QString::number(i + 1));
      textRight -= 10;
    }
  }
  if (showButton) {
    fillTriangle(painter, QRectF(button).adjusted(1, 3, -1, -2), false,
                 filtered ? look_.groupByBox.background : header.background.lighter(170));
  }

  painter->setFont(header.font);
  painter->setPen(header.text);
  const QRect textRect(rect.left() + kPadding, rect.top(), textRight - rect.left() - kPadding,
                       rect.height());
  const QString caption = pipeline.column(logicalIndex).headerText();
  painter->drawText(
      textRect, Qt::AlignLeft | Qt::AlignVCenter,
      QFontMetrics(header.font).elidedText(caption, Qt::ElideRight, textRect.width()));
  painter->restore();
}

void FilterHeader::paintEvent(QPaintEvent* event) {
  QHeaderView::paintEvent(event);
  if (dropPosition_ < 0) return;
  QPainter painter(viewport());
  const int x = boundaryX(dropPosition_);
  painter.fillRect(QRect(x - 1, 0, 3, viewport()->height()), look_.groupByBox.background);
}

void FilterHeader::onSectionClicked(int column) {
  const Qt::KeyboardModifiers modifiers = clickModifiers_;
  const SortClick click = (modifiers & Qt::ControlModifier) ? SortClick::Remove
                          : (modifiers & Qt::ShiftModifier) ? SortClick::Add
                                                            : SortClick::Replace;
  runUserAction(model_.pipeline(), [&] { model_.clickSort(column, click); });
}

void FilterHeader::openHeaderFilter(int column) {
  runUserAction(model_.pipeline(), [&] {
    auto* popup = new HeaderFilterPopup(model_, column, this);
    const QRect button = filterButtonRect(column);
    popup->move(viewport()->mapToGlobal(
        QPoint(button.right() - popup->sizeHint().width(), viewport()->height())));
    popup->show();
  });
}

bool FilterHeader::isOnResizeHandle(const QPoint& pos) const {
  const int column = logicalIndexAt(pos);
  if (column < 0) return false;
  const int margin = style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, this);
  const int left = sectionViewportPosition(column);
  return pos.x() - left < margin || left + sectionSize(column) - pos.x() <= margin;
}

void FilterHeader::mousePressEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  const int column = logicalIndexAt(pos);
  pressedFilterButton_ =
      column >= 0 && event->button() == Qt::LeftButton && filterButtonRect(column).contains(pos);
  if (pressedFilterButton_) return openHeaderFilter(column);
  pressPos_ = pos;
  pressColumn_ = event->button() == Qt::LeftButton && !isOnResizeHandle(pos) ? column : -1;
  QHeaderView::mousePressEvent(event);
}

void FilterHeader::mouseMoveEvent(QMouseEvent* event) {
  const int hover = logicalIndexAt(event->position().toPoint());
  if (hover != hoverColumn_) {
    hoverColumn_ = hover;
    viewport()->update();
  }
  if (pressColumn_ >= 0 && (event->buttons() & Qt::LeftButton) &&
      (event->position().toPoint() - pressPos_).manhattanLength() >=
          QApplication::startDragDistance()) {
    const int column = pressColumn_;
    pressColumn_ = -1;
    return startColumnDrag(column);
  }
  QHeaderView::mouseMoveEvent(event);
}

void FilterHeader::mouseReleaseEvent(QMouseEvent* event) {
  pressColumn_ = -1;
  clickModifiers_ = event->modifiers();  // the click that the base class reports comes from here
  if (pressedFilterButton_) {
    pressedFilterButton_ = false;
    return;
  }
  QHeaderView::mouseReleaseEvent(event);
}

void FilterHeader::leaveEvent(QEvent* event) {
  hoverColumn_ = -1;
  viewport()->update();
  QHeaderView::leaveEvent(event);
}

void FilterHeader::startColumnDrag(int column) {
  auto* drag = new QDrag(this);
  drag->setMimeData(new ColumnMimeData(&model_, column, false));
  const QRect section(sectionViewportPosition(column), 0, sectionSize(column),
                      viewport()->height());
  drag->setPixmap(viewport()->grab(section));
  drag->setHotSpot(pressPos_ - section.topLeft());
  drag->exec(Qt::MoveAction);
}

int FilterHeader::dropPosition(const QPoint& pos) const {
  const int visual = visualIndexAt(pos.x());
  if (visual < 0) return pos.x() < 0 ? 0 : count();
  const int column = logicalIndex(visual);
  return pos.x() < sectionViewportPosition(column) + sectionSize(column) / 2 ? visual : visual + 1;
}

int FilterHeader::boundaryX(int position) const {
  for (int visual = position; visual < count(); ++visual)
    if (!isSectionHidden(logicalIndex(visual)))
      return sectionViewportPosition(logicalIndex(visual));
  return length() - offset();
}

void FilterHeader::dragEnterEvent(QDragEnterEvent* event) {
  ColumnMimeData::take(event, &model_);
}

void FilterHeader::dragMoveEvent(QDragMoveEvent* event) {
  if (ColumnMimeData::take(event, &model_) < 0) return;
  dropPosition_ = dropPosition(event->position().toPoint());
  viewport()->update();
}

void FilterHeader::dragLeaveEvent(QDragLeaveEvent* event) {
  dropPosition_ = -1;
  viewport()->update();
  QHeaderView::dragLeaveEvent(event);
}

void FilterHeader::dropEvent(QDropEvent* event) {
  const int column = ColumnMimeData::take(event, &model_);
  dropPosition_ = -1;
  viewport()->update();
  if (column < 0) return;
  const int position = dropPosition(event->position().toPoint());
  runUserAction(model_.pipeline(), [&] {
    if (model_.pipeline().isGrouped(column)) model_.ungroup(column);
    const std::vector<int>& order = model_.pipeline().columnOrder();
    const int current =
        static_cast<int>(std::find(order.begin(), order.end(), column) - order.begin());
    model_.moveColumn(column, position > current ? position - 1 : position);
  });
}

}  // namespace wv::grid
