#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QLineEdit;

namespace wv::memtable {

class MemTable;

// Ties a one-line edit box to a text field of a table, with tracking: each change of the box's
// text is written into the field at once (the first puts the row into edit, or inserts one),
// and leaving the box writes what is not yet written. When the table is opened, loaded or its
// edit cancelled, the box shows the field (empty text without a row). Text typed while the
// table is closed is kept and goes into the field when the table is next opened empty.
// Nothing here posts the row.
class FieldLink : public QObject {
  Q_OBJECT

 public:
  // The link lives as long as the box.
  FieldLink(QLineEdit* edit, MemTable* table, QString fieldName);

 private:
  void textChanged();
  void writePending();
  void showField();

  QLineEdit* edit_;
  QPointer<MemTable> table_;
  QString fieldName_;
  bool pending_ = false;  // the box holds text not yet written
  bool showing_ = false;  // the box's text is being set from the field
};

}  // namespace wv::memtable
