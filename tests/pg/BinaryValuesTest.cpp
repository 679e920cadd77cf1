#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/error/Error.h"
#include "platform/pg/BinaryValues.h"

using wv::pg::binary::numericValue;

namespace {

// A numeric in the server's binary form: digit count, weight, sign, scale, base-10000 digits.
std::string numeric(const std::vector<int>& words) {
  std::string bytes;
  for (int w : words) {
    bytes += static_cast<char>((w >> 8) & 0xFF);
    bytes += static_cast<char>(w & 0xFF);
  }
  return bytes;
}

TEST(BinaryValues, NumericsAreReadExactlyAndMalformedOnesRefused) {
  EXPECT_EQ(numericValue(numeric({1, 0, 0, 0, 12})), 12.0);
  EXPECT_EQ(numericValue(numeric({2, 0, 0x4000, 2, 12, 3400})), -12.34);
  EXPECT_EQ(numericValue(numeric({0, 0, 0, 0})), 0.0);
  EXPECT_TRUE(std::isnan(numericValue(numeric({0, 0, 0xC000, 0}))));
  EXPECT_EQ(numericValue(numeric({1, 200, 0, 0, 1})), HUGE_VAL);  // 1e800
  EXPECT_EQ(numericValue(numeric({1, -200, 0, 0, 1})), 0.0);      // 1e-800

  const std::string malformed[] = {
      "",
      numeric({1, 0, 0}),             // header cut short
      numeric({2, 0, 0, 0, 12}),      // fewer digits than counted
      numeric({1, 0, 0, 0, 12, 34}),  // more digits than counted
      numeric({1, 0, 0, 0, 10000}),   // not a base-10000 digit
      numeric({6, 0, 0, 0, 1, 2, 3, 4, 5, -1}),
      numeric({1, 0, 0x1234, 0, 12}),  // no such sign
  };
  for (const std::string& bytes : malformed)
    EXPECT_THROW(numericValue(bytes), wv::Error) << bytes.size() << " bytes";
}

}  // namespace
