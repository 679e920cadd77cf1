#include "GridTestSupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include "platform/grid/ColumnMimeData.h"
#include "platform/grid/FilterHeader.h"
#include "platform/grid/GridModel.h"
#include "platform/grid/GridTable.h"
#include "platform/grid/GroupByBox.h"

namespace wv::grid::test {

using pg::FieldType;

std::shared_ptr<const pg::RowStore> sampleRows() {
  pg::RowStoreBuilder builder({{"name", FieldType::Text},
                               {"qty", FieldType::Int32},
                               {"price", FieldType::Double},
                               {"day", FieldType::Date},
                               {"code", FieldType::Text}});
  struct Row {
    const char* name;
    std::optional<int> qty;
    std::optional<double> price;
    std::optional<QDate> day;
    const char* code;
  };
  const Row rows[] = {
      {"Ștefan", 9, 1.5, QDate(2025, 12, 9), "A"},
      {"ștefan", 10, 2.0, QDate(2025, 12, 1), "B"},
      {"Maria", 100, {}, {}, "A"},
      {"STEFAN", {}, 2.0, QDate(2025, 11, 30), "C"},
      {"Ana", 10, 0.5, QDate(2025, 12, 9), "B"},
      {nullptr, 9, 3.25, QDate(2025, 1, 15), "A"},
  };
  for (const Row& r : rows) {
    if (r.name) builder.setText(0, r.name);
    if (r.qty) builder.setInt(1, *r.qty);
    if (r.price) builder.setDouble(2, *r.price);
    if (r.day) builder.setDate(3, pg::daysFromDate(*r.day));
    builder.setText(4, r.code);
    builder.endRow();
  }
  return builder.finish();
}

GridStyleSheet distinctStyleSheet() {
  GridStyleSheet sheet;
  sheet.content = {QColor(QRgb{0xD9EAF7}), QColor(Qt::black), {}, {}};
  sheet.contentEven = {QColor(QRgb{0xD9EAF7}), {}, {}, {}};
  sheet.contentOdd = {QColor(QRgb{0xEAF3FB}), {}, {}, {}};
  sheet.group = {QColor(QRgb{0xF1EFE2}), {}, {}, {}};
  sheet.selection = {QColor(QRgb{0x316AC5}), QColor(Qt::white), {}, {}};
  sheet.inactive = {QColor(QRgb{0xA4C4EB}), {}, {}, {}};
  sheet.header = {QColor(QRgb{0x316AC5}), QColor(Qt::white), {}, {}};
  return sheet;
}

std::unique_ptr<DataGrid> makeGrid() {
  QLocale::setDefault(QLocale(QLocale::Romanian, QLocale::Romania));
  auto grid = std::make_unique<DataGrid>(std::vector<GridColumn>{
      {"gName", "Nume", "name", 100},
      {"gQty", "Cant", "qty", 60},
      {"gPrice", "Pret", "price", 60},
      {"gDay", "Data", "day", 90},
      {"gCode", "Cod", "code", 50},
  });
  grid->setGridStyleSheet(distinctStyleSheet());
  grid->setRowStore(sampleRows());
  grid->resize(600, 400);
  grid->show();
  return grid;
}

std::vector<int> shownStoreRows(const DataGrid& grid) {
  std::vector<int> rows;
  const GridModel& model = grid.model();
  for (int row = 0; row < model.rowCount(); ++row) {
    const QModelIndex index = model.index(row, 0);
    if (index.data(GridModel::GroupRole).toInt() < 0)
      rows.push_back(model.pipeline().storeRowOf(index.data(GridModel::RecordRole).toInt()));
  }
  return rows;
}

QStringList shownRows(const DataGrid& grid) {
  QStringList rows;
  const GridModel& model = grid.model();
  for (int row = 0; row < model.rowCount(); ++row) {
    const QModelIndex index = model.index(row, 0);
    if (index.data(GridModel::GroupRole).toInt() >= 0)
      rows << "G " + index.data().toString();
    else
      rows << QStringLiteral("R %1").arg(
          model.pipeline().storeRowOf(index.data(GridModel::RecordRole).toInt()));
  }
  return rows;
}

void typeFilter(DataGrid& grid, int column, const QString& text) {
  QLineEdit* editor = grid.header().editor(column);
  editor->clear();
  for (QChar ch : text) {  // one key at a time, as typed; QTest's key names are ASCII only
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(editor, &press);
  }
}

void clickHeader(DataGrid& grid, int column, Qt::KeyboardModifiers modifiers) {
  FilterHeader& header = grid.header();
  const QPoint at(header.sectionViewportPosition(column) + 10, header.viewport()->height() / 2);
  QTest::mouseClick(header.viewport(), Qt::LeftButton, modifiers, at);
}

namespace {
void drop(QWidget* target, const GridModel& model, int column, QPoint at, bool fromGroupBox) {
  ColumnMimeData data(&model, column, fromGroupBox);
  QDragEnterEvent enter(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  QDragMoveEvent move(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &move);
  QDropEvent dropped(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &dropped);
}
}  // namespace

void dropColumnOnGroupBox(DataGrid& grid, int column, QPoint at, bool fromGroupBox) {
  drop(&grid.groupByBox(), grid.model(), column, at, fromGroupBox);
}

void dropColumnOnHeader(DataGrid& grid, int column, QPoint at, bool fromGroupBox) {
  drop(grid.header().viewport(), grid.model(), column, at, fromGroupBox);
}

}  // namespace wv::grid::test
