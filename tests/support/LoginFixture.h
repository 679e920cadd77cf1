#pragma once

#include <QString>
#include <string>

// Company databases and registry rows for tests that sign in, on the test cluster or, where
// `serverPort` is given, on a private server. Every company database holds the login tables;
// each test names the rows that matter to it.
namespace wv::test {

// Recreates the registry database vek_mob with its table and no rows.
void recreateRegistry(int serverPort = 0);
// Sets the registry row of `company`, in place of any row of that name a test left before;
// `hashType` and `port` may be SQL NULL ("NULL").
void setRegistryRow(const std::string& company, const std::string& database,
                    const std::string& portSql, const std::string& hashTypeSql, int serverPort = 0);
// Recreates a company database with every table the program reads.
void recreateCompany(const std::string& database, int serverPort = 0);
// Adds a user with a plain-text password who may use the application `key`, and the
// company's settings row: everything a sign-in needs.
void addSignInAccount(const std::string& database, const std::string& user,
                      const std::string& password, const QString& key, int serverPort = 0);
// Recreates a company database where ana, password secret, may sign in, with the report's
// fixture rows (the report's edge cases, delivered in March 2026).
void recreateReportCompany(const std::string& database, int serverPort = 0);
// The SQL text of the port of the test cluster's TLS server.
std::string clusterPortSql();

}  // namespace wv::test
