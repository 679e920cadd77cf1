#include "report/ReportStatements.h"

#include <QFile>

namespace wv::report {

namespace {

QStringList statementLines(const QString& resource) {
  QFile file(resource);
  if (!file.open(QIODevice::ReadOnly))
    qFatal("statement resource %s is missing", qPrintable(resource));
  return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
}

}  // namespace

QStringList livrariStatement() {
  return statementLines(QStringLiteral(":/report/sql/livrari.sql"));
}
QStringList clientiStatement() {
  return statementLines(QStringLiteral(":/report/sql/clienti.sql"));
}
QStringList produseStatement() {
  return statementLines(QStringLiteral(":/report/sql/produse.sql"));
}

}  // namespace wv::report
