#pragma once

#include <QString>

#include "platform/pg/FieldType.h"

// Internal to the PostgreSQL layer: the server types that result fields and parameters meet.
namespace wv::pg::oid {

inline constexpr unsigned kBool = 16;
inline constexpr unsigned kName = 19;
inline constexpr unsigned kInt8 = 20;
inline constexpr unsigned kInt2 = 21;
inline constexpr unsigned kInt4 = 23;
inline constexpr unsigned kText = 25;
inline constexpr unsigned kFloat4 = 700;
inline constexpr unsigned kFloat8 = 701;
inline constexpr unsigned kBpchar = 1042;
inline constexpr unsigned kVarchar = 1043;
inline constexpr unsigned kDate = 1082;
inline constexpr unsigned kTimestamp = 1114;
inline constexpr unsigned kTimestamptz = 1184;
inline constexpr unsigned kNumeric = 1700;

// Whether a field of this type can hold the server's values of this type.
bool fieldAccepts(FieldType field, unsigned type);
// The server's name of the type, for messages.
QString typeName(unsigned type);

}  // namespace wv::pg::oid
