#include "tests/login/LoginFixture.h"

#include "tests/support/SchemaFiles.h"
#include "tests/support/TestCluster.h"

namespace wv::test {

void recreateRegistry() {
  recreateDatabase("vek_mob");
  adminExec("vek_mob", sqlFile("registry-schema.sql"));
}

void addRegistryRow(const std::string& company, const std::string& database,
                    const std::string& portSql, const std::string& hashTypeSql) {
  adminExec(
      "vek_mob",
      "INSERT INTO m_firma (nume_firma, ip, port, db_name, activ, m_site, pw_hash_type) VALUES ('" +
          company + "', '127.0.0.1', " + portSql + ", '" + database + "', true, false, " +
          hashTypeSql + ")");
}

void recreateCompany(const std::string& database) {
  recreateDatabase(database);
  adminExec(database, sqlFile("company-schema.sql"));
}

std::string clusterPortSql() {
  return std::to_string(cluster().port);
}

}  // namespace wv::test
