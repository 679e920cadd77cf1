// Measures the .xlsx export of a deliveries grid: export_bench ROWS FILE
// Prints one line: seconds=... peak_growth_mib=... bytes=...
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>
#include <fstream>
#include <string>

#include "bench/grid/DeliveriesData.h"
#include "platform/grid/DataGrid.h"
#include "platform/grid/XlsxExport.h"
#include "report/ReportColumns.h"

namespace {

// A figure of /proc/self/status in kB, by its key such as "VmHWM:".
long statusKb(const std::string& key) {
  std::ifstream status("/proc/self/status");
  std::string word;
  while (status >> word) {
    if (word != key) continue;
    long kb = 0;
    status >> kb;
    return kb;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int rows = argc > 1 ? std::stoi(argv[1]) : 1000000;
  const QString file = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("export.xlsx");

  wv::grid::DataGrid grid(wv::report::livrariColumns());
  grid.setRowStore(wv::bench::makeDeliveries(rows));

  std::ofstream("/proc/self/clear_refs") << "5";  // the peak starts again from here
  const long before = statusKb("VmRSS:");
  QElapsedTimer timer;
  timer.start();
  const QString written = wv::grid::exportGridToXlsx(grid, file);
  const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
  const long peak = statusKb("VmHWM:");
  std::printf("seconds=%.3f peak_growth_mib=%.1f bytes=%lld\n", seconds,
              static_cast<double>(peak - before) / 1024.0,
              static_cast<long long>(QFileInfo(written).size()));
  return 0;
}
