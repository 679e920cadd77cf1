#pragma once

#include <QString>

namespace wv::pg {

// The types a declared result field can have; the row store keeps each in its own compact form.
enum class FieldType {
  Text,      // text of at most `size` characters
  LongText,  // text without a declared length
  Int32,
  Int64,
  Double,
  Date,      // a calendar day
  DateTime,  // a day and a time of day
  Boolean,
};

bool isTextType(FieldType type);
bool isNumericType(FieldType type);
QString fieldTypeName(FieldType type);

}  // namespace wv::pg
