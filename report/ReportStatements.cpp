#include "report/ReportStatements.h"

namespace wv::report {

namespace {

QStringList lines(const char* text) {
  return QString::fromUtf8(text).split(QLatin1Char('\n'));
}

}  // namespace

QStringList livrariStatement() {
  return lines(sql::livrari);
}
QStringList clientiStatement() {
  return lines(sql::clienti);
}
QStringList produseStatement() {
  return lines(sql::produse);
}

}  // namespace wv::report
