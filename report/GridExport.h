#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include "platform/shell/Dialogs.h"

class QWidget;

namespace wv::grid {
class DataGrid;
}
namespace wv::pg {
class Query;
}

namespace wv::report {

// The name an export proposes: the all-users application-data folder, the prefix
// ("Livrari_DOVAD_"...), the day in the locale's short date format and ".xlsx". Characters that
// cannot stand in a file name are turned into "-" in the date, so that a format such as
// dd/MM/yyyy does not make folders of the date.
QString proposedExportName(const QString& prefix, const QDate& today,
                           const QLocale& locale = QLocale());

// One "Export Excel": refuses when the query has no records, asks for the file through the
// save dialog (whose filter and proposed name are set anew in `dialog`), writes the grid as
// shown and hands the workbook to the desktop. A cancelled dialog does nothing. Throws
// wv::Error.
void exportGrid(QWidget* parent, const pg::Query& query, grid::DataGrid& grid,
                const QString& prefix, shell::SaveFileRequest& dialog);

}  // namespace wv::report
