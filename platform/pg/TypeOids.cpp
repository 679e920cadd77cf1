#include "platform/pg/TypeOids.h"

#include <algorithm>
#include <initializer_list>

namespace wv::pg::oid {

namespace {
bool oneOf(unsigned type, std::initializer_list<unsigned> types) {
  return std::find(types.begin(), types.end(), type) != types.end();
}
}  // namespace

bool fieldAccepts(FieldType field, unsigned type) {
  switch (field) {
    case FieldType::Text:
    case FieldType::LongText:
      return oneOf(type, {kText, kVarchar, kBpchar, kName});
    case FieldType::Int32:
      return oneOf(type, {kInt2, kInt4});
    case FieldType::Int64:
      return oneOf(type, {kInt2, kInt4, kInt8});
    case FieldType::Double:
      return oneOf(type, {kInt2, kInt4, kInt8, kFloat4, kFloat8, kNumeric});
    case FieldType::Date:
      return type == kDate;
    case FieldType::DateTime:
      return oneOf(type, {kTimestamp, kTimestamptz, kDate});
    case FieldType::Boolean:
      return type == kBool;
  }
  return false;
}

QString typeName(unsigned type) {
  struct Known {
    unsigned oid;
    const char* name;
  };
  static constexpr Known known[] = {
      {kBool, "bool"},
      {17, "bytea"},
      {18, "char"},
      {kName, "name"},
      {kInt8, "int8"},
      {kInt2, "int2"},
      {kInt4, "int4"},
      {kText, "text"},
      {26, "oid"},
      {114, "json"},
      {142, "xml"},
      {kFloat4, "float4"},
      {kFloat8, "float8"},
      {790, "money"},
      {869, "inet"},
      {kBpchar, "bpchar"},
      {kVarchar, "varchar"},
      {kDate, "date"},
      {1083, "time"},
      {kTimestamp, "timestamp"},
      {kTimestamptz, "timestamptz"},
      {1186, "interval"},
      {1266, "timetz"},
      {kNumeric, "numeric"},
      {2950, "uuid"},
      {3802, "jsonb"},
  };
  for (const Known& k : known)
    if (k.oid == type) return QString::fromLatin1(k.name);
  return QStringLiteral("type %1").arg(type);
}

}  // namespace wv::pg::oid
