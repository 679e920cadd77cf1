#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/pg/FieldType.h"

namespace wv::pg {

// Days are counted from 2000-01-01 and times in microseconds from 2000-01-01 00:00, as
// PostgreSQL keeps them; its "infinity" and "-infinity" are the extreme values.
inline constexpr int32_t kDateInfinity = INT32_MAX;
inline constexpr int32_t kDateMinusInfinity = INT32_MIN;
inline constexpr int64_t kDateTimeInfinity = INT64_MAX;
inline constexpr int64_t kDateTimeMinusInfinity = INT64_MIN;

QDate dateFromDays(int32_t days);         // invalid QDate for the infinities
int32_t daysFromDate(const QDate& date);  // date must be valid
QDateTime dateTimeFromMicros(int64_t micros);

// A query's result held column by column in typed, compact form. Texts are interned per
// column: each cell holds a code into the column's dictionary (0 is null), so a value that
// repeats a million times is stored once and compares as one integer.
class RowStore {
 public:
  struct ColumnInfo {
    QString name;
    FieldType type;
  };

  RowStore();
  ~RowStore();
  RowStore(const RowStore&) = delete;
  RowStore& operator=(const RowStore&) = delete;

  int rowCount() const { return rowCount_; }
  int columnCount() const { return static_cast<int>(columns_.size()); }
  const ColumnInfo& column(int col) const;
  int columnIndex(const QString& name) const;  // -1 when absent

  bool isNull(int row, int col) const;
  // Typed reads; each is valid only for the matching column type and a non-null cell.
  int64_t intValue(int row, int col) const;  // Int32 and Int64 columns
  double doubleValue(int row, int col) const;
  int32_t dateValue(int row, int col) const;
  int64_t dateTimeValue(int row, int col) const;
  bool boolValue(int row, int col) const;

  // Text columns: the cell's dictionary code (0 for null) and the dictionary itself.
  uint32_t textCode(int row, int col) const;
  uint32_t dictionarySize(int col) const;  // codes run from 1 to dictionarySize
  std::string_view dictionaryUtf8(int col, uint32_t code) const;
  QString dictionaryText(int col, uint32_t code) const;

  // Convenience reads for any column type: text ("" for null) and integer (0 for null).
  QString text(int row, int col) const;
  int64_t integer(int row, int col) const;
  // A QVariant of the natural Qt type (QString, qint64, double, QDate, QDateTime, bool);
  // an invalid QVariant for null.
  QVariant value(int row, int col) const;

  size_t memoryBytes() const;

 private:
  friend class RowStoreBuilder;
  struct Column;
  std::vector<std::unique_ptr<Column>> columns_;
  int rowCount_ = 0;
};

// Fills a RowStore row by row; the loader and tests use it.
class RowStoreBuilder {
 public:
  explicit RowStoreBuilder(std::vector<RowStore::ColumnInfo> columns);
  ~RowStoreBuilder();

  void reserve(int rows);
  // Values of the current row, one call per column in any order; a column not set stays null.
  void setNull(int col);
  void setInt(int col, int64_t value);
  void setDouble(int col, double value);
  void setDate(int col, int32_t days);
  void setDateTime(int col, int64_t micros);
  void setBool(int col, bool value);
  void setText(int col, std::string_view utf8);
  void endRow();

  std::shared_ptr<const RowStore> finish();

 private:
  struct Interner;
  void openPendingRow();
  std::unique_ptr<RowStore> store_;
  std::vector<std::unique_ptr<Interner>> interners_;
};

}  // namespace wv::pg
