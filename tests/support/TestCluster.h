#pragma once

#include <libpq-fe.h>

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "platform/pg/Connection.h"

// The PostgreSQL cluster that scripts/test.sh starts: a TLS server on the registry port and a
// server that refuses TLS beside it. Fixtures are written through the superuser postgres.
namespace wv::test {

struct ClusterInfo {
  std::string host;
  int port;
  int noSslPort;
  std::string clusterDir;
  std::string sourceDir;
};

const ClusterInfo& cluster();

using AdminConnection = std::unique_ptr<PGconn, decltype(&PQfinish)>;

// A superuser session on a database of the TLS server (`port` 0) or of the server on `port`,
// for a test that must hold it open (a lock, a transaction); fails the calling test unless it
// connects.
AdminConnection adminConnection(const std::string& database, int port = 0);
// Runs SQL (several statements allowed) as the superuser in a database of the TLS server;
// fails the calling test on error.
void adminExec(const std::string& database, const std::string& sql, int port = 0);
// One value of a one-row query run as the superuser.
std::string adminValue(const std::string& database, const std::string& sql, int port = 0);
// Drops (when present) and creates a database.
void recreateDatabase(const std::string& name, int port = 0);

// Points a connection at a database of the test cluster's TLS server, with the TLS mode a
// sign-in gives the main connection.
void pointAtTestDatabase(pg::Connection& connection, const std::string& database);

// Runs a shell command; returns its exit status.
int runCommand(const std::string& command);

}  // namespace wv::test
