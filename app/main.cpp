// wVelora: start-up. The four single instances are created hidden, in this order, then the
// event loop runs: the main window, the data module, the login dialog, the report window.
#include <QApplication>
#include <QIcon>

#include "app/SingleInstances.h"
#include "platform/shell/ApplicationTitle.h"
#include "platform/shell/DefaultErrorHandler.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(wv::shell::applicationTitle());
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/wvelora.png")));
  // The main window's own close ends the program (see TfMenuVelora::closeEvent).
  QApplication::setQuitOnLastWindowClosed(false);
  try {
    SingleInstances instances;  // fMenuVelora, dmCon, frmLogin, fDovad
    instances.fMenuVelora.show();
    return QApplication::exec();
  } catch (...) {
    wv::shell::showDefaultError(std::current_exception());
    return 1;
  }
}
