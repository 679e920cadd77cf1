#include "platform/memtable/FieldLink.h"

#include <QLineEdit>
#include <QScopedValueRollback>

#include "platform/error/Error.h"
#include "platform/memtable/MemTable.h"
#include "platform/shell/DefaultErrorHandler.h"

namespace wv::memtable {

FieldLink::FieldLink(QLineEdit* edit, MemTable* table, QString fieldName)
    : QObject(edit), edit_(edit), table_(table), fieldName_(std::move(fieldName)) {
  if (table->definition().indexOf(fieldName_) < 0) {
    throw Error(QStringLiteral("%1: field '%2' not found").arg(table->objectName(), fieldName_));
  }
  connect(edit, &QLineEdit::textChanged, this, &FieldLink::textChanged);
  connect(edit, &QLineEdit::editingFinished, this, &FieldLink::writePending);
  connect(table, &MemTable::updatingRecord, this, &FieldLink::writePending);
  connect(table, &MemTable::openedEmpty, this, [this] {
    if (pending_) {
      writePending();
    } else {
      showField();
    }
  });
  connect(table, &MemTable::rowReset, this, [this] {
    pending_ = false;
    showField();
  });
}

void FieldLink::textChanged() {
  if (showing_) return;
  pending_ = true;
  writePending();
}

// Writing can fail (a closed table keeps the text pending), and no error may cross the
// signal that called us.
void FieldLink::writePending() {
  if (!pending_ || !table_ || !table_->isOpen()) return;
  shell::guarded([this] {
    table_->setFieldText(fieldName_, edit_->text());
    pending_ = false;
  });
}

void FieldLink::showField() {
  shell::guarded([this] {
    const QString text = table_ && table_->isOpen() ? table_->fieldText(fieldName_) : QString();
    if (text == edit_->text()) return;
    const QScopedValueRollback showing(showing_, true);
    edit_->setText(text);
  });
}

}  // namespace wv::memtable
