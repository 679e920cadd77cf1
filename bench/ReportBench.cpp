// "Cauta" on a big month: from the click to all three grids filled, through the real report
// window, and the whole program's peak memory afterwards.
//   bench_report HOST PORT DATABASE PASSWORD
#include <sys/resource.h>

#include <QApplication>
#include <QPushButton>
#include <chrono>
#include <cstdio>

#include "data/DataModule.h"
#include "platform/shell/DateEdit.h"
#include "report/ReportWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 5) {
    std::fprintf(stderr, "usage: bench_report HOST PORT DATABASE PASSWORD\n");
    return 2;
  }
  TdmCon dm;
  dm.conVek.setServer(QString::fromLocal8Bit(argv[1]));
  dm.conVek.setPort(QString::fromLocal8Bit(argv[2]).toInt());
  dm.conVek.setDatabase(QString::fromLocal8Bit(argv[3]));
  dm.conVek.setPassword(QString::fromLocal8Bit(argv[4]));
  dm.conVek.setSslMode(wv::pg::smPrefer);
  TfDovad window(dm);
  window.show();
  window.cxDateEditDataIncep->setValue(QDate(2026, 3, 1));
  window.cxDateEditDataSf->setValue(QDate(2026, 3, 31));

  const auto start = std::chrono::steady_clock::now();
  window.ButtonCauta->click();
  QApplication::processEvents();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("seconds=%.3f peak_mib=%.0f livrari=%d clienti=%d produse=%d\n", seconds,
              static_cast<double>(usage.ru_maxrss) / 1024.0, window.dsLivrari.recordCount(),
              window.dsClienti.recordCount(), window.dsProduse.recordCount());
  return window.dsLivrari.recordCount() > 0 ? 0 : 1;
}
