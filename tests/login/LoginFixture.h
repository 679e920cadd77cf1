#pragma once

#include <QString>
#include <string>

// Company databases and registry rows for login tests, on the test cluster. Every company
// database holds the login tables; each test names the rows that matter to it.
namespace wv::test {

// Recreates the registry database vek_mob with its table and no rows.
void recreateRegistry();
// Adds a registry row; `hashType` and `port` may be SQL NULL ("NULL").
void addRegistryRow(const std::string& company, const std::string& database,
                    const std::string& portSql, const std::string& hashTypeSql);
// Recreates a company database with every table the program reads.
void recreateCompany(const std::string& database);
// The SQL text of the port of the test cluster's TLS server.
std::string clusterPortSql();

}  // namespace wv::test
