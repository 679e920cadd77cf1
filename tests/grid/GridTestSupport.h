#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <memory>
#include <ostream>
#include <vector>

#include "platform/grid/DataGrid.h"

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace wv::grid::test {

// Columns of the small test grid, by their index in the grid.
enum Column { Name, Quantity, Price, Day, Code };

// Six rows with texts in several letter cases and with diacritics, numbers where text order
// differs from number order (9, 10, 100), dates, and a null in every column:
//   0  "Ștefan"   9    1.5   2025-12-09  "A"
//   1  "ștefan"   10   2     2025-12-01  "B"
//   2  "Maria"    100  null  null        "A"
//   3  "STEFAN"   null 2     2025-11-30  "C"
//   4  "Ana"      10   0.5   2025-12-09  "B"
//   5  null       9    3.25  2025-01-15  "A"
std::shared_ptr<const pg::RowStore> sampleRows();

// A shown, Romanian-locale grid over sampleRows with distinct colours for every element.
std::unique_ptr<DataGrid> makeGrid();
GridStyleSheet distinctStyleSheet();

// The store rows of the data rows the grid shows, in order.
std::vector<int> shownStoreRows(const DataGrid& grid);
// Each shown row as its group text ("G Cod: A (3)") or its store row ("R 4").
QStringList shownRows(const DataGrid& grid);

// Real input through the view.
void typeFilter(DataGrid& grid, int column, const QString& text);
void clickHeader(DataGrid& grid, int column, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void dropColumnOnGroupBox(DataGrid& grid, int column, QPoint at = {1000, 10},
                          bool fromGroupBox = false);
void dropColumnOnHeader(DataGrid& grid, int column, QPoint at, bool fromGroupBox = false);

}  // namespace wv::grid::test
