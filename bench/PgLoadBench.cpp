// Loads every row of a deliveries-shaped table into the row store through a Query, the way
// the report loads its result, and prints the time taken and the process's peak memory.
//   bench_pg_load HOST PORT DATABASE USER PASSWORD TABLE
#include <sys/resource.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>

#include "platform/error/Error.h"
#include "platform/pg/Connection.h"
#include "platform/pg/Query.h"
#include "report/ReportFields.h"

using namespace wv::pg;

namespace {

double peakMib() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // KiB on Linux
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 7) {
    std::fprintf(stderr, "usage: %s HOST PORT DATABASE USER PASSWORD TABLE\n", argv[0]);
    return 2;
  }
  QCoreApplication app(argc, argv);
  Connection connection(QStringLiteral("bench_pg_load"));
  connection.setServer(QString::fromUtf8(argv[1]));
  connection.setPort(std::atoi(argv[2]));
  connection.setDatabase(QString::fromUtf8(argv[3]));
  connection.setUsername(QString::fromUtf8(argv[4]));
  connection.setPassword(QString::fromUtf8(argv[5]));
  connection.setSslMode(smPrefer);
  Query query(QStringLiteral("dsLivrari"), connection,
              {QStringLiteral("select * from %1").arg(QString::fromUtf8(argv[6]))}, {},
              wv::report::livrariFields());
  try {
    const auto start = std::chrono::steady_clock::now();
    query.open();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("rows=%d seconds=%.3f store_mib=%.1f peak_mib=%.1f\n", query.recordCount(),
                took.count(), static_cast<double>(query.rows()->memoryBytes()) / 1048576.0,
                peakMib());
  } catch (const wv::Error& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
