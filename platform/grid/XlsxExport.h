#pragma once

#include <QString>

namespace wv::grid {

class DataGrid;

// The most rows a worksheet holds.
constexpr long long kSheetRowLimit = 1048576;

// Throws wv::Error naming both counts when `rows` exceeds `limit`.
void checkSheetRowCount(long long rows, long long limit = kSheetRowLimit);

// Writes the grid's table as shown (every group expanded in the grid itself, all rows that pass
// its filters, columns in their shown order) to an .xlsx workbook at the chosen name with its
// extension made ".xlsx", replacing any file there; returns the name written. A table longer
// than a worksheet is refused before any file is touched. Throws wv::Error.
QString exportGridToXlsx(DataGrid& grid, const QString& chosenName);

}  // namespace wv::grid
