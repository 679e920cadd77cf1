#include <gtest/gtest.h>
#include <libpq-fe.h>

#include <QPushButton>
#include <chrono>
#include <thread>

#include "tests/faults/FaultServer.h"
#include "tests/support/LoginFixture.h"
#include "tests/support/LoopbackListener.h"
#include "tests/support/TestCluster.h"

using namespace wv::test;

namespace {

const QDate kMarch1(2026, 3, 1);
const QDate kMarch31(2026, 3, 31);

class ServerFaults : public FaultServerTest {
 protected:
  void expectMarchRows() {
    EXPECT_EQ(program.report.dsLivrari.recordCount(), 9);
    EXPECT_EQ(program.report.dsProduse.recordCount(), 2);
    EXPECT_EQ(program.report.dsClienti.recordCount(), 6);
  }
};

TEST_F(ServerFaults, TheRegistryDownAtLoginIsReportedAndALaterAttemptSignsIn) {
  ASSERT_TRUE(server.pause());
  program.attemptLogin(QStringLiteral("Firma F"), QStringLiteral("ana"), QStringLiteral("secret"));
  const QString message = program.dialogs.takeOnlyMessage();
  EXPECT_TRUE(message.contains(QLatin1String("Connection refused"))) << message.toStdString();
  EXPECT_TRUE(program.login.isVisible());
  EXPECT_TRUE(program.dm.glUser.isEmpty());

  ASSERT_TRUE(server.start());
  signIn();
}

TEST_F(ServerFaults, AServerRestartedBetweenTwoSearchesGoesUnnoticed) {
  signIn();
  program.search(kMarch1, kMarch31);
  expectMarchRows();
  ASSERT_TRUE(server.restart());  // the pooled session is dead now

  program.search(kMarch1, kMarch31);
  EXPECT_TRUE(program.dialogs.messages.empty());
  expectMarchRows();
}

TEST_F(ServerFaults, AServerStoppedDuringTheSearchIsReportedAndTheProgramGoesOn) {
  signIn();
  program.search(kMarch1, kMarch31);
  expectMarchRows();

  // The deliveries statement waits for a lock held by another session; the server is shut
  // down while it waits.
  const AdminConnection locker = adminConnection(kFaultCompany, server.port());
  PQclear(PQexec(locker.get(), "BEGIN; LOCK TABLE doc IN ACCESS EXCLUSIVE MODE"));
  std::thread stopper([this] {
    for (int i = 0; i < 300; ++i) {
      if (adminValue(kFaultCompany,
                     "select count(*) from pg_stat_activity where wait_event_type = 'Lock'",
                     server.port()) != "0")
        break;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    EXPECT_TRUE(server.pause());
  });
  program.search(kMarch1.addDays(-1), kMarch31.addDays(1));
  stopper.join();

  EXPECT_FALSE(program.dialogs.takeOnlyMessage().isEmpty());
  EXPECT_EQ(program.report.dsProduse.recordCount(), 2);  // the later grids keep their rows
  EXPECT_EQ(program.report.dsClienti.recordCount(), 6);

  ASSERT_TRUE(server.start());
  program.search(kMarch1, kMarch31);
  EXPECT_TRUE(program.dialogs.messages.empty());
  expectMarchRows();
}

TEST_F(ServerFaults, AServerThatNeverAnswersEndsInTheConnectTimeout) {
  const LoopbackListener silent;  // connections are made and never answered
  setRegistryRow("Firma Tacuta", kFaultCompany, std::to_string(silent.port()), "NULL",
                 server.port());
  program.attemptLogin(QStringLiteral("Firma Tacuta"), QStringLiteral("ana"),
                       QStringLiteral("secret"));
  const QString message = program.dialogs.takeOnlyMessage();
  EXPECT_TRUE(message.contains(QLatin1String("timeout expired"))) << message.toStdString();
  EXPECT_TRUE(program.login.isVisible());
  EXPECT_TRUE(program.dm.glUser.isEmpty());
}

TEST(TlsFault, ARegistryServerThatRefusesTlsIsNotUsed) {
  ProgramUnderTest program(cluster().noSslPort);
  program.attemptLogin(QStringLiteral("Firma F"), QStringLiteral("ana"), QStringLiteral("secret"));
  const QString message = program.dialogs.takeOnlyMessage();
  EXPECT_TRUE(message.contains(QLatin1String("SSL"))) << message.toStdString();
  EXPECT_TRUE(program.login.isVisible());
}

struct BrokenCompanyCase {
  const char* breakIt;
  bool failsAtLogin;  // else at the search
  const char* named;  // what the message must name
};

TEST_F(ServerFaults, AMissingTableOrColumnIsNamed) {
  const char* broken = "faults_broken";
  setRegistryRow("Firma Stricata", broken, std::to_string(server.port()), "NULL", server.port());
  const BrokenCompanyCase cases[] = {
      {"DROP TABLE aplicatie_mob_emitent", true, "aplicatie_mob_emitent"},
      {"ALTER TABLE emitent DROP COLUMN eu_punct_lucru", true, "eu_punct_lucru"},
      {"DROP TABLE partener_articol CASCADE", false, "partener_articol"},
      {"ALTER TABLE articol DROP COLUMN cod_bare", false, "cod_bare"},
  };
  for (const BrokenCompanyCase& c : cases) {
    SCOPED_TRACE(c.breakIt);
    recreateReportCompany(broken, server.port());
    adminExec(broken, c.breakIt, server.port());

    program.attemptLogin(QStringLiteral("Firma Stricata"), QStringLiteral("ana"),
                         QStringLiteral("secret"));
    if (!c.failsAtLogin) {
      ASSERT_TRUE(program.signedIn());
      program.search(kMarch1, kMarch31);
    }
    const QString message = program.dialogs.takeOnlyMessage();
    EXPECT_TRUE(message.contains(QLatin1String(c.named))) << message.toStdString();
  }
}

}  // namespace
