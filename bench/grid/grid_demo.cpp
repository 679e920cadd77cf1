// Shows the deliveries grid grouped and filtered, and saves a picture of it.
#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include "DeliveriesData.h"
#include "data/GridStyles.h"
#include "platform/grid/DataGrid.h"
#include "platform/grid/FilterHeader.h"
#include "platform/grid/GridModel.h"
#include "platform/grid/GridTable.h"
#include "report/ReportColumns.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString out =
      argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/grid_demo.png");
  QLocale::setDefault(QLocale(QLocale::Romanian, QLocale::Romania));
  wv::grid::DataGrid grid(wv::report::livrariColumns());
  grid.setGridStyleSheet(wv::data::reportGridStyleSheet());
  grid.setRowStore(wv::bench::makeDeliveries(20000));
  grid.resize(1268, 420);
  wv::grid::GridModel& model = grid.model();
  model.moveColumn(19, 4);  // cant, pret and valFaraTva next to the document
  model.moveColumn(20, 5);
  model.moveColumn(21, 6);
  model.groupBy(1, 0);  // tipDoc_e
  model.groupBy(8, 1);  // partener
  grid.header().editor(8)->setText(QStringLiteral("ștef"));
  grid.header().editor(19)->setText(QStringLiteral(">10"));
  model.setHeaderFilter(5, std::set<wv::grid::ValueKey>{{false, 0, "NIR"}});  // tipDoc_i
  model.clickSort(0, wv::grid::SortClick::Replace);
  model.clickSort(0, wv::grid::SortClick::Replace);
  model.setGroupExpanded(0, true);
  model.setGroupExpanded(1, true);
  model.setGroupExpanded(4, true);
  grid.show();
  grid.activateWindow();
  grid.table().setFocus();
  grid.table().setCurrentIndex(model.index(3, 2));
  QTimer::singleShot(300, [&] {
    grid.grab().save(out);
    QApplication::quit();
  });
  return QApplication::exec();
}
