#pragma once

#include <QDate>
#include <QString>
#include <QTemporaryDir>

#include "data/DataModule.h"
#include "login/LoginDialog.h"
#include "report/ReportWindow.h"
#include "tests/support/FakeDialogs.h"

class QPushButton;

namespace wv::test {

// The login dialog and the report window over one data module, driven as a user drives them;
// every dialog is answered by FakeDialogs and the remembered login lives in a folder of its own.
struct ProgramUnderTest {
  // Registry lookups go to the server on `registryPort` (0: the test cluster's).
  explicit ProgramUnderTest(int registryPort = 0);
  ~ProgramUnderTest();

  // Shows the dialog, types the three texts and presses "Login".
  void attemptLogin(const QString& company, const QString& user, const QString& password);
  bool signedIn() const;
  // Sets the dates and presses "Cauta".
  void search(const QDate& from, const QDate& to);
  // Presses an export button and answers its save dialog with `path`.
  void exportGrid(QPushButton* button, const QString& path);
  QString rememberedLoginPath() const;

  QTemporaryDir roaming;
  FakeDialogs dialogs;
  TdmCon dm;
  TfrmLogin login{dm};
  TfDovad report{dm};
};

}  // namespace wv::test
