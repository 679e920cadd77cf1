#include <gtest/gtest.h>

#include "data/Configuration.h"
#include "data/DataModule.h"
#include "tests/support/SchemaFiles.h"
#include "tests/support/TestCluster.h"

using wv::pg::Connection;

namespace {

TEST(DataModule, ConnectionsCarryTheirFixedSettings) {
  TdmCon dm;
  const struct {
    Connection* con;
    QString server;
    QString database;
    bool pooling;
    bool braces;
    wv::pg::TSSLMode mode;
  } cases[] = {
      {&dm.conVek, wv::data::mainHost(), QStringLiteral("vek1"), true, false, wv::pg::smRequire},
      {&dm.conVekMob, wv::data::registryHost(), QStringLiteral("vek_mob"), false, true,
       wv::pg::smRequire},
      {&dm.conVekGen, wv::data::registryHost(), QStringLiteral("vek_gen"), false, true,
       wv::pg::smPrefer},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.con->name().toStdString());
    EXPECT_EQ(c.con->server(), c.server);
    EXPECT_EQ(c.con->database(), c.database);
    EXPECT_EQ(c.con->username(), QStringLiteral("vek"));
    EXPECT_EQ(c.con->pooling(), c.pooling);
    EXPECT_FALSE(c.con->loginPrompt());
    EXPECT_TRUE(c.con->options().disconnectedMode);
    EXPECT_TRUE(c.con->options().useUnicode);
    EXPECT_EQ(c.con->options().uuidWithBraces, c.braces);
    EXPECT_EQ(c.con->sslMode(), c.mode);
    EXPECT_FALSE(c.con->connected());
  }
  EXPECT_EQ(dm.conVek.port(), 0);
  EXPECT_EQ(dm.conVekMob.effectivePort(), wv::data::registryPort());
}

TEST(DataModule, SignInValuesStartEmptyAndQueriesClosed) {
  TdmCon dm;
  for (const QString* v :
       {&dm.glNumeFirma, &dm.glUser, &dm.glUserPass, &dm.glDataBase, &dm.glUserRol, &dm.glEuPL,
        &dm.glEuCuiNum, &dm.glJasIP, &dm.glJasProtocol, &dm.glUserDocsPath})
    EXPECT_TRUE(v->isEmpty());
  for (const wv::pg::Query* q :
       {&dm.dsEmitent, &dm.dsAplicatieMob, &dm.dsEu, &dm.dsAplicatieMobEmitent})
    EXPECT_FALSE(q->isOpen());
}

TEST(DataModule, ThePasswordIsNotStoredAsPlainText) {
  EXPECT_EQ(wv::data::databasePassword(), QStringLiteral(WV_EXPECTED_PASSWORD));
}

TEST(DataModule, FieldListsHaveEveryDeclaredColumn) {
  TdmCon dm;
  EXPECT_EQ(dm.dsEmitent.fieldDefs().size(), 65u);
  EXPECT_EQ(dm.dsAplicatieMob.fieldDefs().size(), 3u);
  EXPECT_EQ(dm.dsAplicatieMobEmitent.fieldDefs().size(), 3u);
  EXPECT_EQ(dm.dsEu.fieldDefs().size(), 122u);
  EXPECT_EQ(dm.dsEu.fieldDefs().back().column, QStringLiteral("cod_cci_num"));
  EXPECT_TRUE(dm.dsEu.fieldDefs().back().readOnly);
  EXPECT_EQ(dm.dsEmitent.fieldName(QStringLiteral("emitent")), QStringLiteral("dsEmitentemitent"));
}

// The account queries against a company database, through the main connection.
class AccountQueriesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    using wv::test::adminExec;
    wv::test::recreateDatabase("datatest_company");
    adminExec("datatest_company", wv::test::sqlFile("company-schema.sql"));
    adminExec(
        "datatest_company",
        "INSERT INTO aplicatie_mob (aplicatie_mob, activ) VALUES ('wVelora', true), ('Oprita', "
        "false);"
        "INSERT INTO eu (cod_cci, tara, localit, adresa, metoda_stoc, tip_contabilitate, saft_cod)"
        " VALUES ('RO-12 34/5 ab', 'RO', 'X', 'Y', 'FIFO', 'std', '01');");
  }
  AccountQueriesTest() { wv::test::pointAtTestDatabase(dm.conVek, "datatest_company"); }
  int matches(const QString& key) {
    dm.dsAplicatieMob.close();
    dm.dsAplicatieMob.setParamText(QStringLiteral("pAplicatieMob"), key);
    dm.dsAplicatieMob.open();
    return dm.dsAplicatieMob.recordCount();
  }
  TdmCon dm;
};

TEST_F(AccountQueriesTest, TheApplicationKeyMatchesInAnyLetterCaseButOnlyWhenActive) {
  EXPECT_EQ(matches(QStringLiteral("wvelora")), 1);
  EXPECT_EQ(matches(QStringLiteral("WVELORA")), 1);
  EXPECT_EQ(matches(QStringLiteral("oprita")), 0);
  EXPECT_EQ(matches(QStringLiteral("wvelora ")), 0);
}

TEST_F(AccountQueriesTest, CompanySettingsKeepOnlyTheDigitsOfTheFiscalCode) {
  dm.dsEu.open();
  EXPECT_EQ(dm.dsEu.fieldText(QStringLiteral("cod_cci_num")), QStringLiteral("12345"));
  EXPECT_EQ(dm.dsEu.fieldText(QStringLiteral("jas_ip")), QString());
  wv::test::adminExec("datatest_company", "UPDATE eu SET cod_cci = 'fara cifre'");
  dm.dsEu.refresh();
  EXPECT_EQ(dm.dsEu.fieldText(QStringLiteral("cod_cci_num")), QString());
  EXPECT_FALSE(dm.dsEu.fieldIsNull(QStringLiteral("cod_cci_num")));
}

}  // namespace
