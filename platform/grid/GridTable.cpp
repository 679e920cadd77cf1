#include "platform/grid/GridTable.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include "platform/grid/FilterHeader.h"
#include "platform/grid/GridDelegate.h"
#include "platform/grid/GridModel.h"
#include "platform/grid/IndicatorHeader.h"
#include "platform/grid/UserAction.h"

namespace wv::grid {

namespace {
bool isGroupRow(const QModelIndex& index) {
  return index.data(GridModel::GroupRole).toInt() >= 0;
}

QString oneLine(QString text) {
  for (QChar& ch : text)
    if (ch == u'\t' || ch == u'\n' || ch == u'\r') ch = u' ';
  return text;
}
}  // namespace

GridTable::GridTable(GridModel& model, QWidget* parent) : QTableView(parent), model_(model) {
  setModel(&model);
  header_ = new FilterHeader(model, this);
  setHorizontalHeader(header_);
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, header_, &FilterHeader::placeEditors);
  setVerticalHeader(new IndicatorHeader(this));
  setItemDelegate(new GridDelegate(*this));
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setShowGrid(false);
  setWordWrap(false);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setAccessibleName(QStringLiteral("Tabel"));
  corner_ = findChild<QAbstractButton*>();
  if (corner_) corner_->installEventFilter(this);
  connect(&model, &QAbstractItemModel::modelAboutToBeReset, this, &GridTable::rememberCurrent);
  connect(&model, &QAbstractItemModel::modelReset, this, &GridTable::restoreCurrent);
  setLook(GridLook::resolve({}, palette(), font()));
  restoreCurrent();
}

void GridTable::setLook(const GridLook& look) {
  look_ = look;
  header_->setLook(look);
  static_cast<IndicatorHeader*>(verticalHeader())->setLook(look);
  QPalette background = viewport()->palette();
  background.setColor(QPalette::Base, look.background.background);
  viewport()->setPalette(background);
  viewport()->update();
}

std::vector<int> GridTable::shownColumnsInOrder() const {
  std::vector<int> columns;
  for (int visual = 0; visual < header_->count(); ++visual) {
    const int column = header_->logicalIndex(visual);
    if (!header_->isSectionHidden(column)) columns.push_back(column);
  }
  return columns;
}

void GridTable::rememberCurrent() {
  const QModelIndex current = currentIndex();
  rememberedColumn_ = current.isValid() ? current.column() : -1;
  rememberedStoreRow_ = -1;
  if (current.isValid() && !isGroupRow(current)) {
    rememberedStoreRow_ = model_.pipeline().storeRowOf(current.data(GridModel::RecordRole).toInt());
  }
}

// After the rows change, the focus stays on the same record when it is still shown, and goes
// to the first row otherwise.
void GridTable::restoreCurrent() {
  search_.clear();
  if (model_.rowCount() == 0) return;
  int row =
      rememberedStoreRow_ >= 0 ? model_.pipeline().shownRowOfStoreRow(rememberedStoreRow_) : -1;
  const std::vector<int> columns = shownColumnsInOrder();
  if (columns.empty()) return;
  int column = rememberedColumn_;
  if (column < 0 || std::find(columns.begin(), columns.end(), column) == columns.end())
    column = columns.front();
  selectionModel()->setCurrentIndex(model_.index(std::max(row, 0), column),
                                    QItemSelectionModel::ClearAndSelect);
}

void GridTable::moveToRow(int row) {
  if (row < 0 || row >= model_.rowCount()) return;
  const std::vector<int> columns = shownColumnsInOrder();
  const int column =
      currentIndex().isValid() ? currentIndex().column() : (columns.empty() ? 0 : columns.front());
  setCurrentIndex(model_.index(row, column));
}

void GridTable::moveToNextCell() {
  const QModelIndex current = currentIndex();
  const std::vector<int> columns = shownColumnsInOrder();
  if (!current.isValid() || columns.empty()) return;
  auto at = std::find(columns.begin(), columns.end(), current.column());
  if (!isGroupRow(current) && at != columns.end() && at + 1 != columns.end()) {
    setCurrentIndex(model_.index(current.row(), *(at + 1)));
  } else if (current.row() + 1 < model_.rowCount()) {
    setCurrentIndex(model_.index(current.row() + 1, columns.front()));
  }
}

bool GridTable::toggleGroupAt(const QModelIndex& index, std::optional<bool> expand) {
  if (!index.isValid() || !isGroupRow(index)) return false;
  const bool expanded = expand.value_or(!index.data(GridModel::ExpandedRole).toBool());
  runUserAction(model_.pipeline(), [&] { model_.setGroupExpanded(index.row(), expanded); });
  return true;
}

QString GridTable::selectedText() const {
  const QItemSelection selection = selectionModel()->selection();
  std::vector<char> rows(static_cast<size_t>(model_.rowCount()), 0);
  std::vector<char> selectedColumns(static_cast<size_t>(model_.columnCount()), 0);
  for (const QItemSelectionRange& range : selection) {
    std::fill(rows.begin() + range.top(), rows.begin() + range.bottom() + 1, 1);
    std::fill(selectedColumns.begin() + range.left(), selectedColumns.begin() + range.right() + 1,
              1);
  }
  std::vector<int> columns = shownColumnsInOrder();
  std::erase_if(columns, [&](int column) { return !selectedColumns[column]; });
  QString text;
  for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
    if (!rows[row]) continue;
    const bool group = isGroupRow(model_.index(row, 0));
    for (size_t i = 0; i < columns.size(); ++i) {
      if (i > 0) text += u'\t';
      const QModelIndex cell = model_.index(row, columns[i]);
      if (selectionModel()->isSelected(cell) && (!group || i == 0))
        text += oneLine(cell.data().toString());
    }
    text += u'\n';
  }
  return text;
}

void GridTable::keyboardSearch(const QString& search) {
  const QModelIndex current = currentIndex();
  if (!current.isValid() || search.isEmpty() || !search.at(0).isPrint()) return;
  runUserAction(model_.pipeline(), [&] {
    const int found =
        model_.pipeline().findShownRow(current.column(), current.row(), search_ + search);
    if (found < 0) return;
    searching_ = true;
    setCurrentIndex(model_.index(found, current.column()));
    searching_ = false;
    search_ += search;
    viewport()->update();
  });
}

void GridTable::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    runUserAction(model_.pipeline(),
                  [&] { QGuiApplication::clipboard()->setText(selectedText()); });
    return;
  }
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (plain) return moveToNextCell();
      break;
    case Qt::Key_Plus:
    case Qt::Key_Right:
      if (toggleGroupAt(currentIndex(), true)) return;
      break;
    case Qt::Key_Minus:
    case Qt::Key_Left:
      if (toggleGroupAt(currentIndex(), false)) return;
      break;
    case Qt::Key_Escape:
    case Qt::Key_Backspace:
      if (!search_.isEmpty()) {
        event->key() == Qt::Key_Escape ? search_.clear() : search_.chop(1);
        viewport()->update();
        return;
      }
      break;
    default:
      break;
  }
  QTableView::keyPressEvent(event);
}

void GridTable::mousePressEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  if (index.isValid() && isGroupRow(index)) {
    const QRect button = GridDelegate::expandButtonRect(
        index.data(GridModel::GroupLevelRole).toInt(), visualRect(index));
    if (button.adjusted(-3, -3, 3, 3).contains(event->position().toPoint())) {
      setCurrentIndex(index);
      toggleGroupAt(index, std::nullopt);
      return;
    }
  }
  QTableView::mousePressEvent(event);
}

void GridTable::mouseDoubleClickEvent(QMouseEvent* event) {
  if (!toggleGroupAt(indexAt(event->position().toPoint()), std::nullopt))
    QTableView::mouseDoubleClickEvent(event);
}

bool GridTable::eventFilter(QObject* watched, QEvent* event) {
  if (watched != corner_ || event->type() != QEvent::Paint)
    return QTableView::eventFilter(watched, event);
  QPainter painter(corner_);
  painter.fillRect(corner_->rect(), look_.indicator.background);
  painter.setPen(look_.indicator.background.darker(130));
  painter.drawLine(corner_->rect().topRight(), corner_->rect().bottomRight());
  painter.drawLine(corner_->rect().bottomLeft(), corner_->rect().bottomRight());
  return true;
}

void GridTable::focusInEvent(QFocusEvent* event) {
  QTableView::focusInEvent(event);
  viewport()->update();
}

void GridTable::focusOutEvent(QFocusEvent* event) {
  QTableView::focusOutEvent(event);
  viewport()->update();
}

void GridTable::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableView::currentChanged(current, previous);
  if (!searching_) search_.clear();
  viewport()->update();
  verticalHeader()->viewport()->update();
}

}  // namespace wv::grid
