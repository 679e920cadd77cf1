// Takes the README's screenshots against the demo company (scripts/screenshots.sh): the main
// window before and after sign-in, the login dialog, and a filled, grouped report window.
// Built as "wVelora.screenshots", so its application key is the program's own.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "app/SingleInstances.h"
#include "platform/grid/DataGrid.h"
#include "platform/grid/GridModel.h"
#include "platform/shell/DateEdit.h"

namespace {

void settle() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

void save(QWidget& widget, const QString& folder, const QString& name) {
  settle();
  widget.grab().save(QDir(folder).filePath(name));
}

int columnOf(const wv::grid::DataGrid& grid, const QString& field) {
  for (int c = 0; c < grid.model().pipeline().columnCount(); ++c)
    if (grid.model().pipeline().column(c).fieldName == field) return c;
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");

  SingleInstances instances;
  auto& [fMenuVelora, dmCon, frmLogin, fDovad] = instances;
  fMenuVelora.show();
  save(fMenuVelora, folder, QStringLiteral("main-window-login.png"));

  // Sign in as a user would, while the dialog is shown modally. (clang before 16 cannot
  // capture a structured binding, hence the init-capture.)
  QTimer::singleShot(300, &frmLogin, [&frmLogin = frmLogin, &folder] {
    frmLogin.Edit1->setText(QStringLiteral("Demo"));
    frmLogin.Edit2->setText(QStringLiteral("demo"));
    frmLogin.Edit3->setText(QStringLiteral("demo123"));
    save(frmLogin, folder, QStringLiteral("login.png"));
    frmLogin.Button1->click();
  });
  fMenuVelora.ButtonLogin->click();
  save(fMenuVelora, folder, QStringLiteral("main-window.png"));

  fMenuVelora.ButtonDovad->click();
  const QDate today = QDate::currentDate();
  fDovad.cxDateEditDataIncep->setValue(QDate(today.year(), today.month(), 1).addMonths(-2));
  fDovad.ButtonCauta->click();
  wv::grid::GridModel& deliveries = fDovad.cxGrid1->model();
  deliveries.groupBy(columnOf(*fDovad.cxGrid1, QStringLiteral("partener")), 0);
  deliveries.setGroupExpanded(0, true);
  deliveries.setGroupExpanded(deliveries.rowCount() > 12 ? 12 : 0, true);
  save(fDovad, folder, QStringLiteral("report.png"));
  return dmCon.glUser.isEmpty() ? 1 : 0;
}
