#pragma once

#include <QObject>
#include <QString>
#include <QStringView>

#include "platform/memtable/StoredTable.h"

namespace wv::memtable {

enum class TableState { Browse, Edit, Insert };

// An in-memory table of wide text fields holding no row or one, with an edit buffer, a change
// counter and a JSON storage file. Every post is accepted at once: no pending changes are kept.
class MemTable : public QObject {
  Q_OBJECT

 public:
  explicit MemTable(TableDef definition, QObject* parent = nullptr);

  const TableDef& definition() const { return data_.def; }

  bool isOpen() const { return open_; }
  // Creates the table empty when it is closed; does nothing when it is open.
  void open();
  // Drops the row, any pending edit and the change counter.
  void close();

  int rowCount() const { return data_.row ? 1 : 0; }
  TableState state() const { return state_; }
  // Whether the pending edit differs from the stored row (a new row from all nulls).
  bool isModified() const;
  int savePoint() const { return data_.savePoint; }
  // The row's id, -1 without a row.
  int rowId() const { return data_.row ? data_.row->rowId : -1; }
  PriorState priorState() const;

  // Values of the current row, the pending edit included; a table without a row reads null.
  bool isNull(QStringView field) const;
  QString fieldText(QStringView field) const;  // null reads as empty text

  // Puts the row into edit, or inserts one on an empty table, and sets the field as it stores
  // text (see FieldDef::fit).
  void setFieldText(QStringView field, const QString& text);
  // Asks bound controls to write what they have not written yet.
  void updateRecord();
  // Stores the pending edit as the row, accepted at once; the change counter grows by one.
  void post();
  // Discards the pending edit.
  void cancel();

  // Writes the table's storage document: "Cannot create file" when it cannot be written.
  void saveToFile(const QString& path) const;
  // Closes the table, then reads it from the file and opens it; on an error it stays closed.
  // The document's columns must be the table's fields. Only the first MiB of a file is read:
  // anything longer is no document of a small table and fails as a format error.
  void loadFromFile(const QString& path);

 signals:
  // The table was opened empty: bound controls write any text typed while it was closed.
  void openedEmpty();
  // The row was replaced (loaded, closed, edit cancelled): bound controls show the fields and
  // drop text not yet written.
  void rowReset();
  // Bound controls write any text not yet written.
  void updatingRecord();

 private:
  qsizetype indexOf(QStringView field) const;
  const QList<FieldValue>& currentValues() const;
  void requireOpen() const;

  StoredTable data_;
  bool open_ = false;
  TableState state_ = TableState::Browse;
  QList<FieldValue> buffer_;  // the pending edit
};

}  // namespace wv::memtable
