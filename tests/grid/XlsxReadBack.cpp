#include "tests/grid/XlsxReadBack.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>

#include "tests/support/PythonScript.h"
#include "tests/support/TestCluster.h"

namespace wv::test {

ReadWorkbook readWorkbook(const QString& path, XlsxReader reader) {
  QStringList arguments{QString::fromStdString(cluster().sourceDir + "/tests/tools/xlsx_dump.py")};
  if (reader == XlsxReader::LibreOffice) arguments << QStringLiteral("--libreoffice");
  arguments << path;
  const QByteArray output = pythonOutput(arguments, 120000);
  ReadWorkbook book;
  book.raw = QJsonDocument::fromJson(output).object();
  for (const QJsonValue s : book.raw.value("sheets").toArray()) book.sheets << s.toString();
  book.freeze = book.raw.value("freeze").toString();
  book.autofilter = book.raw.value("autofilter").toString();
  for (const QJsonValue row : book.raw.value("rows").toArray()) {
    QStringList cells;
    for (const QJsonValue cell : row.toArray()) cells << cell.toString();
    book.rows.push_back(cells);
  }
  return book;
}

void expectLibreOfficeReadsTheSame(const QString& path, const ReadWorkbook& openpyxlBook) {
  const ReadWorkbook book = readWorkbook(path, XlsxReader::LibreOffice);
  EXPECT_EQ(book.sheets, openpyxlBook.sheets);
  // LibreOffice keeps a line break as a new paragraph, so CR LF comes back as LF.
  std::vector<QStringList> expected = openpyxlBook.rows;
  for (QStringList& row : expected)
    row.replaceInStrings(QStringLiteral("\r\n"), QStringLiteral("\n"));
  EXPECT_EQ(book.rows, expected);
}

}  // namespace wv::test
