#pragma once

#include <QString>
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
