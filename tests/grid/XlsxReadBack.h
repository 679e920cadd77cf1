#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <vector>

namespace wv::test {

// A workbook as openpyxl reads it (tests/tools/xlsx_dump.py). Cells are "type:value"
// ("n:9", "s:Ana", "d:2025-12-09T00:00:00", "b:True"), "" when empty.
struct ReadWorkbook {
  QStringList sheets;
  QString freeze;
  QString autofilter;
  std::vector<QStringList> rows;
  QJsonObject raw;  // everything the checker printed
};

enum class XlsxReader { Openpyxl, LibreOffice };

// Reads the workbook back; fails the calling test when the reader cannot open it. LibreOffice
// gives only the sheet names and the cells.
ReadWorkbook readWorkbook(const QString& path, XlsxReader reader = XlsxReader::Openpyxl);

// Fails the calling test unless LibreOffice reads the same sheet names and cells as openpyxl.
void expectLibreOfficeReadsTheSame(const QString& path, const ReadWorkbook& openpyxlBook);

}  // namespace wv::test
