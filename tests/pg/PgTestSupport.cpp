#include "tests/pg/PgTestSupport.h"

#include <QThread>
#include <chrono>

#include "platform/error/Error.h"
#include "tests/support/TestCluster.h"

namespace wv::test {

std::unique_ptr<pg::Connection> testConnection(const QString& name, const std::string& database,
                                               int port, pg::TSSLMode mode) {
  auto connection = std::make_unique<pg::Connection>(name);
  connection->setServer(QString::fromStdString(cluster().host));
  connection->setPort(port ? port : cluster().port);
  connection->setDatabase(QString::fromStdString(database));
  connection->setUsername(QStringLiteral("vek"));
  connection->setPassword(QStringLiteral(WV_DB_PASSWORD));
  connection->setSslMode(mode);
  return connection;
}

std::unique_ptr<pg::Query> valueQuery(pg::Connection& connection, const QString& sql,
                                      pg::FieldType type, const std::vector<pg::ParamDef>& params) {
  return std::make_unique<pg::Query>(QStringLiteral("dsTest"), connection, QStringList{sql}, params,
                                     std::vector<pg::FieldDef>{{QStringLiteral("v"), type}});
}

QString valueOf(pg::Connection& connection, const QString& sql, pg::FieldType type) {
  auto query = valueQuery(connection, sql, type);
  query->open();
  return query->fieldText(QStringLiteral("v"));
}

QString errorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const wv::Error& e) {
    return e.message();
  }
  return {};
}

namespace {
template <typename Done>
void waitFor(Done done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!done() && std::chrono::steady_clock::now() < deadline) QThread::msleep(20);
}
}  // namespace

int sessionsNamed(const QString& applicationName, int expected, int port) {
  const std::string sql = "select count(*) from pg_stat_activity where application_name = '" +
                          applicationName.toStdString() + "'";
  int count = -1;
  waitFor([&] { return (count = std::stoi(adminValue("postgres", sql, port))) == expected; });
  return count;
}

void waitUntilSessionGone(const QString& pid, int port) {
  const std::string sql = "select count(*) from pg_stat_activity where pid = " + pid.toStdString();
  waitFor([&] { return adminValue("postgres", sql, port) == "0"; });
}

}  // namespace wv::test
