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

inline bool isTextType(FieldType type) {
  return type == FieldType::Text || type == FieldType::LongText;
}
inline bool isNumericType(FieldType type) {
  return type == FieldType::Int32 || type == FieldType::Int64 || type == FieldType::Double;
}
QString fieldTypeName(FieldType type);

}  // namespace wv::pg
