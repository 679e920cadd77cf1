#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

namespace wv::memtable {

// A wide (UTF-16) text field. Not-null checks are off, so `nullable` only describes the field.
struct FieldDef {
  QString name;
  int size = 0;  // in UTF-16 code units, at least 1
  bool nullable = true;

  // The text as the field stores it: up to the first U+0000, then at most `size` code units.
  QString fit(QStringView text) const;

  friend bool operator==(const FieldDef&, const FieldDef&) = default;
};

struct TableDef {
  QString name;
  QList<FieldDef> fields;

  // Position of the named field, -1 when there is none. Names match without regard to ASCII case.
  qsizetype indexOf(QStringView fieldName) const;

  friend bool operator==(const TableDef&, const TableDef&) = default;
};

using FieldValue = std::optional<QString>;  // nullopt is null

enum class PriorState { Detached, Unchanged };

struct StoredRow {
  int rowId = 0;
  PriorState priorState = PriorState::Detached;  // Unchanged once the stored row has been changed
  QList<FieldValue> values;                      // one per field, in field order

  friend bool operator==(const StoredRow&, const StoredRow&) = default;
};

// What the table keeps and its storage holds: definition, the row if any, the change counter.
struct StoredTable {
  TableDef def;
  std::optional<StoredRow> row;
  int savePoint = 0;

  friend bool operator==(const StoredTable&, const StoredTable&) = default;
};

}  // namespace wv::memtable
