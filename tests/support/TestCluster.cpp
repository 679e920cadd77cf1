#include "tests/support/TestCluster.h"

#include <gtest/gtest.h>
#include <libpq-fe.h>

#include <cstdlib>
#include <memory>

namespace wv::test {

const ClusterInfo& cluster() {
  static const ClusterInfo info{WV_TEST_HOST, WV_TEST_PORT, WV_TEST_NOSSL_PORT, WV_TEST_CLUSTER_DIR,
                                WV_SOURCE_DIR};
  return info;
}

namespace {
using ResultPtr = std::unique_ptr<PGresult, decltype(&PQclear)>;
}  // namespace

AdminConnection adminConnection(const std::string& database, int port) {
  const std::string info =
      "host=" + cluster().host + " port=" + std::to_string(port ? port : cluster().port) +
      " dbname=" + database + " user=postgres password=" WV_TEST_ADMIN_PASSWORD " sslmode=prefer";
  AdminConnection conn(PQconnectdb(info.c_str()), &PQfinish);
  if (PQstatus(conn.get()) != CONNECTION_OK)
    ADD_FAILURE() << "admin connection to " << database << ": " << PQerrorMessage(conn.get());
  return conn;
}

void adminExec(const std::string& database, const std::string& sql, int port) {
  const AdminConnection conn = adminConnection(database, port);
  ResultPtr res(PQexec(conn.get(), sql.c_str()), &PQclear);
  const auto status = PQresultStatus(res.get());
  if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
    ADD_FAILURE() << "admin SQL failed: " << PQerrorMessage(conn.get()) << "\n" << sql;
}

std::string adminValue(const std::string& database, const std::string& sql, int port) {
  const AdminConnection conn = adminConnection(database, port);
  ResultPtr res(PQexec(conn.get(), sql.c_str()), &PQclear);
  if (PQresultStatus(res.get()) != PGRES_TUPLES_OK || PQntuples(res.get()) < 1) {
    ADD_FAILURE() << "admin query failed: " << PQerrorMessage(conn.get()) << "\n" << sql;
    return {};
  }
  return PQgetvalue(res.get(), 0, 0);
}

void recreateDatabase(const std::string& name, int port) {
  adminExec("postgres", "DROP DATABASE IF EXISTS \"" + name + "\" WITH (FORCE)", port);
  adminExec("postgres", "CREATE DATABASE \"" + name + "\"", port);
}

void pointAtTestDatabase(pg::Connection& connection, const std::string& database) {
  connection.setServer(QString::fromStdString(cluster().host));
  connection.setPort(cluster().port);
  connection.setDatabase(QString::fromStdString(database));
  connection.setSslMode(pg::smPrefer);
}

int runCommand(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace wv::test
