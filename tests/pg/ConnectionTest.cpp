#include <gtest/gtest.h>

#include "platform/error/Error.h"
#include "tests/pg/PgTestSupport.h"
#include "tests/pg/SilentCutProxy.h"
#include "tests/support/PrivateCluster.h"
#include "tests/support/TestCluster.h"

using namespace wv::pg;
using wv::test::cluster;
using wv::test::errorOf;
using wv::test::sessionsNamed;
using wv::test::testConnection;
using wv::test::valueOf;

namespace {

const std::string kDatabase = "pgtest_conn";
const QString kBackendPid = QStringLiteral("select pg_backend_pid()::text as v");

class PgConnection : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    wv::test::recreateDatabase(kDatabase);
    wv::test::recreateDatabase(kDatabase, cluster().noSslPort);
  }
};

TEST_F(PgConnection, TlsModesBehaveAsPostgresSslModes) {
  const QString kSessionUsesTls =
      QStringLiteral("select ssl as v from pg_stat_ssl where pid = pg_backend_pid()");
  const int tls = cluster().port;
  const int plain = cluster().noSslPort;
  const struct {
    TSSLMode mode;
    int port;
    const char* ssl;  // nullptr: the connection fails
  } cases[] = {
      {smRequire, tls, "true"},   {smRequire, plain, nullptr},  {smPrefer, tls, "true"},
      {smPrefer, plain, "false"}, {smDisable, tls, "false"},    {smAllow, tls, "false"},
      {smVerifyCA, tls, nullptr}, {smVerifyFull, tls, nullptr},
  };
  for (const auto& c : cases) {
    auto con = testConnection(QStringLiteral("pgtest_tls"), kDatabase, c.port, c.mode);
    SCOPED_TRACE(testing::Message() << libpqSslMode(c.mode) << " on port " << c.port);
    if (c.ssl) {
      EXPECT_EQ(valueOf(*con, kSessionUsesTls, FieldType::Boolean), QString::fromLatin1(c.ssl));
    } else {
      EXPECT_THROW(valueOf(*con, kSessionUsesTls, FieldType::Boolean), wv::Error);
    }
  }
}

TEST_F(PgConnection, RefusedTlsFailsWithTheLibpqMessage) {
  auto con =
      testConnection(QStringLiteral("pgtest_tls"), kDatabase, cluster().noSslPort, smRequire);
  const QString message = errorOf([&] { valueOf(*con, kBackendPid); });
  EXPECT_TRUE(message.contains(QStringLiteral("SSL"))) << message.toStdString();
  EXPECT_FALSE(message.endsWith(u'\n'));
}

TEST_F(PgConnection, PortZeroMeansTheDefaultPort) {
  auto con = testConnection(QStringLiteral("pgtest_port"), kDatabase);
  con->setPort(0);
  const QString message = errorOf([&] { valueOf(*con, kBackendPid); });
  EXPECT_TRUE(message.contains(QStringLiteral("port 5432"))) << message.toStdString();
}

TEST_F(PgConnection, SettingsWithQuotesSpacesAndBackslashesReachTheServerIntact) {
  const std::string database = R"(pgtest_conn 'q' \b "d" x=y)";
  const QString role = QStringLiteral(R"(pgtest_role 'q' \b)");
  const QString password = QStringLiteral(R"(p w 'q' \b "d" host=evil)");
  wv::test::adminExec("postgres", R"(DROP DATABASE IF EXISTS "pgtest_conn 'q' \b ""d"" x=y")");
  wv::test::adminExec("postgres", R"(CREATE DATABASE "pgtest_conn 'q' \b ""d"" x=y")");
  wv::test::adminExec("postgres", R"(DROP ROLE IF EXISTS "pgtest_role 'q' \b";
      CREATE ROLE "pgtest_role 'q' \b" LOGIN PASSWORD 'p w ''q'' \b "d" host=evil';)");

  auto con = testConnection(QStringLiteral("pgtest_quoting"), database);
  con->setUsername(role);
  con->setPassword(password);
  EXPECT_EQ(valueOf(*con, QStringLiteral("select current_database() || '|' || current_user as v")),
            QString::fromStdString(database) + u'|' + role);

  con->setPassword(QStringLiteral("wrong"));
  const QString message = errorOf([&] { valueOf(*con, kBackendPid); });
  EXPECT_TRUE(message.contains(QStringLiteral("password authentication failed")))
      << message.toStdString();
}

TEST_F(PgConnection, DisconnectedModeClosesTheSessionAfterEachOperation) {
  const QString name = QStringLiteral("pgtest_unpooled");
  auto con = testConnection(name, kDatabase);
  const QString ownSessions = QStringLiteral(
      "select count(*) as v from pg_stat_activity "
      "where application_name = current_setting('application_name')");
  for (int operation = 0; operation < 2; ++operation) {
    EXPECT_EQ(valueOf(*con, ownSessions, FieldType::Int64), QStringLiteral("1"));
    EXPECT_FALSE(con->connected());
    EXPECT_EQ(sessionsNamed(name, 0), 0);
  }
}

TEST_F(PgConnection, PoolingReusesTheSessionOfTheSameSettings) {
  const QString name = QStringLiteral("pgtest_pooled");
  auto con = testConnection(name, kDatabase);
  con->setPooling(true);
  const QString first = valueOf(*con, kBackendPid);
  EXPECT_EQ(valueOf(*con, kBackendPid), first);
  EXPECT_FALSE(con->connected());
  EXPECT_EQ(sessionsNamed(name, 1), 1);

  // Other settings take another session; the first one still waits for its own settings.
  con->setDatabase(QStringLiteral("postgres"));
  EXPECT_NE(valueOf(*con, kBackendPid), first);
  con->setDatabase(QString::fromStdString(kDatabase));
  EXPECT_EQ(valueOf(*con, kBackendPid), first);
}

TEST_F(PgConnection, WithoutDisconnectedModeTheSessionIsKeptBetweenOperations) {
  auto con = testConnection(QStringLiteral("pgtest_kept"), kDatabase);
  con->options().disconnectedMode = false;
  const QString first = valueOf(*con, kBackendPid);
  EXPECT_TRUE(con->connected());
  EXPECT_EQ(valueOf(*con, kBackendPid), first);
}

// A session the server ended while it waited, pooled or kept, is replaced without an error.
TEST_F(PgConnection, ASessionTerminatedWhileIdleIsReplacedSilently) {
  for (const bool pooled : {true, false}) {
    SCOPED_TRACE(pooled ? "pooled" : "kept");
    auto con = testConnection(QStringLiteral("pgtest_terminated"), kDatabase);
    con->setPooling(pooled);
    con->options().disconnectedMode = pooled;
    const QString first = valueOf(*con, kBackendPid);
    wv::test::adminExec("postgres", "select pg_terminate_backend(" + first.toStdString() + ")");
    wv::test::waitUntilSessionGone(first);
    QString second;
    EXPECT_NO_THROW(second = valueOf(*con, kBackendPid));
    EXPECT_NE(second, first);
  }
}

// A network cut shows only when the next statement is sent: that statement, which never
// reached the server, goes once more on a new session.
TEST_F(PgConnection, APooledSessionLostInANetworkCutIsReplacedSilently) {
  wv::test::SilentCutProxy proxy(cluster().port);
  auto con = testConnection(QStringLiteral("pgtest_cut"), kDatabase, proxy.port());
  con->setPooling(true);
  const QString first = valueOf(*con, kBackendPid);
  proxy.cutAll();
  wv::test::waitUntilSessionGone(first);
  QString second;
  EXPECT_NO_THROW(second = valueOf(*con, kBackendPid));
  EXPECT_NE(second, first);
}

TEST_F(PgConnection, AnErrorDuringTheOperationIsReportedNotRetried) {
  wv::test::adminExec(kDatabase, R"(DROP SEQUENCE IF EXISTS pgtest_runs;
      CREATE SEQUENCE pgtest_runs; GRANT USAGE ON SEQUENCE pgtest_runs TO vek;)");
  auto con = testConnection(QStringLiteral("pgtest_dies"), kDatabase);
  con->setPooling(true);
  const QString pooled = valueOf(*con, kBackendPid);  // the next operation reuses this session

  // The statement ends its own session while it runs: the run counts once and fails.
  EXPECT_THROW(valueOf(*con,
                       QStringLiteral("select nextval('pgtest_runs') as v, "
                                      "pg_terminate_backend(pg_backend_pid()), pg_sleep(5)"),
                       FieldType::Int64),
               wv::Error);
  EXPECT_EQ(wv::test::adminValue(kDatabase, "select last_value from pgtest_runs"), "1");
  EXPECT_NE(valueOf(*con, kBackendPid), pooled);
}

// A private cluster, since restarting the shared one would disturb the other tests.
class PgRestartedServer : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(server.start()); }
  wv::test::PrivateCluster server{55440};
};

TEST_F(PgRestartedServer, ThePooledSessionIsReplacedAfterARestart) {
  auto con = testConnection(QStringLiteral("pgtest_restart"), "postgres", server.port());
  con->setPooling(true);
  const QString first = valueOf(*con, kBackendPid);
  ASSERT_TRUE(server.restart());
  QString second;
  EXPECT_NO_THROW(second = valueOf(*con, kBackendPid));
  EXPECT_NE(second, first);
}

}  // namespace
