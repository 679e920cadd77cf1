#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

// Internal to the PostgreSQL layer: values in the server's binary result format, which is
// big-endian. Callers check each value's length before reading it.
namespace wv::pg::binary {

inline uint64_t bigEndian(const char* p, int bytes) {
  uint64_t v = 0;
  for (int i = 0; i < bytes; ++i) v = (v << 8) | static_cast<unsigned char>(p[i]);
  return v;
}

inline int16_t int16At(const char* p) {
  return static_cast<int16_t>(bigEndian(p, 2));
}
inline int32_t int32At(const char* p) {
  return static_cast<int32_t>(bigEndian(p, 4));
}
inline int64_t int64At(const char* p) {
  return static_cast<int64_t>(bigEndian(p, 8));
}

inline double float4At(const char* p) {
  const uint32_t bits = static_cast<uint32_t>(bigEndian(p, 4));
  float f;
  std::memcpy(&f, &bits, sizeof f);
  return f;
}

inline double float8At(const char* p) {
  const uint64_t bits = bigEndian(p, 8);
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

// A numeric value as the nearest double (NaN and the infinities included); throws wv::Error
// when the bytes are not a numeric value.
double numericValue(std::string_view bytes);

}  // namespace wv::pg::binary
