#include <gtest/gtest.h>

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include "data/DataModule.h"
#include "platform/shell/DateEdit.h"
#include "platform/shell/KnownFolders.h"
#include "report/GridExport.h"
#include "report/ReportWindow.h"
#include "tests/grid/XlsxReadBack.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/LoginFixture.h"
#include "tests/support/TestCluster.h"

namespace {

const char* kDatabase = "exporttest_company";
const QString kNoRecords = QStringLiteral("Nu aveti inregistrari, apasati butonul \"Cauta\"");

class GridExportTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { wv::test::recreateReportCompany(kDatabase); }

  GridExportTest() {
    wv::test::pointAtTestDatabase(dm.conVek, kDatabase);
    window.show();
  }

  void search() {
    window.cxDateEditDataIncep->setValue({2026, 3, 1});
    window.cxDateEditDataSf->setValue({2026, 3, 31});
    window.ButtonCauta->click();
    ASSERT_TRUE(dialogs.messages.empty());
  }

  struct Export {
    QPushButton* button;
    const wv::pg::Query& query;
    QString prefix;
  };
  std::vector<Export> exports() {
    return {{window.ButtonExportExcelLivrari, window.dsLivrari, "Livrari_DOVAD_"},
            {window.ButtonExportExcelProduse, window.dsProduse, "Produse_DOVAD_"},
            {window.ButtonExportExcelClienti, window.dsClienti, "Clienti_DOVAD_"}};
  }

  QTemporaryDir dir;
  wv::test::FakeDialogs dialogs;
  TdmCon dm;
  TfDovad window{dm};
};

TEST_F(GridExportTest, WithoutRecordsTheButtonsRefuseBeforeAnyDialog) {
  for (const Export& e : exports()) {
    e.button->click();
    EXPECT_EQ(dialogs.takeOnlyMessage(), kNoRecords);
  }
  EXPECT_TRUE(dialogs.saveRequests.empty());
  EXPECT_TRUE(dialogs.openedFiles.isEmpty());
}

TEST_F(GridExportTest, EachButtonWritesItsGridAndOpensTheWorkbook) {
  search();
  for (const Export& e : exports()) {
    SCOPED_TRACE(e.prefix.toStdString());
    const QString chosen = dir.filePath(e.prefix + "raport.txt");
    dialogs.saveAnswers.emplace_back(chosen);
    e.button->click();
    EXPECT_TRUE(dialogs.messages.empty());
    // The dialog's filter and proposal are set anew each time, whatever was chosen before.
    const wv::shell::SaveFileRequest& asked = dialogs.saveRequests.back();
    EXPECT_EQ(asked.filter, "*.xlsx");
    EXPECT_EQ(asked.fileName, wv::report::proposedExportName(e.prefix, QDate::currentDate()));
    const QString written = dir.filePath(e.prefix + "raport.xlsx");
    EXPECT_EQ(dialogs.openedFiles.back(), written);
    const auto book = wv::test::readWorkbook(written);
    EXPECT_EQ(book.sheets, QStringList{e.prefix + "raport"});
    EXPECT_EQ(static_cast<int>(book.rows.size()), e.query.recordCount() + 1);
    wv::test::expectLibreOfficeReadsTheSame(written, book);
  }
  // Bar codes stay text with their leading zeros.
  const auto products = wv::test::readWorkbook(dir.filePath("Produse_DOVAD_raport.xlsx"));
  bool barCodeFound = false;
  for (const QStringList& row : products.rows) barCodeFound |= row.contains("s:0059000000017");
  EXPECT_TRUE(barCodeFound);
}

TEST_F(GridExportTest, ACancelledDialogDoesNothing) {
  search();
  window.ButtonExportExcelClienti->click();
  EXPECT_EQ(dialogs.saveRequests.size(), 1u);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(dialogs.openedFiles.isEmpty());
}

TEST_F(GridExportTest, ATargetThatCannotBeCreatedIsReportedAndNothingOpens) {
  search();
  QFile plain(dir.filePath("plain"));
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.close();
  dialogs.saveAnswers.emplace_back(dir.filePath("plain/raport"));
  window.ButtonExportExcelLivrari->click();
  EXPECT_EQ(dialogs.takeOnlyMessage(), QStringLiteral("Cannot create file \"%1\". Not a directory.")
                                           .arg(dir.filePath("plain/raport.xlsx")));
  EXPECT_TRUE(dialogs.openedFiles.isEmpty());
}

TEST(ProposedExportName, TheDateTakesTheShortFormatWithoutFolderSeparators) {
  const QString folder = wv::shell::commonAppDataFolder() + wv::shell::pathSeparator();
  const QDate day(2025, 12, 9);
  EXPECT_EQ(wv::report::proposedExportName("Livrari_DOVAD_", day, QLocale(QLocale::Romanian)),
            folder + "Livrari_DOVAD_09.12.2025.xlsx");
  EXPECT_EQ(wv::report::proposedExportName("Clienti_DOVAD_", day,
                                           QLocale(QLocale::English, QLocale::UnitedStates)),
            folder + "Clienti_DOVAD_12-9-25.xlsx");
}

}  // namespace
