#include <gtest/gtest.h>

#include <QPushButton>
#include <QTemporaryDir>

#include "platform/grid/DataGrid.h"
#include "platform/grid/GridModel.h"
#include "tests/grid/XlsxReadBack.h"
#include "tests/support/LoginFixture.h"
#include "tests/support/ProgramUnderTest.h"
#include "tests/support/TestCluster.h"

using namespace wv::test;

namespace {

const char* kDatabase = "faults_values";

// A company whose columns are wider than usual (the company database lies outside the program)
// and whose March 2026 rows hold the edges of every type: nulls wherever the statements let
// them through, 10,000-character texts outside the basic plane, numbers beyond double's
// range, NaN and infinities, and the first and last dates PostgreSQL knows.
const char* kEdgeRows = R"sql(
ALTER TABLE articol ALTER COLUMN articol TYPE text, ALTER COLUMN cod_bare TYPE text,
  ALTER COLUMN cod_art TYPE text, ALTER COLUMN proc_tva TYPE numeric;
ALTER TABLE doc_poz ALTER COLUMN articol TYPE text, ALTER COLUMN pret TYPE numeric,
  ALTER COLUMN lot TYPE text;
ALTER TABLE doc_poz_stoc ALTER COLUMN cant TYPE numeric;
ALTER TABLE partener ALTER COLUMN partener TYPE text, ALTER COLUMN telefon TYPE text;
ALTER TABLE partener_punct_lucru ALTER COLUMN partener TYPE text;
ALTER TABLE doc ALTER COLUMN partener TYPE text;

INSERT INTO articol (articol, brand, producator, cod_bare, cod_art, proc_tva) VALUES
  (repeat('𝔸ș', 5000), 'Danone AMN', 'RIROZE - DAVOVEROZ ID EVOREVEVUZA VE DAZUVOV IREDORAVOR ADE',
   repeat('0', 10000), E'tab\there\nnewline \x01 & <x>', 'NaN'),
  ('Extrem', 'Danone AMN', 'RIROZE - DAVOVEROZ ID EVOREVEVUZA VE DAZUVOV IREDORAVOR ADE',
   NULL, NULL, 'Infinity');
INSERT INTO partener (partener, partener_id, telefon) VALUES
  (repeat('😀', 10000), 9223372036854775807, repeat('=1+', 3000)),
  ('Gol', -9223372036854775808, NULL);
INSERT INTO doc (data_doc, tip_doc, nr_doc, partener, partener_punct_lucru) VALUES
  ('2026-03-20', 'FactCI', 'H1', repeat('😀', 10000), NULL),
  ('2026-03-21', 'FactCI', 'H2', 'Gol', NULL),
  ('2026-03-22', 'FactCI', 'H3', NULL, NULL);
INSERT INTO doc_poz (data_doc, tip_doc, nr_doc, scv, articol, pret, lot, data_expirare) VALUES
  ('2026-02-01', 'NIR', 'N1', 90, repeat('𝔸ș', 5000), 1, repeat('L', 10000), '4713-01-01 BC'),
  ('2026-02-01', 'NIR', 'N1', 91, 'Extrem', 1, NULL, '5874897-12-31'),
  ('2026-03-20', 'FactCI', 'H1', 1, repeat('𝔸ș', 5000), 'NaN', repeat('L', 10000), '4713-01-01 BC'),
  ('2026-03-20', 'FactCI', 'H1', 2, 'Extrem', 'Infinity', NULL, '5874897-12-31'),
  ('2026-03-21', 'FactCI', 'H2', 1, 'Extrem', '-Infinity', NULL, 'infinity'),
  ('2026-03-21', 'FactCI', 'H2', 2, 'Extrem', 1e400, NULL, '-infinity'),
  ('2026-03-22', 'FactCI', 'H3', 1, 'Extrem', NULL, NULL, NULL);
INSERT INTO doc_poz_stoc (data_doc_e, tip_doc_e, nr_doc_e, scv_e, data_doc_i, tip_doc_i, nr_doc_i, scv_i, cant) VALUES
  ('2026-03-20', 'FactCI', 'H1', 1, '2026-02-01', 'NIR', 'N1', 90, 'NaN'),
  ('2026-03-20', 'FactCI', 'H1', 2, '2026-02-01', 'NIR', 'N1', 91, 1e-400),
  ('2026-03-21', 'FactCI', 'H2', 1, '2026-02-01', 'NIR', 'N1', 91, -1e308),
  ('2026-03-21', 'FactCI', 'H2', 2, '2026-02-01', 'NIR', 'N1', 91, 'Infinity'),
  ('2026-03-22', 'FactCI', 'H3', 1, '2026-02-01', 'NIR', 'N1', 91, 0);
)sql";

// The delivery of the long article on H1: its cells as they were in the database, or as
// text where a workbook has no value that stands for them.
void expectEdgeDeliveryKept(const ReadWorkbook& book) {
  const QString emoji = QString::fromUtf8("😀");
  for (const QStringList& row : book.rows) {
    if (!row.contains(QStringLiteral("s:H1")) || !row.contains(QStringLiteral("n:90"))) continue;
    EXPECT_TRUE(row.contains(QStringLiteral("s:") + emoji.repeated(10000)));
    EXPECT_TRUE(row.contains(QStringLiteral("s:9223372036854775807")));
    EXPECT_TRUE(row.contains(QStringLiteral("s:") + QString(10000, QLatin1Char('0'))));
    EXPECT_TRUE(row.contains(QStringLiteral("s:NaN")));
    EXPECT_TRUE(row.contains(QStringLiteral("s:4713-01-01 BC")));
    return;
  }
  ADD_FAILURE() << "the delivery of H1 is missing";
}

TEST(HostileValues, AreShownSortedGroupedAndExportedWithoutHarm) {
  recreateReportCompany(kDatabase);
  adminExec(kDatabase, kEdgeRows);

  ProgramUnderTest program;
  TfDovad& report = program.report;
  pointAtTestDatabase(program.dm.conVek, kDatabase);
  program.search({2026, 3, 1}, {2026, 3, 31});
  ASSERT_TRUE(program.dialogs.messages.empty()) << program.dialogs.takeOnlyMessage().toStdString();
  ASSERT_EQ(report.dsLivrari.recordCount(), 9 + 5);

  QTemporaryDir dir;
  const std::pair<wv::grid::DataGrid*, QPushButton*> grids[] = {
      {report.cxGrid1, report.ButtonExportExcelLivrari},
      {report.cxGrid2, report.ButtonExportExcelProduse},
      {report.cxGrid3, report.ButtonExportExcelClienti}};
  for (const auto& [grid, button] : grids) {
    SCOPED_TRACE(button->objectName().toStdString());
    wv::grid::GridModel& model = grid->model();
    const int rows = model.rowCount();
    for (int c = 0; c < model.columnCount(); ++c) {
      model.clickSort(c, wv::grid::SortClick::Replace);
      model.clickSort(c, wv::grid::SortClick::Replace);  // and the other way round
      EXPECT_FALSE(grid->grab().isNull());
    }
    model.groupBy(0, 0);
    EXPECT_FALSE(grid->grab().isNull());

    const QString path = dir.filePath(button->objectName() + QStringLiteral(".xlsx"));
    program.exportGrid(button, path);
    EXPECT_TRUE(program.dialogs.messages.empty());
    const ReadWorkbook book = readWorkbook(path);
    EXPECT_GT(static_cast<int>(book.rows.size()), rows);  // header and group rows besides
    if (grid == report.cxGrid1) expectEdgeDeliveryKept(book);
  }
}

}  // namespace
