#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <optional>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "platform/grid/DataGrid.h"
#include "platform/grid/GridModel.h"
#include "tests/support/LoginFixture.h"
#include "tests/support/ProgramUnderTest.h"
#include "tests/support/TestCluster.h"

#if defined(__SANITIZE_ADDRESS__)
#define WV_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define WV_UNDER_ASAN 1
#endif
#endif

using namespace wv::test;

namespace {

const char* kCompany = "cycles_company";
const QString kFirma = QStringLiteral("Firma Cicluri");
constexpr int kCycles = 100;
constexpr int kWarmUpCycles = 10;  // fonts, styles and pooled sessions settle in these
constexpr size_t kAllowedGrowth = 2u << 20;

// Bytes in use on the heap, where the allocator tells: never under AddressSanitizer, whose
// allocator mallinfo2 does not see (LeakSanitizer checks that build at exit instead).
std::optional<size_t> heapInUse() {
#if defined(__GLIBC__) && !defined(WV_UNDER_ASAN)
  return mallinfo2().uordblks;
#else
  return std::nullopt;
#endif
}

// One user's whole session in fresh windows: sign in through the login dialog, "Cauta" over
// March 2026 (rows in all three grids), each grid exported to a workbook, the windows closed
// and destroyed.
void runSession(const QTemporaryDir& exports) {
  ProgramUnderTest program;
  program.attemptLogin(kFirma, QStringLiteral("ana"), QStringLiteral("secret"));
  ASSERT_TRUE(program.dialogs.messages.empty()) << program.dialogs.takeOnlyMessage().toStdString();
  ASSERT_TRUE(program.signedIn());

  program.search({2026, 3, 1}, {2026, 3, 31});
  ASSERT_TRUE(program.dialogs.messages.empty()) << program.dialogs.takeOnlyMessage().toStdString();
  TfDovad& report = program.report;
  ASSERT_EQ(report.cxGrid1->model().rowCount(), 9);
  ASSERT_EQ(report.cxGrid2->model().rowCount(), 2);
  ASSERT_EQ(report.cxGrid3->model().rowCount(), 6);

  for (QPushButton* button : {report.ButtonExportExcelLivrari, report.ButtonExportExcelProduse,
                              report.ButtonExportExcelClienti})
    program.exportGrid(button, exports.filePath(button->objectName() + QStringLiteral(".xlsx")));
  ASSERT_TRUE(program.dialogs.messages.empty()) << program.dialogs.takeOnlyMessage().toStdString();
  ASSERT_EQ(program.dialogs.openedFiles.size(), 3);
  for (const QString& written : program.dialogs.openedFiles) {
    ASSERT_GT(QFileInfo(written).size(), 0) << written.toStdString();
    QFile::remove(written);
  }
  report.close();
}

// The registry row and the company are this test's own; the registry database is made only
// when missing, so other programs' rows in it stay.
class SessionCycles : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (adminValue("postgres", "SELECT count(*) FROM pg_database WHERE datname = 'vek_mob'") == "0")
      recreateRegistry();
    setRegistryRow(kFirma.toStdString(), kCompany, clusterPortSql(), "NULL");
    recreateReportCompany(kCompany);
  }
};

TEST_F(SessionCycles, AHundredSessionsLeaveTheHeapWhereItWasAfterTheFirstTen) {
  const QTemporaryDir exports;
  std::optional<size_t> settled;
  for (int cycle = 1; cycle <= kCycles; ++cycle) {
    SCOPED_TRACE("cycle " + std::to_string(cycle));
    runSession(exports);
    if (HasFailure()) return;
    // What the event loop does between a user's clicks: the window system's show, expose and
    // close events are handled (they queue up otherwise) and deferred deletions run.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (cycle == kWarmUpCycles) settled = heapInUse();
  }
  const std::optional<size_t> last = heapInUse();
  if (settled && last) {
    EXPECT_LE(*last, *settled + kAllowedGrowth)
        << "the heap grew by " << (*last - *settled) << " bytes over " << kCycles - kWarmUpCycles
        << " sessions";
  }
}

}  // namespace
