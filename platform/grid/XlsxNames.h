#pragma once

#include <QString>

namespace wv::grid {

// The workbook's file name: the chosen name with its extension replaced by ".xlsx", or with
// ".xlsx" appended when it has none.
QString xlsxFileName(const QString& chosenName);

// The worksheet's name: the file name without folder and extension, with the characters a
// sheet name cannot hold turned into spaces, cut to 31 characters and without apostrophes at
// either end; "Sheet1" when nothing is left, and "History_" for Excel's reserved "History".
QString xlsxSheetName(const QString& fileName);

}  // namespace wv::grid
