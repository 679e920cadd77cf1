#pragma once

#include <QString>
#include <compare>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/pg/RowStore.h"

namespace wv::grid {

// A cell value's identity that outlives a reload of the rows: a text by its UTF-8 bytes, any
// other value by its order key. Header filters and expanded groups remember values by it.
struct ValueKey {
  bool isNull = true;
  uint64_t bits = 0;
  std::string text;

  // NOLINTNEXTLINE(modernize-use-nullptr): clang-tidy 14 misreads the defaulted comparison
  auto operator<=>(const ValueKey&) const = default;
};

// A grid column bound to its field of a row store. Work that depends only on a text column's
// dictionary (case-folded texts, collation ranks) is done once per dictionary and kept, so
// that filtering and sorting touch each distinct text once instead of once per row.
class BoundColumn {
 public:
  BoundColumn() = default;  // a field the store lacks: every cell reads as null
  BoundColumn(const pg::RowStore& store, int field);

  pg::FieldType type() const { return type_; }
  bool isText() const { return store_ && pg::isTextType(type_); }
  bool isNumeric() const { return store_ && pg::isNumericType(type_); }
  int field() const { return field_; }

  bool isNull(int row) const { return !store_ || store_->isNull(row, field_); }
  uint32_t textCode(int row) const { return store_->textCode(row, field_); }
  uint32_t dictionarySize() const {
    return store_ && isText() ? store_->dictionarySize(field_) : 0;
  }
  std::string_view textUtf8(uint32_t code) const { return store_->dictionaryUtf8(field_, code); }
  // Typed reads of non-null cells: numbers as double, dates and date-times as their day.
  double number(int row) const;
  int64_t day(int row) const;

  // Orders the non-null values: equal keys mean equal values. Texts compare by the rank of
  // their dictionary entry (textRanks), other values by their number.
  uint64_t orderKey(int row) const;
  ValueKey valueKey(int row) const;
  bool sameValue(int rowA, int rowB) const;

  // Indexed by dictionary code; entry 0 stands for null.
  const std::vector<QString>& foldedTexts() const;
  // Ranks in the user's collation, letter case ignored; distinct texts get distinct ranks
  // (ties broken by their UTF-8 bytes), so a text column sorts and groups by one integer.
  const std::vector<uint32_t>& textRanks() const;
  size_t cacheBytes() const;

 private:
  const pg::RowStore* store_ = nullptr;
  int field_ = -1;
  pg::FieldType type_ = pg::FieldType::Text;
  mutable std::vector<QString> folded_;
  mutable std::vector<uint32_t> ranks_;
};

}  // namespace wv::grid
