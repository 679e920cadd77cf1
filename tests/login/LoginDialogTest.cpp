#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "data/DataModule.h"
#include "login/LoginAttempt.h"
#include "login/LoginDialog.h"
#include "platform/shell/ApplicationTitle.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/LoginFixture.h"
#include "tests/support/TestCluster.h"

using wv::test::adminExec;

namespace {

const QString kKey = wv::shell::applicationTitle();  // this test program's application key

// Two company databases: logintest_a (passwords stored as digests) and logintest_b
// (plain passwords), and registry rows that point at them in every way that matters.
class LoginDialogTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    using namespace wv::test;
    recreateRegistry();
    const std::string port = clusterPortSql();
    setRegistryRow("Firma A", "logintest_a", port, "'HashSHA2'");
    setRegistryRow("Firma B", "logintest_b", port, "NULL");
    setRegistryRow("Firma B lower", "logintest_b", port, "'hashsha2'");
    setRegistryRow("Firma B blank", "logintest_b", port, "'HashSHA2 '");
    setRegistryRow("Firma B plain", "logintest_b", port, "'plain'");
    setRegistryRow("Firma C", "logintest_c", port, "NULL");
    setRegistryRow("Firma Port0", "logintest_a", "0", "'HashSHA2'");
    setRegistryRow("Firma NoEu", "logintest_noeu", port, "NULL");

    const std::string key = kKey.toStdString();
    recreateCompany("logintest_a");
    adminExec(
        "logintest_a",
        "INSERT INTO emitent (emitent, operator_parola, eu_punct_lucru) VALUES "
        "('ana', encode(sha256('secret'::bytea), 'hex'), 'Depozit 1'),"
        "('gol', encode(sha256(''::bytea), 'hex'), 'Depozit 2'),"
        "('ionut', encode(sha256(convert_to('parolă Ș', 'UTF8')), 'hex'), 'Depozit 3'),"
        "('fara_drept', encode(sha256('secret'::bytea), 'hex'), 'Depozit 4');"
        "INSERT INTO aplicatie_mob (aplicatie_mob, activ) VALUES ('" +
            key +
            "', true);"
            "INSERT INTO aplicatie_mob_emitent (aplicatie_mob, emitent, rol) VALUES "
            "('" +
            key + "', 'ana', 'admin'), ('" + key + "', 'gol', NULL), ('" + key +
            "', 'ionut', 'ro');"
            "INSERT INTO eu (cod_cci, tara, localit, adresa, metoda_stoc, tip_contabilitate, "
            "saft_cod, jas_ip)"
            " VALUES ('RO 12-34', 'RO', 'Cluj', 'Str. 1', 'FIFO', 'std', '01', '10.1.1.1:18080');");
    recreateCompany("logintest_b");
    adminExec(
        "logintest_b",
        "INSERT INTO emitent (emitent, operator_parola, eu_punct_lucru) VALUES ('bob', 'secret', "
        "'Magazin');"
        "INSERT INTO aplicatie_mob (aplicatie_mob, activ) VALUES (upper('" +
            key +
            "'), true);"
            "INSERT INTO aplicatie_mob_emitent (aplicatie_mob, emitent, rol) VALUES (upper('" +
            key +
            "'), 'bob', 'vanzari');"
            "INSERT INTO eu (cod_cci, tara, localit, adresa, metoda_stoc, tip_contabilitate, "
            "saft_cod, jas_ip)"
            " VALUES ('RO9', 'RO', 'Iasi', 'Str. 2', 'FIFO', 'std', '01', NULL);");
    recreateCompany("logintest_c");  // the application is there, but switched off
    adminExec("logintest_c",
              "INSERT INTO emitent (emitent, operator_parola, eu_punct_lucru) VALUES ('bob', "
              "'secret', 'X');"
              "INSERT INTO aplicatie_mob (aplicatie_mob, activ) VALUES ('" +
                  key +
                  "', false);"
                  "INSERT INTO aplicatie_mob_emitent (aplicatie_mob, emitent, rol) VALUES ('" +
                  key + "', 'bob', 'r');");
    recreateCompany("logintest_noeu");  // its company settings lack a column the program reads
    adminExec("logintest_noeu",
              "INSERT INTO emitent (emitent, operator_parola, eu_punct_lucru) VALUES ('bob', "
              "'secret', 'PL');"
              "INSERT INTO aplicatie_mob (aplicatie_mob, activ) VALUES ('" +
                  key +
                  "', true);"
                  "INSERT INTO aplicatie_mob_emitent (aplicatie_mob, emitent, rol) VALUES ('" +
                  key +
                  "', 'bob', 'r');"
                  "ALTER TABLE eu DROP COLUMN jas_ip;");
  }

  LoginDialogTest() {
    qputenv("XDG_CONFIG_HOME", roaming.path().toUtf8());
    dialog.show();
  }

  // Types into the three boxes as a user would and presses "Login".
  void attempt(const QString& company, const QString& user, const QString& password) {
    for (QLineEdit* box : {dialog.Edit1, dialog.Edit2, dialog.Edit3}) box->selectAll();
    QTest::keyClick(dialog.Edit1, Qt::Key_Delete);
    QTest::keyClicks(dialog.Edit1, company);
    QTest::keyClick(dialog.Edit2, Qt::Key_Delete);
    QTest::keyClicks(dialog.Edit2, user);
    dialog.Edit3->setText(password);
    dialog.Button1->click();
  }

  QByteArray rememberedFile() const {
    QFile file(roaming.path() + QStringLiteral("/VekParlo.json"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  bool signedIn() const { return dialog.result() == 1 && !dialog.isVisible(); }

  QTemporaryDir roaming;
  wv::test::FakeDialogs dialogs;
  TdmCon dm;
  TfrmLogin dialog{dm};
};

TEST_F(LoginDialogTest, TheFormIsLaidOutForThePasswordFirst) {
  EXPECT_EQ(dialog.size(), QSize(362, 158));
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("frmLogin"));
  EXPECT_EQ(dialog.Edit3->echoMode(), QLineEdit::Password);
  EXPECT_TRUE(dialog.Button1->isDefault());
  EXPECT_EQ(dialog.Label1->buddy(), dialog.Edit1);
  EXPECT_EQ(dialog.Label3->buddy(), dialog.Edit3);
  EXPECT_EQ(dialog.Edit2->accessibleName(), QStringLiteral("UserName"));
  EXPECT_EQ(dialog.focusWidget(), dialog.Edit3);
  const QWidget* expected[] = {dialog.Button1, dialog.Edit1, dialog.Edit2, dialog.Edit3};
  QWidget* current = dialog.Edit3;
  for (const QWidget* next : expected) {
    do current = current->nextInFocusChain();
    while (!(current->focusPolicy() & Qt::TabFocus));
    EXPECT_EQ(current, next);
  }
}

struct FailureCase {
  const char* company;
  const char* user;
  const char* password;
  QString message;
};

TEST_F(LoginDialogTest, FailedAttemptsSayWhyAndChangeOnlyTheCompanyName) {
  const FailureCase cases[] = {
      {"Nu Exista", "ana", "secret", QStringLiteral("Companie inexistenta.")},
      {"firma a", "ana", "secret", QStringLiteral("Companie inexistenta.")},  // exact match only
      {"Firma A", "ana", "gresit", QStringLiteral("User, Password eronate.")},
      {"Firma A", "ANA", "secret", QStringLiteral("User, Password eronate.")},
      {"Firma A", "ana", "' or '1'='1", QStringLiteral("User, Password eronate.")},
      {"Firma B", "' or '1'='1", "' or '1'='1", QStringLiteral("User, Password eronate.")},
      {"Firma B", "bob;drop table emitent;--", ":pEmitent",
       QStringLiteral("User, Password eronate.")},
      {"Firma B", "$1", "$2", QStringLiteral("User, Password eronate.")},
      {"Firma B", "bob\\", "secret\\", QStringLiteral("User, Password eronate.")},
      {"Firma B", "bob", "secret' OR 'a'='a", QStringLiteral("User, Password eronate.")},
      {"Firma A", "ana", "\\' or 1=1 --", QStringLiteral("User, Password eronate.")},
      {"' or '1'='1", "bob", "secret", QStringLiteral("Companie inexistenta.")},
      {";drop table m_firma;--", "bob", "secret", QStringLiteral("Companie inexistenta.")},
      {":pNumeFirma", "bob", "secret", QStringLiteral("Companie inexistenta.")},
      {"$1", "bob", "secret", QStringLiteral("Companie inexistenta.")},
      {"Firma A", "fara_drept", "secret",
       QStringLiteral("Aplicatia %1 nu este disponibila pentru user-ul fara_drept.").arg(kKey)},
      {"Firma C", "bob", "secret", QStringLiteral("Aplicatia %1 nu este disponibila.").arg(kKey)},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(std::string(c.company) + " / " + c.user + " / " + c.password);
    attempt(QString::fromUtf8(c.company), QString::fromUtf8(c.user), QString::fromUtf8(c.password));
    EXPECT_EQ(dialogs.takeOnlyMessage(), c.message);
    EXPECT_FALSE(signedIn());
    EXPECT_EQ(dialog.Edit3->text(), QString::fromUtf8(c.password));  // kept for another try
    EXPECT_EQ(dm.glNumeFirma, QString::fromUtf8(c.company));
    EXPECT_TRUE(dm.glUser.isEmpty());
    EXPECT_TRUE(dm.glDataBase.isEmpty());
    EXPECT_FALSE(dialog.dsVekMobil.isOpen());
    EXPECT_FALSE(dm.dsEmitent.isOpen());
    EXPECT_FALSE(dm.dsAplicatieMob.isOpen());
    EXPECT_TRUE(rememberedFile().contains(QByteArray("\"company\":\"") + c.company + '"'));
  }
}

// Texts no form would send: each attempt fails with a message and signs nobody in, and the
// tables are as they were. (A NUL in the company or user box is cut there by the remembered
// login, which keeps text up to a NUL; the password box is not remembered.)
TEST_F(LoginDialogTest, NulsAndOverlongTextsSignNobodyIn) {
  const QString nul(QChar(0));
  const QString longText(10000, QLatin1Char('x'));
  const QString company = QStringLiteral("Firma B");
  const QString user = QStringLiteral("bob");
  const QString password = QStringLiteral("secret");
  const QStringList cases[] = {
      {company, user, password + nul},
      {company, user, nul + password},
      {QStringLiteral("Firma A"), QStringLiteral("ana"), password + nul},  // sent as its digest
      {company, user + nul + "' or '1'='1", QStringLiteral("x")},
      {longText, user, password},
      {company, longText, password},
      {company, user, password + longText},
  };
  for (const QStringList& c : cases) {
    SCOPED_TRACE(c.join(QLatin1Char('|')).left(60).toStdString());
    dialog.show();
    dialog.Edit1->setText(c[0]);
    dialog.Edit2->setText(c[1]);
    dialog.Edit3->setText(c[2]);
    dialog.Button1->click();
    EXPECT_FALSE(dialogs.takeOnlyMessage().isEmpty());
    EXPECT_FALSE(signedIn());
    EXPECT_TRUE(dm.glUser.isEmpty());
  }
  EXPECT_EQ(wv::test::adminValue("logintest_b", "select count(*) from emitent"), "1");
  EXPECT_EQ(wv::test::adminValue("vek_mob", "select count(*) from m_firma"), "8");
}

TEST_F(LoginDialogTest, AnUnknownCompanyLeavesTheMainConnectionAlone) {
  attempt(QStringLiteral("Nu Exista"), QStringLiteral("ana"), QStringLiteral("secret"));
  dialogs.takeOnlyMessage();
  EXPECT_EQ(dm.conVek.database(), QStringLiteral("vek1"));
  EXPECT_EQ(dm.conVek.sslMode(), wv::pg::smRequire);
}

TEST_F(LoginDialogTest, AWrongPasswordHasAlreadySwitchedTheMainConnection) {
  attempt(QStringLiteral("Firma A"), QStringLiteral("ana"), QStringLiteral("gresit"));
  dialogs.takeOnlyMessage();
  EXPECT_EQ(dm.conVek.server(), QStringLiteral("127.0.0.1"));
  EXPECT_EQ(dm.conVek.port(), wv::test::cluster().port);
  EXPECT_EQ(dm.conVek.database(), QStringLiteral("logintest_a"));
  EXPECT_EQ(dm.conVek.sslMode(), wv::pg::smPrefer);
  EXPECT_EQ(dm.conVekMob.sslMode(), wv::pg::smRequire);
}

struct SuccessCase {
  const char* company;
  const char* user;
  const char* password;
  const char* database;
  const char* role;
  const char* workingPoint;
  const char* jasIp;
  const char* protocol;
};

TEST_F(LoginDialogTest, SuccessfulSignInsFillTheSignInValues) {
  const SuccessCase cases[] = {
      {"Firma A", "ana", "secret", "logintest_a", "admin", "Depozit 1", "10.1.1.1:18080", "http"},
      {"Firma A", "gol", "", "logintest_a", "", "Depozit 2", "10.1.1.1:18080", "http"},
      {"Firma A", "ionut", "parolă Ș", "logintest_a", "ro", "Depozit 3", "10.1.1.1:18080", "http"},
      {"Firma B", "bob", "secret", "logintest_b", "vanzari", "Magazin", "", "https"},
      {"Firma B lower", "bob", "secret", "logintest_b", "vanzari", "Magazin", "", "https"},
      {"Firma B blank", "bob", "secret", "logintest_b", "vanzari", "Magazin", "", "https"},
      {"Firma B plain", "bob", "secret", "logintest_b", "vanzari", "Magazin", "", "https"},
  };
  for (const SuccessCase& c : cases) {
    SCOPED_TRACE(std::string(c.company) + " / " + c.user);
    dialog.show();
    attempt(QString::fromUtf8(c.company), QString::fromUtf8(c.user), QString::fromUtf8(c.password));
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.back().text.toStdString();
    dialogs.messages.clear();
    EXPECT_TRUE(signedIn());
    EXPECT_TRUE(dialog.Edit3->text().isEmpty());
    EXPECT_EQ(dialog.Edit1->text(), QString::fromUtf8(c.company));
    EXPECT_EQ(dm.glNumeFirma, QString::fromUtf8(c.company));
    EXPECT_EQ(dm.glUser, QString::fromUtf8(c.user));
    EXPECT_EQ(dm.glUserPass, QString::fromUtf8(c.password));
    EXPECT_EQ(dm.glDataBase, QString::fromUtf8(c.database));
    EXPECT_EQ(dm.glUserRol, QString::fromUtf8(c.role));
    EXPECT_EQ(dm.glEuPL, QString::fromUtf8(c.workingPoint));
    EXPECT_EQ(dm.glJasIP, QString::fromUtf8(c.jasIp));
    EXPECT_EQ(dm.glJasProtocol, QString::fromUtf8(c.protocol));
    EXPECT_TRUE(dm.glEuCuiNum.isEmpty());
    EXPECT_TRUE(dm.glUserDocsPath.isEmpty());
    EXPECT_EQ(dm.conVek.database(), QString::fromUtf8(c.database));
    EXPECT_TRUE(dm.dsEu.isOpen());
    EXPECT_TRUE(dm.dsAplicatieMobEmitent.isOpen());
    EXPECT_FALSE(dm.dsEmitent.isOpen());
    EXPECT_FALSE(dm.dsAplicatieMob.isOpen());
    EXPECT_FALSE(dialog.dsVekMobil.isOpen());
  }
}

TEST_F(LoginDialogTest, TheCompanySettingsAreReadAfterTheAccountValues) {
  attempt(QStringLiteral("Firma A"), QStringLiteral("ana"), QStringLiteral("secret"));
  ASSERT_TRUE(signedIn());
  dialog.show();
  attempt(QStringLiteral("Firma NoEu"), QStringLiteral("bob"), QStringLiteral("secret"));
  EXPECT_TRUE(dialogs.takeOnlyMessage().contains(QLatin1String("jas_ip")));
  EXPECT_FALSE(signedIn());
  // The five values of the account checks are set; those from the company settings are not.
  EXPECT_EQ(dm.glUser, QStringLiteral("bob"));
  EXPECT_EQ(dm.glDataBase, QStringLiteral("logintest_noeu"));
  EXPECT_EQ(dm.glUserRol, QStringLiteral("r"));
  EXPECT_EQ(dm.glEuPL, QStringLiteral("PL"));
  EXPECT_EQ(dm.glJasIP, QStringLiteral("10.1.1.1:18080"));
  EXPECT_EQ(dm.glJasProtocol, QStringLiteral("http"));
}

TEST_F(LoginDialogTest, ASecondSignInSwitchesTheMainConnectionAgain) {
  attempt(QStringLiteral("Firma A"), QStringLiteral("ana"), QStringLiteral("secret"));
  ASSERT_TRUE(signedIn());
  dialog.show();
  attempt(QStringLiteral("Firma B"), QStringLiteral("bob"), QStringLiteral("secret"));
  ASSERT_TRUE(signedIn());
  EXPECT_EQ(dm.conVek.database(), QStringLiteral("logintest_b"));
  EXPECT_EQ(dm.dsEu.fieldText(QStringLiteral("cod_cci_num")), QStringLiteral("9"));
}

TEST_F(LoginDialogTest, ARegistryPortOfZeroMeansTheDefaultPort) {
  attempt(QStringLiteral("Firma Port0"), QStringLiteral("ana"), QStringLiteral("secret"));
  dialogs.messages.clear();  // whatever listens on 5432 here, this attempt cannot reach logintest_a
  EXPECT_EQ(dm.conVek.port(), 0);
  EXPECT_EQ(dm.conVek.effectivePort(), 5432);
}

TEST(PasswordDigest, IsSha256OfTheUtf8BytesInLowercaseHex) {
  EXPECT_EQ(passwordDigest(QString()),
            QStringLiteral("e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"));
  EXPECT_EQ(passwordDigest(QStringLiteral("abc")),
            QStringLiteral("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"));
  EXPECT_EQ(passwordDigest(QStringLiteral("ș")),
            QString::fromLatin1(
                QCryptographicHash::hash("\xc8\x99", QCryptographicHash::Sha256).toHex()));
}

}  // namespace
