#include "platform/pg/FieldType.h"

namespace wv::pg {

QString fieldTypeName(FieldType type) {
  switch (type) {
    case FieldType::Text:
      return QStringLiteral("text");
    case FieldType::LongText:
      return QStringLiteral("long text");
    case FieldType::Int32:
      return QStringLiteral("32-bit integer");
    case FieldType::Int64:
      return QStringLiteral("64-bit integer");
    case FieldType::Double:
      return QStringLiteral("double");
    case FieldType::Date:
      return QStringLiteral("date");
    case FieldType::DateTime:
      return QStringLiteral("date-time");
    case FieldType::Boolean:
      return QStringLiteral("boolean");
  }
  return {};
}

}  // namespace wv::pg
