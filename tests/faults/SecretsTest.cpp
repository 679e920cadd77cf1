#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <mutex>

#include "data/Configuration.h"
#include "platform/shell/ApplicationTitle.h"
#include "tests/faults/FaultServer.h"
#include "tests/support/LoginFixture.h"
#include "tests/support/PythonScript.h"
#include "tests/support/TestCluster.h"

using namespace wv::test;

namespace {

// Every line the program logs through Qt while it is alive.
class LogCapture {
 public:
  LogCapture() { previous_ = qInstallMessageHandler(&LogCapture::record); }
  ~LogCapture() { qInstallMessageHandler(previous_); }
  LogCapture(const LogCapture&) = delete;
  LogCapture& operator=(const LogCapture&) = delete;

  static QStringList lines() {
    const std::lock_guard lock(mutex_);
    return lines_;
  }

 private:
  static void record(QtMsgType, const QMessageLogContext&, const QString& line) {
    const std::lock_guard lock(mutex_);
    lines_ << line;
  }
  static inline std::mutex mutex_;
  static inline QStringList lines_;
  QtMessageHandler previous_;
};

// The bytes of every part of a workbook, uncompressed.
QByteArray workbookParts(const QString& path) {
  return pythonOutput({QStringLiteral("-c"),
                       QStringLiteral("import sys, zipfile\n"
                                      "z = zipfile.ZipFile(sys.argv[1])\n"
                                      "sys.stdout.buffer.write(b''.join(z.read(n) for n in "
                                      "z.namelist()))"),
                       path},
                      60000);
}

class Secrets : public FaultServerTest {};

// A whole session, failures included, leaves neither the user's passwords (the right one and
// a wrong one) nor the database account's password in a message, a log line or a written file.
TEST_F(Secrets, NoPasswordLeavesTheProgram) {
  const QString right = QStringLiteral("Zq9-parola-buna");
  const QString wrong = QStringLiteral("Zq9-parola-rea");
  adminExec(kFaultCompany, "DELETE FROM emitent WHERE emitent = 'paznic'", server.port());
  addSignInAccount(kFaultCompany, "paznic", right.toStdString(), wv::shell::applicationTitle(),
                   server.port());
  const LogCapture log;
  QTemporaryDir exports;

  program.attemptLogin(QStringLiteral("Firma F"), QStringLiteral("paznic"), wrong);
  ASSERT_TRUE(server.pause());
  program.attemptLogin(QStringLiteral("Firma F"), QStringLiteral("paznic"), right);
  ASSERT_TRUE(server.start());
  program.attemptLogin(QStringLiteral("Firma F"), QStringLiteral("paznic"), right);
  ASSERT_TRUE(program.signedIn());
  program.search({2026, 3, 1}, {2026, 3, 31});
  for (QPushButton* button :
       {program.report.ButtonExportExcelLivrari, program.report.ButtonExportExcelProduse,
        program.report.ButtonExportExcelClienti})
    program.exportGrid(button, exports.filePath(button->objectName()));
  ASSERT_EQ(program.dialogs.messages.size(), 2u);  // the wrong password, the server down

  QStringList said = LogCapture::lines();
  for (const auto& message : program.dialogs.messages) said << message.caption << message.text;
  QByteArray written;
  QFile remembered(program.rememberedLoginPath());
  ASSERT_TRUE(remembered.open(QIODevice::ReadOnly));
  written += remembered.readAll();
  const QStringList workbooks = QDir(exports.path()).entryList({QStringLiteral("*.xlsx")});
  ASSERT_EQ(workbooks.size(), 3);
  for (const QString& name : workbooks) written += workbookParts(exports.filePath(name));

  for (const QString& secret : {right, wrong, wv::data::databasePassword()}) {
    SCOPED_TRACE(secret.toStdString());
    EXPECT_FALSE(said.join(QLatin1Char('\n')).contains(secret));
    EXPECT_FALSE(written.contains(secret.toUtf8()));
  }
}

}  // namespace
