#include "platform/grid/BoundColumn.h"

#include <QCollator>
#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace wv::grid {

using pg::FieldType;

namespace {
constexpr uint64_t kSignBit = uint64_t{1} << 63;

uint64_t signedKey(int64_t value) {
  return static_cast<uint64_t>(value) ^ kSignBit;
}

// Maps doubles onto unsigned integers in the same order; -0 and 0, and all NaNs, fall together.
uint64_t doubleKey(double value) {
  if (value == 0) value = 0;
  if (std::isnan(value)) value = std::numeric_limits<double>::quiet_NaN();
  const uint64_t bits = std::bit_cast<uint64_t>(value);
  return (bits & kSignBit) ? ~bits : (bits | kSignBit);
}
}  // namespace

BoundColumn::BoundColumn(const pg::RowStore& store, int field)
    : store_(&store), field_(field), type_(store.column(field).type) {}

double BoundColumn::number(int row) const {
  return type_ == FieldType::Double ? store_->doubleValue(row, field_)
                                    : static_cast<double>(store_->intValue(row, field_));
}

int64_t BoundColumn::day(int row) const {
  if (type_ == FieldType::Date) return store_->dateValue(row, field_);
  constexpr int64_t kMicrosPerDay = int64_t{86400} * 1000000;
  const int64_t micros = store_->dateTimeValue(row, field_);
  const int64_t day = micros / kMicrosPerDay;
  return (micros % kMicrosPerDay < 0) ? day - 1 : day;
}

uint64_t BoundColumn::orderKey(int row) const {
  switch (type_) {
    case FieldType::Text:
    case FieldType::LongText:
      return textRanks()[textCode(row)];
    case FieldType::Int32:
    case FieldType::Int64:
      return signedKey(store_->intValue(row, field_));
    case FieldType::Double:
      return doubleKey(store_->doubleValue(row, field_));
    case FieldType::Date:
      return signedKey(store_->dateValue(row, field_));
    case FieldType::DateTime:
      return signedKey(store_->dateTimeValue(row, field_));
    case FieldType::Boolean:
      return store_->boolValue(row, field_) ? 1 : 0;
  }
  return 0;
}

ValueKey BoundColumn::valueKey(int row) const {
  if (isNull(row)) return {};
  if (isText()) return {false, 0, std::string(store_->dictionaryUtf8(field_, textCode(row)))};
  return {false, orderKey(row), {}};
}

bool BoundColumn::sameValue(int rowA, int rowB) const {
  const bool nullA = isNull(rowA);
  if (nullA || isNull(rowB)) return nullA == isNull(rowB);
  if (isText()) return textCode(rowA) == textCode(rowB);
  return orderKey(rowA) == orderKey(rowB);
}

const std::vector<QString>& BoundColumn::foldedTexts() const {
  const uint32_t size = dictionarySize();
  if (folded_.size() != size + 1) {
    folded_.assign(size + 1, QString());
    for (uint32_t code = 1; code <= size; ++code)
      folded_[code] = store_->dictionaryText(field_, code).toCaseFolded();
  }
  return folded_;
}

const std::vector<uint32_t>& BoundColumn::textRanks() const {
  const uint32_t size = dictionarySize();
  if (ranks_.size() == size + 1) return ranks_;
  QCollator collator;
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  std::vector<QCollatorSortKey> keys;
  keys.reserve(size);
  for (uint32_t code = 1; code <= size; ++code)
    keys.push_back(collator.sortKey(store_->dictionaryText(field_, code)));
  std::vector<uint32_t> byOrder(size);
  for (uint32_t i = 0; i < size; ++i) byOrder[i] = i + 1;
  std::sort(byOrder.begin(), byOrder.end(), [&](uint32_t a, uint32_t b) {
    const int order = keys[a - 1].compare(keys[b - 1]);
    if (order != 0) return order < 0;
    return store_->dictionaryUtf8(field_, a) < store_->dictionaryUtf8(field_, b);
  });
  ranks_.assign(size + 1, 0);
  for (uint32_t i = 0; i < size; ++i) ranks_[byOrder[i]] = i + 1;
  return ranks_;
}

size_t BoundColumn::cacheBytes() const {
  size_t bytes = ranks_.capacity() * sizeof(uint32_t) + folded_.capacity() * sizeof(QString);
  for (const QString& text : folded_)
    bytes += text.isNull() ? 0 : 32 + 2 * static_cast<size_t>(text.capacity());
  return bytes;
}

}  // namespace wv::grid
