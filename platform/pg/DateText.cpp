#include "platform/pg/DateText.h"

namespace wv::pg {

namespace {
// QDate counts 1 BC as year -1; PostgreSQL writes it as 0001 with the era after the date.
QString dayText(const QDate& date) {
  const int year = date.year();
  return QStringLiteral("%1-%2-%3")
      .arg(year < 0 ? -year : year, 4, 10, QLatin1Char('0'))
      .arg(date.month(), 2, 10, QLatin1Char('0'))
      .arg(date.day(), 2, 10, QLatin1Char('0'));
}

QString eraSuffix(const QDate& date) {
  return date.year() < 0 ? QStringLiteral(" BC") : QString();
}
}  // namespace

QString dateText(const QDate& date) {
  return dayText(date) + eraSuffix(date);
}

QString dateTimeText(const QDateTime& dateTime) {
  const QDate date = dateTime.date();
  return dayText(date) + u'T' + dateTime.time().toString(QStringLiteral("HH:mm:ss.zzz")) +
         eraSuffix(date);
}

}  // namespace wv::pg
