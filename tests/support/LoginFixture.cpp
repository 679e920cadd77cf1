#include "tests/support/LoginFixture.h"

#include "platform/shell/ApplicationTitle.h"
#include "tests/support/SchemaFiles.h"
#include "tests/support/TestCluster.h"

namespace wv::test {

void recreateRegistry(int serverPort) {
  recreateDatabase("vek_mob", serverPort);
  adminExec("vek_mob", sqlFile("registry-schema.sql"), serverPort);
}

void setRegistryRow(const std::string& company, const std::string& database,
                    const std::string& portSql, const std::string& hashTypeSql, int serverPort) {
  adminExec("vek_mob",
            "DELETE FROM m_firma WHERE nume_firma = '" + company +
                "';"
                "INSERT INTO m_firma (nume_firma, ip, port, db_name, activ, m_site, "
                "pw_hash_type) VALUES ('" +
                company + "', '127.0.0.1', " + portSql + ", '" + database + "', true, false, " +
                hashTypeSql + ")",
            serverPort);
}

void recreateCompany(const std::string& database, int serverPort) {
  recreateDatabase(database, serverPort);
  adminExec(database, sqlFile("company-schema.sql"), serverPort);
}

void addSignInAccount(const std::string& database, const std::string& user,
                      const std::string& password, const QString& key, int serverPort) {
  const std::string k = key.toStdString();
  adminExec(database,
            "INSERT INTO emitent (emitent, operator_parola, eu_punct_lucru) VALUES ('" + user +
                "', '" + password +
                "', 'Depozit');"
                "INSERT INTO aplicatie_mob (aplicatie_mob, activ) VALUES ('" +
                k +
                "', true) ON CONFLICT DO NOTHING;"
                "INSERT INTO aplicatie_mob_emitent (aplicatie_mob, emitent, rol) VALUES ('" +
                k + "', '" + user +
                "', 'r');"
                "INSERT INTO eu (cod_cci, tara, localit, adresa, metoda_stoc, tip_contabilitate, "
                "saft_cod, jas_ip) SELECT 'RO1', 'RO', 'Cluj', 'Str. 1', 'FIFO', 'std', '01', NULL"
                " WHERE NOT EXISTS (SELECT FROM eu)",
            serverPort);
}

void recreateReportCompany(const std::string& database, int serverPort) {
  recreateCompany(database, serverPort);
  addSignInAccount(database, "ana", "secret", shell::applicationTitle(), serverPort);
  adminExec(database, reportFixtureSql(), serverPort);
}

std::string clusterPortSql() {
  return std::to_string(cluster().port);
}

}  // namespace wv::test
