#include "platform/memtable/MemTable.h"

#include "platform/error/Error.h"
#include "platform/memtable/JsonStorage.h"
#include "platform/memtable/StorageFile.h"

namespace wv::memtable {

namespace {

// Far above any document of a small table; a bigger file is not read to its end.
constexpr qsizetype kMaxDocumentSize = 1 << 20;

}  // namespace

MemTable::MemTable(TableDef definition, QObject* parent) : QObject(parent) {
  data_.def = std::move(definition);
  setObjectName(data_.def.name);
}

void MemTable::requireOpen() const {
  if (!open_) throw Error(QStringLiteral("%1: the table is not open").arg(data_.def.name));
}

qsizetype MemTable::indexOf(QStringView field) const {
  const qsizetype index = data_.def.indexOf(field);
  if (index < 0) {
    throw Error(QStringLiteral("%1: field '%2' not found").arg(data_.def.name, field.toString()));
  }
  return index;
}

void MemTable::open() {
  if (open_) return;
  open_ = true;
  emit openedEmpty();
}

void MemTable::close() {
  if (!open_) return;
  open_ = false;
  data_.row.reset();
  data_.savePoint = 0;
  state_ = TableState::Browse;
  buffer_.clear();
  emit rowReset();
}

PriorState MemTable::priorState() const {
  return data_.row ? data_.row->priorState : PriorState::Detached;
}

const QList<FieldValue>& MemTable::currentValues() const {
  static const QList<FieldValue> kNoRow;
  if (state_ != TableState::Browse) return buffer_;
  return data_.row ? data_.row->values : kNoRow;
}

bool MemTable::isModified() const {
  switch (state_) {
    case TableState::Browse:
      return false;
    case TableState::Edit:
      return buffer_ != data_.row->values;
    case TableState::Insert:
      return buffer_ != QList<FieldValue>(data_.def.fields.size());
  }
  return false;
}

bool MemTable::isNull(QStringView field) const {
  return !currentValues().value(indexOf(field)).has_value();
}

QString MemTable::fieldText(QStringView field) const {
  return currentValues().value(indexOf(field)).value_or(QString());
}

void MemTable::setFieldText(QStringView field, const QString& text) {
  requireOpen();
  const qsizetype index = indexOf(field);
  if (state_ == TableState::Browse) {
    state_ = data_.row ? TableState::Edit : TableState::Insert;
    buffer_ = data_.row ? data_.row->values : QList<FieldValue>(data_.def.fields.size());
  }
  buffer_[index] = data_.def.fields[index].fit(text);
}

void MemTable::updateRecord() {
  if (open_) emit updatingRecord();
}

void MemTable::post() {
  requireOpen();
  updateRecord();
  if (state_ == TableState::Browse) return;
  if (state_ == TableState::Insert) {
    data_.row = StoredRow{0, PriorState::Detached, {}};
  } else {
    data_.row->priorState = PriorState::Unchanged;
  }
  data_.row->values = std::exchange(buffer_, {});
  ++data_.savePoint;
  state_ = TableState::Browse;
}

void MemTable::cancel() {
  if (state_ == TableState::Browse) return;
  buffer_.clear();
  state_ = TableState::Browse;
  emit rowReset();
}

void MemTable::saveToFile(const QString& path) const {
  requireOpen();
  writeWholeFile(path, writeJsonStorage(data_));
}

void MemTable::loadFromFile(const QString& path) {
  close();
  const QByteArray document = readFileHead(path, kMaxDocumentSize + 1);
  StoredTable loaded = readJsonStorage(document, data_.def);
  if (document.size() > kMaxDocumentSize) throw jsonStorageFormatError(kMaxDocumentSize);
  data_ = std::move(loaded);
  open_ = true;
  emit rowReset();
}

}  // namespace wv::memtable
