#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <clocale>
#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "GridTestSupport.h"
#include "platform/error/Error.h"
#include "platform/grid/GridTable.h"
#include "platform/grid/XlsxExport.h"
#include "platform/grid/XlsxNames.h"
#include "platform/grid/XlsxWriter.h"
#include "platform/pg/RowStore.h"
#include "tests/grid/XlsxReadBack.h"

namespace wv::grid::test {
namespace {

using pg::FieldType;
using wv::test::readWorkbook;

QString errorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Error& e) {
    return e.message();
  }
  return QString();
}

// Every value type the grid holds: plain values; XML specials, control characters and values
// no number or date serial can stand for; all nulls; an over-long text and infinities;
// integers longer than a spreadsheet keeps and a date before the common era.
std::unique_ptr<DataGrid> typedGrid() {
  pg::RowStoreBuilder builder({{"text", FieldType::Text},
                               {"int", FieldType::Int64},
                               {"real", FieldType::Double},
                               {"day", FieldType::Date},
                               {"moment", FieldType::DateTime},
                               {"flag", FieldType::Boolean}});
  const auto micros = [](const QDateTime& t) {
    return QDateTime(QDate(2000, 1, 1), QTime(0, 0), t.timeSpec()).msecsTo(t) * 1000;
  };
  builder.setText(0, "007");
  builder.setInt(1, 42);
  builder.setDouble(2, 1.5);
  builder.setDate(3, pg::daysFromDate(QDate(2025, 12, 9)));
  builder.setDateTime(4, micros(QDateTime(QDate(2025, 12, 9), QTime(10, 30), Qt::UTC)));
  builder.setBool(5, true);
  builder.endRow();
  builder.setText(0, "a & <b> \"c\" 'd'\x01\x0b\xef\xbf\xbf _x0041_ end\r\n");
  builder.setInt(1, -3);
  builder.setDouble(2, std::nan(""));
  builder.setDate(3, pg::daysFromDate(QDate(1900, 2, 28)));  // before serials are safe
  builder.setDateTime(4, micros(QDateTime(QDate(1899, 12, 31), QTime(8, 0), Qt::UTC)));
  builder.setBool(5, false);
  builder.endRow();
  builder.endRow();  // every cell null
  const std::string longText(40000, 'x');
  builder.setText(0, longText);
  builder.setDouble(2, -std::numeric_limits<double>::infinity());
  builder.setDate(3, pg::daysFromDate(QDate(1900, 3, 1)));  // the first safe serial, 61
  builder.setInt(1, 999'999'999'999'999);  // the longest integer a spreadsheet keeps
  builder.setDateTime(4, pg::kDateTimeInfinity);
  builder.endRow();
  builder.setInt(1, 1'000'000'000'000'000);
  builder.setDate(3, pg::daysFromDate(QDate(-4713, 1, 1)));
  builder.endRow();
  auto grid = std::make_unique<DataGrid>(std::vector<GridColumn>{
      {"gText", "Text", "text", 70},
      {"gInt", "Int", "int", 70},
      {"gReal", "Real", "real", 70},
      {"gDay", "Day", "day", 70},
      {"gMoment", "Moment", "moment", 140},
      {"gFlag", "Flag", "flag", 35},
  });
  grid->setRowStore(builder.finish());
  return grid;
}

class XlsxExportTest : public ::testing::Test {
 protected:
  QString path(const QString& name) const { return dir.filePath(name); }
  QTemporaryDir dir;
};

TEST_F(XlsxExportTest, EveryValueKeepsItsTypeAndTextsSurviveTheXml) {
  auto grid = typedGrid();
  const QString written = exportGridToXlsx(*grid, path("typed"));
  EXPECT_EQ(written, path("typed.xlsx"));
  const auto book = readWorkbook(written);
  ASSERT_EQ(book.rows.size(), 6u);
  EXPECT_EQ(book.rows[0],
            (QStringList{"s:Text", "s:Int", "s:Real", "s:Day", "s:Moment", "s:Flag"}));
  EXPECT_EQ(book.rows[1], (QStringList{"s:007", "n:42", "n:1.5", "d:2025-12-09T00:00:00",
                                       "d:2025-12-09T10:30:00", "b:True"}));
  EXPECT_EQ(book.rows[2], (QStringList{"s:a & <b> \"c\" 'd' _x0041_ end\r\n", "n:-3", "s:NaN",
                                       "s:1900-02-28", "s:1899-12-31T08:00:00.000", "b:False"}));
  EXPECT_EQ(book.rows[3], (QStringList{"", "", "", "", "", ""}));
  EXPECT_EQ(book.rows[4], (QStringList{"s:" + QString(32767, 'x'), "n:999999999999999",
                                       "s:-Infinity", "d:1900-03-01T00:00:00", "s:infinity", ""}));
  EXPECT_EQ(book.rows[5], (QStringList{"", "s:1000000000000000", "", "s:4713-01-01 BC", "", ""}));
  const QJsonArray formats = book.raw.value("formats").toArray();
  EXPECT_EQ(formats[1].toArray()[3].toString(), "dd.mm.yyyy");
  EXPECT_EQ(formats[1].toArray()[4].toString(), "dd.mm.yyyy hh:mm:ss");
  wv::test::expectLibreOfficeReadsTheSame(written, book);
}

TEST_F(XlsxExportTest, TheSheetFollowsTheGridAsShownAndExpandsItsGroups) {
  auto grid = makeGrid();
  dropColumnOnHeader(*grid, Price, {1, 5});  // Pret becomes the first column
  typeFilter(*grid, Name, "a");              // drops the row without a name
  clickHeader(*grid, Day);
  dropColumnOnGroupBox(*grid, Code);  // groups collapsed

  const QString written = exportGridToXlsx(*grid, path("grouped.xlsx"));
  const auto book = readWorkbook(written);
  const std::vector<QStringList> expected = {
      {"s:Pret", "s:Nume", "s:Cant", "s:Data"},
      {"s:Cod: A (2)", "", "", ""},
      {"", "s:Maria", "n:100", ""},
      {"n:1.5", "s:Ștefan", "n:9", "d:2025-12-09T00:00:00"},
      {"s:Cod: B (2)", "", "", ""},
      {"n:2", "s:ștefan", "n:10", "d:2025-12-01T00:00:00"},
      {"n:0.5", "s:Ana", "n:10", "d:2025-12-09T00:00:00"},
      {"s:Cod: C (1)", "", "", ""},
      {"n:2", "s:STEFAN", "", "d:2025-11-30T00:00:00"},
  };
  EXPECT_EQ(book.rows, expected);
  wv::test::expectLibreOfficeReadsTheSame(written, book);
  EXPECT_EQ(book.sheets, QStringList{"grouped"});
  EXPECT_EQ(book.freeze, "A2");
  EXPECT_EQ(book.autofilter, "A1:D9");
  // Header and group rows bold in the grid's colours, data rows plain.
  EXPECT_EQ(book.raw.value("bold").toArray(),
            (QJsonArray{true, true, false, false, true, false, false, true, false}));
  const QJsonArray fills = book.raw.value("fill").toArray();
  EXPECT_EQ(fills[0].toString(), "FF316AC5");
  EXPECT_EQ(fills[1].toString(), "FFF1EFE2");
  EXPECT_TRUE(fills[2].isNull());
  EXPECT_NEAR(book.raw.value("widths").toArray()[0].toDouble(), 60 / 7.0, 0.01);
  // The export left every group expanded in the grid.
  EXPECT_EQ(shownRows(*grid), (QStringList{"G Cod: A (2)", "R 2", "R 0", "G Cod: B (2)", "R 1",
                                           "R 4", "G Cod: C (1)", "R 3"}));
}

TEST_F(XlsxExportTest, NumbersStayReadableUnderACommaDecimalLocale) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  ASSERT_TRUE(std::setlocale(LC_ALL, "ro_RO.UTF-8")) << "scripts/setup.sh generates ro_RO.UTF-8";
  auto grid = makeGrid();
  const QString written = exportGridToXlsx(*grid, path("ro"));
  std::setlocale(LC_ALL, previous.c_str());
  const auto book = readWorkbook(written);
  ASSERT_EQ(book.rows.size(), 7u);
  EXPECT_EQ(book.rows[1][2], "n:1.5");
  EXPECT_EQ(book.rows[6][2], "n:3.25");
  EXPECT_NEAR(book.raw.value("widths").toArray()[1].toDouble(), 60 / 7.0, 0.01);
}

TEST_F(XlsxExportTest, AnExistingFileIsReplaced) {
  const QString target = path("old.xlsx");
  QFile old(target);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write(QByteArray(1 << 20, 'z'));  // longer than the workbook: truncation matters
  old.close();
  auto grid = makeGrid();
  const auto book = readWorkbook(exportGridToXlsx(*grid, target));
  EXPECT_EQ(book.rows.size(), 7u);
}

TEST_F(XlsxExportTest, ATargetThatCannotBeCreatedIsAnError) {
  QFile plain(path("plain"));
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.close();
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.xlsx"));
  const struct {
    QString chosen;
    QString message;
  } cases[] = {
      {path("plain/raport"),
       QStringLiteral("Cannot create file \"%1\". Not a directory").arg(path("plain/raport.xlsx"))},
      {path("folder"),
       QStringLiteral("Cannot create file \"%1\". Is a directory").arg(path("folder.xlsx"))},
      {path("missing/raport.xlsx"),
       QStringLiteral("Cannot create file \"%1\". No such file or directory")
           .arg(path("missing/raport.xlsx"))},
  };
  auto grid = makeGrid();
  for (const auto& c : cases)
    EXPECT_EQ(errorOf([&] { exportGridToXlsx(*grid, c.chosen); }), c.message);
}

TEST_F(XlsxExportTest, AWriteThatFailsPartWayIsAnError) {
  auto grid = makeGrid();
  const QString message = errorOf([&] {
    XlsxWriter writer(QStringLiteral("/dev/full"), QStringLiteral("full"), grid->table().look());
    grid->walkRowsAsShown(writer);
    writer.finish();
  });
  EXPECT_TRUE(message.startsWith("Cannot write file \"/dev/full\".")) << message.toStdString();
}

TEST_F(XlsxExportTest, AFilterThatHidesEveryRowLeavesTheHeader) {
  auto grid = makeGrid();
  typeFilter(*grid, Quantity, ">1000");
  const auto book = readWorkbook(exportGridToXlsx(*grid, path("empty")));
  EXPECT_EQ(book.rows,
            (std::vector<QStringList>{{"s:Nume", "s:Cant", "s:Pret", "s:Data", "s:Cod"}}));
}

// The header and a sheet's worth of rows make one row too many: the file is left as it was.
TEST_F(XlsxExportTest, ATableLongerThanASheetIsRefusedBeforeTheFileIsTouched) {
  pg::RowStoreBuilder builder({{"n", FieldType::Int32}});
  for (long long i = 0; i < kSheetRowLimit; ++i) {
    builder.setInt(0, i);
    builder.endRow();
  }
  DataGrid grid({{"gN", "N", "n", 50}});
  grid.setRowStore(builder.finish());
  const QString target = path("keep.xlsx");
  QFile keep(target);
  ASSERT_TRUE(keep.open(QIODevice::WriteOnly));
  keep.write("old");
  keep.close();
  EXPECT_EQ(errorOf([&] { exportGridToXlsx(grid, target); }),
            "Lista are 1048577 randuri; o foaie Excel primeste cel mult 1048576.");
  ASSERT_TRUE(keep.open(QIODevice::ReadOnly));
  EXPECT_EQ(keep.readAll(), "old");
}

TEST(XlsxRowLimit, AFullSheetPassesOneRowMoreDoesNot) {
  EXPECT_EQ(errorOf([] { checkSheetRowCount(kSheetRowLimit); }), QString());
  EXPECT_EQ(errorOf([] { checkSheetRowCount(5, 4); }),
            "Lista are 5 randuri; o foaie Excel primeste cel mult 4.");
}

TEST(XlsxNames, FileAndSheetNames) {
  const struct {
    QString chosen;
    QString file;
    QString sheet;
  } cases[] = {
      {"/d/Livrari_DOVAD_09.12.2025.xlsx", "/d/Livrari_DOVAD_09.12.2025.xlsx",
       "Livrari_DOVAD_09.12.2025"},
      {"/d/raport", "/d/raport.xlsx", "raport"},
      {"/d/raport.txt", "/d/raport.xlsx", "raport"},
      {"/d.x/raport", "/d.x/raport.xlsx", "raport"},
      {"/d/a.b.c", "/d/a.b.xlsx", "a.b"},
      {"/d/0123456789012345678901234567890123456789",
       "/d/0123456789012345678901234567890123456789.xlsx", "0123456789012345678901234567890"},
      {"/d/a*b?c[d]e:f\\g.xlsx", "/d/a*b?c[d]e:f\\g.xlsx", "a b c d e f g"},
      {QString("/d/a") + QChar(0) + "b" + QChar(3) + "c",
       QString("/d/a") + QChar(0) + "b" + QChar(3) + "c.xlsx", "a b c"},
      {"/d/'''.xlsx", "/d/'''.xlsx", "Sheet1"},
      {"/d/''it's''.xlsx", "/d/''it's''.xlsx", "it's"},
      {"/d/" + QString(30, 'a') + "'b", "/d/" + QString(30, 'a') + "'b.xlsx", QString(30, 'a')},
      {"/d/history", "/d/history.xlsx", "history_"},
      {"/d/History 1", "/d/History 1.xlsx", "History 1"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(xlsxFileName(c.chosen), c.file);
    EXPECT_EQ(xlsxSheetName(c.file), c.sheet);
  }
}

TEST_F(XlsxExportTest, ReadersTakeTheSheetNameWithQuotesAndSpecials) {
  auto grid = makeGrid();
  const QString written = exportGridToXlsx(*grid, path("it's a & b <c>"));
  const auto book = readWorkbook(written);
  EXPECT_EQ(book.sheets, QStringList{"it's a & b <c>"});
  wv::test::expectLibreOfficeReadsTheSame(written, book);
  EXPECT_EQ(book.autofilter, "A1:E7");
}

}  // namespace
}  // namespace wv::grid::test
