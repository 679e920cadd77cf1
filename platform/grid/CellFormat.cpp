#include "platform/grid/CellFormat.h"

namespace wv::grid {

using pg::FieldType;

CellFormat::CellFormat(const QLocale& locale)
    : locale_(locale),
      dateFormat_(locale.dateFormat(QLocale::ShortFormat)),
      dateTimeFormat_(dateFormat_ + QLatin1Char(' ') + locale.timeFormat(QLocale::ShortFormat)) {
  locale_.setNumberOptions(QLocale::OmitGroupSeparator);
}

QString CellFormat::integer(int64_t value) const {
  return locale_.toString(qlonglong{value});
}

// Fifteen significant digits, as many as a double holds exactly: 700.245 computed as
// 700.24499999999989 shows as 700.245.
QString CellFormat::number(double value) const {
  return locale_.toString(value, 'g', 15);
}

QString CellFormat::date(int32_t days) const {
  if (days == pg::kDateInfinity) return QStringLiteral("infinity");
  if (days == pg::kDateMinusInfinity) return QStringLiteral("-infinity");
  return locale_.toString(pg::dateFromDays(days), dateFormat_);
}

QString CellFormat::text(const pg::RowStore& store, int row, int field) const {
  if (field < 0 || store.isNull(row, field)) return {};
  switch (store.column(field).type) {
    case FieldType::Text:
    case FieldType::LongText:
      return store.dictionaryText(field, store.textCode(row, field));
    case FieldType::Int32:
    case FieldType::Int64:
      return integer(store.intValue(row, field));
    case FieldType::Double:
      return number(store.doubleValue(row, field));
    case FieldType::Date:
      return date(store.dateValue(row, field));
    case FieldType::DateTime: {
      const int64_t micros = store.dateTimeValue(row, field);
      if (micros == pg::kDateTimeInfinity || micros == pg::kDateTimeMinusInfinity)
        return store.text(row, field);
      return locale_.toString(pg::dateTimeFromMicros(micros), dateTimeFormat_);
    }
    case FieldType::Boolean:
      return store.boolValue(row, field) ? QStringLiteral("Da") : QStringLiteral("Nu");
  }
  return {};
}

}  // namespace wv::grid
