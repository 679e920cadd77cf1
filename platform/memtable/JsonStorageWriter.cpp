#include <QList>

#include "platform/memtable/JsonStorage.h"

namespace wv::memtable {

namespace {

void appendUtf8(QByteArray& out, char16_t c) {
  if (c < 0x800) {
    out += char(0xC0 | (c >> 6));
  } else {
    out += char(0xE0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3F));
  }
  out += char(0x80 | (c & 0x3F));
}

// By UTF-16 code unit, so a surrogate pair becomes two three-byte sequences; U+0000 ends the text.
void appendEscaped(QByteArray& out, QStringView text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  out += '"';
  for (const QChar qc : text) {
    const char16_t c = qc.unicode();
    if (c == 0) break;
    switch (c) {
      case u'\b':
        out += "\\b";
        break;
      case u'\t':
        out += "\\t";
        break;
      case u'\n':
        out += "\\n";
        break;
      case u'\f':
        out += "\\f";
        break;
      case u'\r':
        out += "\\r";
        break;
      case u'"':
        out += "\\\"";
        break;
      case u'/':
        out += "\\/";
        break;
      case u'\\':
        out += "\\\\";
        break;
      default:
        if (c < 0x20) {
          out += "\\u00";
          out += kHex[c >> 4];
          out += kHex[c & 0xF];
        } else if (c < 0x80) {
          out += char(c);
        } else {
          appendUtf8(out, c);
        }
    }
  }
  out += '"';
}

class JsonWriter {
 public:
  JsonWriter() { out_ = "\xEF\xBB\xBF"; }

  void beginObject() { open('{'); }
  void endObject() { close('}'); }
  void beginArray() { open('['); }
  void endArray() { close(']'); }

  void name(QStringView name) {
    separate();
    appendEscaped(out_, name);
    out_ += ':';
    valueFollows_ = true;
  }
  void flag(QStringView name, bool value) {
    this->name(name);
    separate();
    out_ += value ? "true" : "false";
  }
  void number(QStringView name, int value) {
    this->name(name);
    separate();
    out_ += QByteArray::number(value);
  }
  void text(QStringView name, QStringView value) {
    this->name(name);
    separate();
    appendEscaped(out_, value);
  }
  void emptyArray(QStringView name) {
    this->name(name);
    beginArray();
    endArray();
  }

  QByteArray take() { return std::move(out_); }

 private:
  void separate() {
    if (valueFollows_) {
      valueFollows_ = false;
    } else if (!firstInLevel_.isEmpty()) {
      if (!firstInLevel_.back()) out_ += ',';
      firstInLevel_.back() = false;
    }
  }
  void open(char bracket) {
    separate();
    out_ += bracket;
    firstInLevel_.push_back(true);
  }
  void close(char bracket) {
    out_ += bracket;
    firstInLevel_.pop_back();
  }

  QByteArray out_;
  QList<bool> firstInLevel_;
  bool valueFollows_ = false;
};

void writeColumn(JsonWriter& w, const FieldDef& field, int position) {
  w.beginObject();
  w.text(u"class", u"Column");
  if (field.name != u"Column") w.text(u"Name", field.name);
  w.number(u"SourceID", position);
  w.text(u"DataType", u"WideString");
  w.number(u"Size", field.size);
  w.flag(u"Searchable", true);
  if (field.nullable) w.flag(u"AllowNull", true);
  w.flag(u"Base", true);
  if (field.nullable) w.flag(u"OAllowNull", true);
  w.flag(u"OInUpdate", true);
  w.flag(u"OInWhere", true);
  w.number(u"SourceSize", field.size);
  w.endObject();
}

void writeRow(JsonWriter& w, const TableDef& def, const StoredRow& row) {
  w.beginObject();
  if (row.rowId != -1) w.number(u"RowID", row.rowId);
  if (row.priorState == PriorState::Unchanged) w.text(u"RowPriorState", u"Unchanged");
  w.name(u"Original");
  w.beginObject();
  for (qsizetype i = 0; i < def.fields.size(); ++i) {
    if (const FieldValue value = row.values.value(i)) w.text(def.fields[i].name, *value);
  }
  w.endObject();
  w.endObject();
}

// The table's own settings: it never enforces constraints or not-null checks.
void writeTable(JsonWriter& w, const StoredTable& table) {
  w.beginObject();
  w.text(u"class", u"Table");
  if (table.def.name != u"Table") w.text(u"Name", table.def.name);
  w.number(u"TabID", 0);
  w.flag(u"EnforceConstraints", false);
  w.number(u"MinimumCapacity", 50);
  w.flag(u"CheckNotNull", false);
  w.name(u"ColumnList");
  w.beginArray();
  for (qsizetype i = 0; i < table.def.fields.size(); ++i) {
    writeColumn(w, table.def.fields[i], int(i + 1));
  }
  w.endArray();
  w.emptyArray(u"ConstraintList");
  w.emptyArray(u"ViewList");
  w.name(u"RowList");
  w.beginArray();
  if (table.row) writeRow(w, table.def, *table.row);
  w.endArray();
  w.endObject();
}

}  // namespace

QByteArray writeJsonStorage(const StoredTable& table) {
  JsonWriter w;
  w.beginObject();
  w.name(u"FDBS");
  w.beginObject();
  w.number(u"Version", 16);
  w.name(u"Manager");
  w.beginObject();
  w.flag(u"UpdatesRegistry", true);
  w.name(u"TableList");
  w.beginArray();
  writeTable(w, table);
  w.endArray();
  w.emptyArray(u"RelationList");
  w.name(u"UpdatesJournal");
  w.beginObject();
  if (table.savePoint != 0) w.number(u"SavePoint", table.savePoint);
  w.emptyArray(u"Changes");
  w.endObject();
  w.endObject();
  w.endObject();
  w.endObject();
  return w.take();
}

}  // namespace wv::memtable
