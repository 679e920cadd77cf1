#include <gtest/gtest.h>
#include <libpq-fe.h>

#include <QLabel>
#include <QPushButton>
#include <charconv>
#include <memory>

#include "data/DataModule.h"
#include "platform/grid/DataGrid.h"
#include "platform/grid/GridModel.h"
#include "platform/pg/NamedParameters.h"
#include "platform/shell/DateEdit.h"
#include "report/ReportStatements.h"
#include "report/ReportWindow.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/LoginFixture.h"
#include "tests/support/TestCluster.h"

using wv::pg::FieldType;
using wv::pg::Query;
using wv::test::adminExec;

namespace {

const char* kDatabase = "reporttest_company";

// The same statement with the same dates run through libpq's text protocol, independently of
// the program's own query layer, compared cell by cell with what the query holds.
void expectSameRowsAsTheServer(const Query& query, const QDate& from, const QDate& to) {
  SCOPED_TRACE(query.name().toStdString());
  const wv::pg::ParsedStatement parsed = wv::pg::parseNamedParameters(query.sqlText());
  const wv::test::AdminConnection conn = wv::test::adminConnection(kDatabase);
  std::vector<std::string> values;
  for (const QString& name : parsed.names) {
    const QDate d = name == QLatin1String("pDataIncep") ? from : to;
    values.push_back(name == QLatin1String("pProducator")
                         ? "RIROZE - DAVOVEROZ ID EVOREVEVUZA VE DAZUVOV IREDORAVOR ADE"
                         : d.toString(Qt::ISODate).toStdString());
  }
  std::vector<const char*> pointers;
  pointers.reserve(values.size());
  for (const std::string& v : values) pointers.push_back(v.c_str());
  const std::string sql = parsed.sql.toStdString();
  std::unique_ptr<PGresult, decltype(&PQclear)> res(
      PQexecParams(conn.get(), sql.c_str(), static_cast<int>(pointers.size()), nullptr,
                   pointers.data(), nullptr, nullptr, 0),
      &PQclear);
  ASSERT_EQ(PQresultStatus(res.get()), PGRES_TUPLES_OK) << PQerrorMessage(conn.get());

  const auto rows = query.rows();
  ASSERT_EQ(rows->rowCount(), PQntuples(res.get()));
  ASSERT_EQ(rows->columnCount(), PQnfields(res.get()));
  for (int c = 0; c < rows->columnCount(); ++c) {
    const int serverColumn = PQfnumber(res.get(), rows->column(c).name.toUtf8().constData());
    ASSERT_GE(serverColumn, 0) << rows->column(c).name.toStdString();
    for (int r = 0; r < rows->rowCount(); ++r) {
      SCOPED_TRACE(rows->column(c).name.toStdString() + " row " + std::to_string(r));
      if (PQgetisnull(res.get(), r, serverColumn)) {
        EXPECT_TRUE(rows->isNull(r, c));
        continue;
      }
      ASSERT_FALSE(rows->isNull(r, c));
      const std::string text = PQgetvalue(res.get(), r, serverColumn);
      if (rows->column(c).type == FieldType::Double) {
        double expected = 0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        EXPECT_EQ(rows->doubleValue(r, c), expected) << text;
      } else {
        EXPECT_EQ(rows->text(r, c).toStdString(), text);
      }
    }
  }
}

class ReportWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { wv::test::recreateReportCompany(kDatabase); }

  ReportWindowTest() {
    wv::test::pointAtTestDatabase(dm.conVek, kDatabase);
    window.show();
  }

  void search(const QDate& from, const QDate& to) {
    window.cxDateEditDataIncep->setValue(from);
    window.cxDateEditDataSf->setValue(to);
    window.ButtonCauta->click();
  }

  // The value of a column in the first row whose `keyColumn` holds `key`.
  static QString cell(const Query& q, const char* keyColumn, const QString& key,
                      const char* column) {
    const auto rows = q.rows();
    const int k = rows->columnIndex(QLatin1String(keyColumn));
    const int c = rows->columnIndex(QLatin1String(column));
    for (int r = 0; r < rows->rowCount(); ++r)
      if (rows->text(r, k) == key)
        return rows->isNull(r, c) ? QStringLiteral("<null>") : rows->text(r, c);
    return QStringLiteral("<no row>");
  }

  wv::test::FakeDialogs dialogs;
  TdmCon dm;
  TfDovad window{dm};
};

TEST_F(ReportWindowTest, TheDatesStartAtTheFirstOfTheMonthAndToday) {
  const QDate today = QDate::currentDate();
  EXPECT_EQ(window.cxDateEditDataIncep->value(), QDate(today.year(), today.month(), 1));
  EXPECT_EQ(window.cxDateEditDataSf->value(), today);
  EXPECT_FALSE(window.dsLivrari.isOpen());
}

TEST_F(ReportWindowTest, EveryGridHoldsExactlyWhatTheServerGivesForTheSameDates) {
  const std::pair<QDate, QDate> ranges[] = {
      {{2026, 3, 1}, {2026, 3, 31}},  {{2026, 2, 28}, {2026, 4, 1}}, {{2026, 3, 15}, {2026, 3, 15}},
      {{2026, 4, 2}, {2026, 3, 1}},  // a start after the end: nothing, and no message
      {{2020, 1, 1}, {2020, 12, 31}},
  };
  for (const auto& [from, to] : ranges) {
    SCOPED_TRACE(from.toString(Qt::ISODate).toStdString() + " .. " +
                 to.toString(Qt::ISODate).toStdString());
    search(from, to);
    EXPECT_TRUE(dialogs.messages.empty());
    for (const Query* q : {&window.dsLivrari, &window.dsClienti, &window.dsProduse})
      expectSameRowsAsTheServer(*q, from, to);
    EXPECT_EQ(window.cxGrid1->model().rowCount(), window.dsLivrari.recordCount());
    EXPECT_EQ(window.cxGrid2->model().rowCount(), window.dsProduse.recordCount());
    EXPECT_EQ(window.cxGrid3->model().rowCount(), window.dsClienti.recordCount());
  }
}

TEST_F(ReportWindowTest, EdgeCasesLandWhereTheyShould) {
  search({2026, 3, 1}, {2026, 3, 31});
  // Range ends included, other types, brands and producers left out.
  EXPECT_EQ(window.dsLivrari.recordCount(), 9);
  EXPECT_EQ(cell(window.dsLivrari, "nr_doc_e", QStringLiteral("F1"), "part_id_concatenat"),
            QStringLiteral("17/5"));
  EXPECT_EQ(cell(window.dsLivrari, "nr_doc_e", QStringLiteral("F1"), "sik_cod"),
            QStringLiteral("1"));
  EXPECT_EQ(cell(window.dsLivrari, "nr_doc_e", QStringLiteral("F1"), "cod_art_la_client"),
            QStringLiteral("TEI-APT"));
  EXPECT_EQ(cell(window.dsLivrari, "nr_doc_e", QStringLiteral("A1"), "part_id_concatenat"),
            QStringLiteral("18/"));
  EXPECT_EQ(cell(window.dsLivrari, "nr_doc_e", QStringLiteral("A1"), "sik_cod"),
            QStringLiteral("2"));
  EXPECT_EQ(cell(window.dsLivrari, "nr_doc_e", QStringLiteral("A1"), "val_fara_tva"),
            QStringLiteral("<null>"));
  EXPECT_EQ(cell(window.dsLivrari, "nr_doc_e", QStringLiteral("B1"), "partener"),
            QStringLiteral("<null>"));
  EXPECT_EQ(cell(window.dsLivrari, "nr_doc_e", QStringLiteral("B1"), "part_id_concatenat"),
            QStringLiteral("<null>"));
  EXPECT_EQ(cell(window.dsLivrari, "nr_doc_e", QStringLiteral("B1"), "sik_cod"),
            QStringLiteral("3"));
  EXPECT_EQ(cell(window.dsLivrari, "nr_doc_e", QStringLiteral("F2"), "part_id_concatenat"),
            QStringLiteral("19/"));
  EXPECT_EQ(cell(window.dsLivrari, "nr_doc_e", QStringLiteral("F2"), "sik_cod"),
            QStringLiteral("3"));
  EXPECT_EQ(cell(window.dsLivrari, "nr_doc_e", QStringLiteral("F3"), "sik_cod"),
            QStringLiteral("3"));
  EXPECT_EQ(cell(window.dsLivrari, "nr_doc_e", QStringLiteral("F1"), "val_fara_tva"),
            QStringLiteral("105.5"));

  // One row per working point of each delivered client; nothing for unknown or missing partners.
  EXPECT_EQ(window.dsClienti.recordCount(), 6);
  EXPECT_EQ(
      cell(window.dsClienti, "partener", QStringLiteral("Farmacia mica"), "partener_punct_lucru"),
      QStringLiteral("<null>"));
  EXPECT_EQ(
      cell(window.dsClienti, "partener", QStringLiteral("Farmacia mica"), "part_id_concatenat"),
      QStringLiteral("19/"));
  EXPECT_EQ(cell(window.dsClienti, "partener", QStringLiteral("Nelivrat"), "partener"),
            QStringLiteral("<no row>"));

  // One row per article delivered, however often.
  EXPECT_EQ(window.dsProduse.recordCount(), 2);
}

TEST_F(ReportWindowTest, AFailingStatementStopsTheRunAndLaterGridsKeepTheirRows) {
  search({2026, 3, 1}, {2026, 3, 31});
  ASSERT_EQ(window.dsProduse.recordCount(), 2);
  adminExec(kDatabase, "ALTER TABLE partener RENAME COLUMN cod_cci TO cod_fiscal_vechi");
  search({2026, 3, 15}, {2026, 3, 15});
  adminExec(kDatabase, "ALTER TABLE partener RENAME COLUMN cod_fiscal_vechi TO cod_cci");
  EXPECT_TRUE(dialogs.takeOnlyMessage().contains(QLatin1String("cod_cci")));
  EXPECT_EQ(window.dsLivrari.recordCount(), 1);  // ran with the new dates
  EXPECT_EQ(window.dsClienti.recordCount(), 6);  // failed: the rows of the last run stay
  EXPECT_EQ(window.dsProduse.recordCount(), 2);  // not run
  EXPECT_EQ(window.cxGrid3->model().rowCount(), 6);
  EXPECT_EQ(window.cxGrid2->model().rowCount(), 2);

  search({2026, 3, 15}, {2026, 3, 15});
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(window.dsProduse.recordCount(), 1);
}

TEST_F(ReportWindowTest, EachSearchReadsTheDatabaseAfresh) {
  search({2026, 4, 1}, {2026, 4, 30});
  EXPECT_EQ(window.dsLivrari.recordCount(), 1);
  adminExec(
      kDatabase,
      "INSERT INTO doc_poz_stoc VALUES ('2026-04-01','FactCI','F6',1,'2026-02-01','NIR','N1',2,7)");
  window.ButtonCauta->click();
  adminExec(kDatabase, "DELETE FROM doc_poz_stoc WHERE nr_doc_e = 'F6' AND scv_i = 2");
  EXPECT_EQ(window.dsLivrari.recordCount(), 2);
}

TEST_F(ReportWindowTest, AnEmptyDateGivesNoRowsAndNoMessage) {
  window.cxDateEditDataIncep->clearValue();
  window.cxDateEditDataSf->setValue({2026, 3, 31});
  window.ButtonCauta->click();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(window.dsLivrari.isOpen());
  EXPECT_EQ(window.dsLivrari.recordCount(), 0);
  EXPECT_EQ(window.dsClienti.recordCount(), 0);
  EXPECT_EQ(window.dsProduse.recordCount(), 0);
}

TEST_F(ReportWindowTest, ResizingMovesAndStretchesAsTheAnchorsSay) {
  const QRect grid1 = window.cxGrid1->geometry(), grid2 = window.cxGrid2->geometry(),
              grid3 = window.cxGrid3->geometry(), label4 = window.Label4->geometry(),
              export2 = window.ButtonExportExcelProduse->geometry(),
              cauta = window.ButtonCauta->geometry();
  EXPECT_EQ(grid1, QRect(8, 58, 1268, 287));
  EXPECT_EQ(grid2, QRect(8, 378, 673, 325));
  EXPECT_EQ(grid3, QRect(696, 378, 580, 325));
  window.resize(window.width() + 200, window.height() + 200);
  EXPECT_EQ(window.cxGrid1->geometry(), grid1.adjusted(0, 0, 200, 200));
  EXPECT_EQ(window.cxGrid2->geometry(), grid2.translated(0, 200));
  EXPECT_EQ(window.cxGrid3->geometry(), grid3.adjusted(0, 200, 200, 200));
  EXPECT_EQ(window.Label4->geometry(), label4.translated(0, 200));
  EXPECT_EQ(window.ButtonExportExcelProduse->geometry(), export2.translated(0, 200));
  EXPECT_EQ(window.ButtonCauta->geometry(), cauta);
}

TEST_F(ReportWindowTest, ClosingOnlyHidesTheWindowWithItsDatesAndRows) {
  search({2026, 3, 1}, {2026, 3, 31});
  window.close();
  EXPECT_FALSE(window.isVisible());
  window.show();
  EXPECT_EQ(window.cxDateEditDataIncep->value(), QDate(2026, 3, 1));
  EXPECT_EQ(window.dsLivrari.recordCount(), 9);
  EXPECT_EQ(window.cxGrid1->model().rowCount(), 9);
}

}  // namespace

namespace {

TEST(ReportStatements, KeepTheirLinesAndCommentsAsWritten) {
  const QStringList livrari = wv::report::livrariStatement();
  const QStringList clienti = wv::report::clientiStatement();
  const QStringList produse = wv::report::produseStatement();
  EXPECT_EQ(livrari.size(), 69);
  EXPECT_EQ(clienti.size(), 120);
  EXPECT_EQ(produse.size(), 84);
  EXPECT_EQ(livrari.first(), QStringLiteral("select "));  // the trailing blank is part of the text
  EXPECT_EQ(produse.last(), QString());
  EXPECT_EQ(clienti.last(), QStringLiteral(";"));
  // The inner deliveries statement differs only by the comment glued to :pProducator.
  const QString glued = QStringLiteral(
      "  and articol.producator = :pProducator--'RIROZE - DAVOVEROZ ID EVOREVEVUZA VE DAZUVOV "
      "IREDORAVOR ADE'");
  EXPECT_TRUE(clienti.contains(glued));
  EXPECT_TRUE(produse.contains(glued));
  EXPECT_EQ(
      clienti.mid(44, 69).join(QLatin1Char('\n')),
      QStringList(livrari)
          .replaceInStrings(QStringLiteral(":pProducator -- '"), QStringLiteral(":pProducator--'"))
          .join(QLatin1Char('\n')));
}

}  // namespace
