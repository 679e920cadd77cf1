#include "platform/pg/ResultLoader.h"

#include <libpq-fe.h>

#include <optional>
#include <string_view>

#include "platform/error/Error.h"
#include "platform/pg/BinaryValues.h"
#include "platform/pg/TypeOids.h"

namespace wv::pg {

namespace {
constexpr int64_t kMicrosPerDay = int64_t{86400} * 1000000;

// How a column's binary values are read; the declared field type says how they are kept.
enum class Wire { Bool, Int2, Int4, Int8, Float4, Float8, Numeric, Date, Timestamp, Text };

Wire wireOf(unsigned type) {
  switch (type) {
    case oid::kBool:
      return Wire::Bool;
    case oid::kInt2:
      return Wire::Int2;
    case oid::kInt4:
      return Wire::Int4;
    case oid::kInt8:
      return Wire::Int8;
    case oid::kFloat4:
      return Wire::Float4;
    case oid::kFloat8:
      return Wire::Float8;
    case oid::kNumeric:
      return Wire::Numeric;
    case oid::kDate:
      return Wire::Date;
    case oid::kTimestamp:
    case oid::kTimestamptz:
      return Wire::Timestamp;
    default:
      return Wire::Text;  // only text types pass the field check otherwise
  }
}

std::vector<RowStore::ColumnInfo> storeColumns(const std::vector<FieldDef>& fields) {
  std::vector<RowStore::ColumnInfo> columns;
  columns.reserve(fields.size());
  for (const FieldDef& f : fields) columns.push_back({f.column, f.type});
  return columns;
}

int columnNamed(const PGresult* result, const QByteArray& name) {
  const int count = PQnfields(result);
  for (int i = 0; i < count; ++i)
    if (name == PQfname(result, i)) return i;
  return -1;
}

[[noreturn]] void malformedValue() {
  throw Error(QStringLiteral("Malformed value in the server's result"));
}

// A cell's bytes, or nothing for null; a null has length 0, so only an empty value needs the
// separate null check.
std::optional<std::string_view> cellOf(const PGresult* result, int row, int column) {
  const int length = PQgetlength(result, row, column);
  if (length == 0 && PQgetisnull(result, row, column)) return std::nullopt;
  return std::string_view(PQgetvalue(result, row, column), static_cast<size_t>(length));
}

int64_t dateAsMicros(int32_t days) {
  if (days == kDateInfinity) return kDateTimeInfinity;
  if (days == kDateMinusInfinity) return kDateTimeMinusInfinity;
  return days * kMicrosPerDay;
}
}  // namespace

struct ResultLoader::Binding {
  int source;  // the result's column
  Wire wire;
  FieldType type;
};

ResultLoader::ResultLoader(const Query& query)
    : query_(query), builder_(storeColumns(query.fieldDefs())) {}

ResultLoader::~ResultLoader() = default;

void ResultLoader::bindColumns(const PGresult* result) {
  const std::vector<FieldDef>& fields = query_.fieldDefs();
  bindings_.clear();
  for (const FieldDef& f : fields) {
    const QString described =
        QStringLiteral("Field \"%1\" (%2)").arg(f.column, query_.fieldName(f.column));
    const int source = columnNamed(result, f.column.toUtf8());
    if (source < 0) throw Error(described + QStringLiteral(" is missing from the result"));
    const unsigned type = PQftype(result, source);
    if (!oid::fieldAccepts(f.type, type))
      throw Error(described + QStringLiteral(" expects %1, the result gives %2")
                                  .arg(fieldTypeName(f.type), oid::typeName(type)));
    bindings_.push_back({source, wireOf(type), f.type});
  }
  bound_ = true;
}

void ResultLoader::addRows(const PGresult* result) {
  const int count = PQntuples(result);
  for (int row = 0; row < count; ++row) {
    for (size_t field = 0; field < bindings_.size(); ++field) {
      const Binding& b = bindings_[field];
      if (const auto value = cellOf(result, row, b.source))  // a field not set stays null
        storeValue(b, static_cast<int>(field), *value);
    }
    builder_.endRow();
  }
}

void ResultLoader::storeValue(const Binding& b, int field, std::string_view value) {
  const char* v = value.data();
  auto needs = [&value](size_t bytes) {
    if (value.size() != bytes) malformedValue();
  };
  switch (b.wire) {
    case Wire::Text:
      builder_.setText(field, value);
      break;
    case Wire::Bool:
      needs(1);
      builder_.setBool(field, *v != 0);
      break;
    case Wire::Int2:
    case Wire::Int4:
    case Wire::Int8: {
      const size_t bytes = b.wire == Wire::Int2 ? 2 : b.wire == Wire::Int4 ? 4 : 8;
      needs(bytes);
      const int64_t n = bytes == 2   ? binary::int16At(v)
                        : bytes == 4 ? binary::int32At(v)
                                     : binary::int64At(v);
      if (b.type == FieldType::Double)
        builder_.setDouble(field, static_cast<double>(n));
      else
        builder_.setInt(field, n);
      break;
    }
    case Wire::Float4:
      needs(4);
      builder_.setDouble(field, binary::float4At(v));
      break;
    case Wire::Float8:
      needs(8);
      builder_.setDouble(field, binary::float8At(v));
      break;
    case Wire::Numeric:
      builder_.setDouble(field, binary::numericValue(value));
      break;
    case Wire::Date: {
      needs(4);
      const int32_t days = binary::int32At(v);
      if (b.type == FieldType::DateTime)
        builder_.setDateTime(field, dateAsMicros(days));
      else
        builder_.setDate(field, days);
      break;
    }
    case Wire::Timestamp:
      needs(8);
      builder_.setDateTime(field, binary::int64At(v));
      break;
  }
}

std::shared_ptr<const RowStore> ResultLoader::finish() {
  return builder_.finish();
}

}  // namespace wv::pg
