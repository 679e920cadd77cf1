#include "report/GridExport.h"

#include "platform/error/Error.h"
#include "platform/grid/DataGrid.h"
#include "platform/grid/XlsxExport.h"
#include "platform/pg/Query.h"
#include "platform/shell/KnownFolders.h"
#include "platform/shell/OpenFile.h"

namespace wv::report {

QString proposedExportName(const QString& prefix, const QDate& today, const QLocale& locale) {
  QString date = locale.toString(today, locale.dateFormat(QLocale::ShortFormat));
  for (QChar& c : date)
    if (QStringView(u"/\\:*?\"<>|").contains(c)) c = QLatin1Char('-');
  return shell::commonAppDataFolder() + shell::pathSeparator() + prefix + date +
         QStringLiteral(".xlsx");
}

void exportGrid(QWidget* parent, const pg::Query& query, grid::DataGrid& grid,
                const QString& prefix, shell::SaveFileRequest& dialog) {
  if (query.recordCount() == 0)
    throw Error(QStringLiteral("Nu aveti inregistrari, apasati butonul \"Cauta\""));
  dialog.filter = QStringLiteral("*.xlsx");
  dialog.fileName = proposedExportName(prefix, QDate::currentDate());
  const std::optional<QString> chosen = shell::dialogs().askSaveFileName(parent, dialog);
  if (!chosen) return;
  shell::openWithAssociatedProgram(grid::exportGridToXlsx(grid, *chosen));
}

}  // namespace wv::report
