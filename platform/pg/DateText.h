#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

namespace wv::pg {

// Dates as PostgreSQL writes them: at least four year digits and " BC" for years before 1
// (Qt's ISO form has no text for those, nor for years past 9999).
QString dateText(const QDate& date);
// The date, "T", the time of day to the millisecond, and " BC" where it applies.
QString dateTimeText(const QDateTime& dateTime);

}  // namespace wv::pg
