#include "platform/pg/BinaryValues.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string>

#include "platform/error/Error.h"

namespace wv::pg::binary {

namespace {
constexpr uint16_t kPositive = 0x0000;
constexpr uint16_t kNegative = 0x4000;
constexpr uint16_t kNaN = 0xC000;
constexpr uint16_t kPlusInfinity = 0xD000;
constexpr uint16_t kMinusInfinity = 0xF000;
constexpr int kBaseDigits = 4;  // numeric digits are base 10000

[[noreturn]] void malformed() {
  throw Error(QStringLiteral("Malformed numeric value from the server"));
}
}  // namespace

// The base-10000 digits are written out as decimal text and read back with from_chars, which
// rounds exactly; summing them in floating point would not.
double numericValue(std::string_view bytes) {
  if (bytes.size() < 8) malformed();
  const char* p = bytes.data();
  const int digitCount = static_cast<uint16_t>(int16At(p));
  const int weight = int16At(p + 2);
  const uint16_t sign = static_cast<uint16_t>(int16At(p + 4));
  if (sign == kNaN) return std::numeric_limits<double>::quiet_NaN();
  if (sign == kPlusInfinity) return std::numeric_limits<double>::infinity();
  if (sign == kMinusInfinity) return -std::numeric_limits<double>::infinity();
  if ((sign != kPositive && sign != kNegative) || bytes.size() != 8 + 2 * size_t(digitCount))
    malformed();
  if (digitCount == 0) return 0.0;
  const auto digitAt = [digits = p + 8](int i) { return int16At(digits + 2 * std::ptrdiff_t{i}); };

  // Clinger's fast path: an integer below 2^53 and a power of ten up to 1e22 are both exact
  // doubles, so one multiplication or division rounds the value correctly.
  constexpr int kFastGroups = 4;
  constexpr uint64_t kExactIntegers = uint64_t{1} << 53;
  static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                            1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  const int exponent = kBaseDigits * (weight - digitCount + 1);
  if (digitCount <= kFastGroups && exponent >= -22 && exponent <= 22) {
    uint64_t mantissa = 0;
    bool valid = true;
    for (int i = 0; i < digitCount; ++i) {
      const int digit = digitAt(i);
      valid = valid && digit >= 0 && digit <= 9999;
      mantissa = mantissa * 10000 + static_cast<uint64_t>(digit);
    }
    if (!valid) malformed();
    if (mantissa < kExactIntegers) {
      const double m = static_cast<double>(mantissa);
      const double value = exponent >= 0 ? m * kPowersOfTen[exponent] : m / kPowersOfTen[-exponent];
      return sign == kNegative ? -value : value;
    }
  }

  thread_local std::string text;
  text.clear();
  if (sign == kNegative) text += '-';
  for (int i = 0; i < digitCount; ++i) {
    const int digit = digitAt(i);
    if (digit < 0 || digit > 9999) malformed();
    const char group[kBaseDigits] = {char('0' + digit / 1000), char('0' + digit / 100 % 10),
                                     char('0' + digit / 10 % 10), char('0' + digit % 10)};
    text.append(group, kBaseDigits);
  }
  text += 'e';
  text += std::to_string(exponent);

  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec == std::errc::result_out_of_range) {
    // Too large for a double, or too small to be anything but zero.
    value = weight >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
    if (sign == kNegative) value = -value;
  } else if (ec != std::errc()) {
    malformed();
  }
  return value;
}

}  // namespace wv::pg::binary
