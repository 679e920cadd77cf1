#include "platform/grid/RowOrder.h"

#include <algorithm>
#include <array>
#include <limits>

namespace wv::grid {

namespace {
// A row with its key in 32-bit words, least significant first: keys that fit in 32 bits take
// 8 bytes a row, others 12.
template <int Words>
struct KeyedRow {
  std::array<uint32_t, Words> words;
  int32_t row;

  unsigned digit(int shift) const { return (words[shift / 32] >> (shift % 32)) & 0xFF; }
};

// Least significant digit first radix sort, one byte per pass; it is stable, so rows with
// equal keys keep their order. Bytes in which all keys agree are skipped: ranks of a text
// column with a few thousand values take two passes.
template <int Words>
void radixSort(std::vector<KeyedRow<Words>>& items) {
  if (items.size() < 2) return;
  std::array<uint32_t, Words> differing{};
  for (const auto& item : items)
    for (int w = 0; w < Words; ++w) differing[w] |= item.words[w] ^ items.front().words[w];
  std::vector<KeyedRow<Words>> buffer(items.size());
  for (int shift = 0; shift < 32 * Words; shift += 8) {
    if (((differing[shift / 32] >> (shift % 32)) & 0xFF) == 0) continue;
    std::array<size_t, 257> start{};
    for (const auto& item : items) ++start[item.digit(shift) + 1];
    for (size_t digit = 1; digit < start.size(); ++digit) start[digit] += start[digit - 1];
    for (const auto& item : items) buffer[start[item.digit(shift)]++] = item;
    items.swap(buffer);
  }
}

// Sorts the rows by their keys less the smallest one, after the nulls (before them when
// descending). All keys are read before the first row is written back.
template <int Words>
void sortByKeys(std::vector<int32_t>& rows, const std::vector<int32_t>& nulls,
                const BoundColumn& column, bool descending, uint64_t smallest) {
  std::vector<KeyedRow<Words>> keyed;
  keyed.reserve(rows.size() - nulls.size());
  for (int32_t row : rows) {
    if (column.isNull(row)) continue;
    uint64_t key = column.orderKey(row) - smallest;
    if (descending) key = ~key;
    KeyedRow<Words> item{{}, row};
    for (int w = 0; w < Words; ++w) item.words[w] = static_cast<uint32_t>(key >> (32 * w));
    keyed.push_back(item);
  }
  radixSort(keyed);
  auto out = rows.begin();
  if (!descending) out = std::copy(nulls.begin(), nulls.end(), out);
  for (const auto& k : keyed) *out++ = k.row;
  if (descending) std::copy(nulls.begin(), nulls.end(), out);
}
}  // namespace

void sortRowsBy(std::vector<int32_t>& rows, const BoundColumn& column, bool descending) {
  if (column.isText()) column.textRanks();  // built once, before the loops
  std::vector<int32_t> nulls;
  uint64_t smallest = std::numeric_limits<uint64_t>::max(), largest = 0;
  for (int32_t row : rows) {
    if (column.isNull(row)) {
      nulls.push_back(row);
    } else {
      const uint64_t key = column.orderKey(row);
      smallest = std::min(smallest, key);
      largest = std::max(largest, key);
    }
  }
  if (nulls.size() < rows.size() && largest - smallest <= std::numeric_limits<uint32_t>::max())
    sortByKeys<1>(rows, nulls, column, descending, smallest);
  else
    sortByKeys<2>(rows, nulls, column, descending, smallest);
}

}  // namespace wv::grid
