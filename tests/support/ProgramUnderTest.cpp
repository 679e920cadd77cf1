#include "tests/support/ProgramUnderTest.h"

#include <QLineEdit>
#include <QPushButton>

#include "platform/shell/DateEdit.h"
#include "tests/support/TestCluster.h"

namespace wv::test {

ProgramUnderTest::ProgramUnderTest(int registryPort) {
  qputenv("XDG_CONFIG_HOME", roaming.path().toUtf8());
  if (registryPort != 0) dm.conVekMob.setPort(registryPort);
}

ProgramUnderTest::~ProgramUnderTest() {
  qunsetenv("XDG_CONFIG_HOME");
}

void ProgramUnderTest::attemptLogin(const QString& company, const QString& user,
                                    const QString& password) {
  if (!login.isVisible()) login.show();
  login.Edit1->setText(company);
  login.Edit2->setText(user);
  login.Edit3->setText(password);
  login.Button1->click();
}

bool ProgramUnderTest::signedIn() const {
  return login.result() == 1 && !login.isVisible();
}

void ProgramUnderTest::search(const QDate& from, const QDate& to) {
  report.show();
  report.cxDateEditDataIncep->setValue(from);
  report.cxDateEditDataSf->setValue(to);
  report.ButtonCauta->click();
}

void ProgramUnderTest::exportGrid(QPushButton* button, const QString& path) {
  dialogs.saveAnswers.emplace_back(path);
  button->click();
}

QString ProgramUnderTest::rememberedLoginPath() const {
  return roaming.filePath(QStringLiteral("VekParlo.json"));
}

}  // namespace wv::test
