#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <functional>
#include <random>

#include "tests/faults/FaultServer.h"

using namespace wv::test;

namespace {

struct DamagedFileCase {
  const char* what;
  std::function<bool(const QString& path)> damage;
  QString shownAtShow;      // how the message starts when the dialog opens, if there is one
  QString shownAtLogin;     // the message when the attempt saves, if any; %1 is the path
  bool repairedByTheLogin;  // the file is whole again afterwards
};

bool writeBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray randomBytes(int size) {
  std::mt19937 generator(20261211);
  QByteArray bytes(size, '\0');
  for (char& b : bytes) b = static_cast<char>(generator());
  return bytes;
}

// Whatever became of the remembered-login file, the user is told, and signs in all the same.
class RememberedFileFaults : public FaultServerTest {};

TEST_F(RememberedFileFaults, ADamagedOrUnusableFileNeverKeepsTheUserOut) {
  const QString format = QStringLiteral("Invalid JSON storage format. Position [");
  std::vector<DamagedFileCase> cases = {
      {"random bytes",
       [](const QString& p) { return writeBytes(p, randomBytes(4096)); },
       format,
       {},
       true},
      {"no bytes",
       [](const QString& p) { return writeBytes(p, {}); },
       QStringLiteral("Invalid JSON storage format. Position [0]."),
       {},
       true},
      {"100 MiB",
       [](const QString& p) { return writeBytes(p, QByteArray(100 << 20, '{')); },
       format,
       {},
       true},
      {"a folder in its place", [](const QString& p) { return QDir().mkdir(p); },
       QStringLiteral("Cannot open file \"%1\". Is a directory."),
       QStringLiteral("Cannot create file \"%1\". Is a directory."), false},
      {"a link to itself",
       [](const QString& p) { return QFile::link(p, p); },
       {},  // as good as no file
       QStringLiteral("Cannot create file \"%1\". Too many levels of symbolic links."),
       false},
  };
  if (geteuid() != 0)  // permissions do not bind the superuser
    cases.push_back({"unreadable and unwritable",
                     [](const QString& p) {
                       return writeBytes(p, "{}") &&
                              QFile::setPermissions(p, QFileDevice::Permissions());
                     },
                     QStringLiteral("Cannot open file \"%1\". Permission denied."),
                     QStringLiteral("Cannot create file \"%1\". Permission denied."), false});

  for (const DamagedFileCase& c : cases) {
    SCOPED_TRACE(c.what);
    ProgramUnderTest run(server.port());
    const QString path = run.rememberedLoginPath();
    ASSERT_TRUE(c.damage(path));

    run.login.show();
    if (!c.shownAtShow.isEmpty()) {
      const QString atShow = run.dialogs.takeOnlyMessage();
      EXPECT_TRUE(atShow.startsWith(QString(c.shownAtShow).replace("%1", path)))
          << atShow.toStdString();
    }

    run.attemptLogin(QStringLiteral("Firma F"), QStringLiteral("ana"), QStringLiteral("secret"));
    if (!c.shownAtLogin.isEmpty()) {
      EXPECT_EQ(run.dialogs.takeOnlyMessage(), c.shownAtLogin.arg(path));
    }
    EXPECT_TRUE(run.dialogs.messages.empty());
    EXPECT_TRUE(run.signedIn());
    EXPECT_EQ(run.dm.glUser, QStringLiteral("ana"));

    if (c.repairedByTheLogin) {  // the next start finds what was typed
      ProgramUnderTest next(server.port());
      ASSERT_TRUE(QFile::copy(path, next.rememberedLoginPath()));
      next.login.show();
      EXPECT_TRUE(next.dialogs.messages.empty());
      EXPECT_EQ(next.login.Edit1->text(), QStringLiteral("Firma F"));
      EXPECT_EQ(next.login.Edit2->text(), QStringLiteral("ana"));
    }
  }
}

}  // namespace
