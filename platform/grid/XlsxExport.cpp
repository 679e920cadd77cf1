#include "platform/grid/XlsxExport.h"

#include "platform/error/Error.h"
#include "platform/grid/DataGrid.h"
#include "platform/grid/GridTable.h"
#include "platform/grid/XlsxNames.h"
#include "platform/grid/XlsxWriter.h"

namespace wv::grid {

namespace {

// Counts the worksheet rows a walk would write, without reading any cell.
class RowCounter final : public ShownRowsVisitor {
 public:
  long long rows = 0;
  void header(const std::vector<ShownColumn>&) override { ++rows; }
  void group(const ShownGroup&) override { ++rows; }
  void row(const ShownRow&) override { ++rows; }
};

}  // namespace

void checkSheetRowCount(long long rows, long long limit) {
  if (rows > limit)
    throw Error(QStringLiteral("Lista are %1 randuri; o foaie Excel primeste cel mult %2.")
                    .arg(rows)
                    .arg(limit));
}

QString exportGridToXlsx(DataGrid& grid, const QString& chosenName) {
  RowCounter counter;
  grid.walkRowsAsShown(counter);
  checkSheetRowCount(counter.rows);

  QString fileName = xlsxFileName(chosenName);
  XlsxWriter writer(fileName, xlsxSheetName(fileName), grid.table().look());
  grid.walkRowsAsShown(writer);
  writer.finish();
  return fileName;
}

}  // namespace wv::grid
