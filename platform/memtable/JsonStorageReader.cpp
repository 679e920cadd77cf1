#include <initializer_list>

#include "platform/memtable/AsciiCase.h"
#include "platform/memtable/JsonCursor.h"
#include "platform/memtable/JsonStorage.h"

namespace wv::memtable {

namespace {

enum class Kind { Bool, Int, Text };

struct Member {
  QStringView name;
  Kind kind;
};

// Members whose values the table has no use for: only their type is checked.
void readUnused(JsonObjectReader& object, JsonCursor& c, std::initializer_list<Member> members) {
  for (const Member& member : members) {
    if (!object.has(member.name)) continue;
    switch (member.kind) {
      case Kind::Bool:
        c.readBool();
        break;
      case Kind::Int:
        c.readInt();
        break;
      case Kind::Text:
        c.readString();
        break;
    }
  }
}

// Enumeration values match like names, without regard to ASCII case.
bool readTextIs(JsonCursor& c, QStringView expected) {
  return equalsIgnoringAsciiCase(c.readString(), expected);
}

void readExpectedText(JsonCursor& c, QStringView expected) {
  c.skipWhitespace();
  const qsizetype at = c.position();
  if (!readTextIs(c, expected)) c.fail(at);
}

void requireClass(JsonObjectReader& object, JsonCursor& c, QStringView kind) {
  object.require(u"class");
  readExpectedText(c, kind);
}

// Reads a list of at most `most` elements, each by readElement(index) with the cursor at the
// element; returns how many there were.
template <class ReadElement>
qsizetype readList(JsonCursor& c, qsizetype most, ReadElement&& readElement) {
  c.expect('[');
  qsizetype count = 0;
  if (!c.nextIs(']')) {
    do {
      c.skipWhitespace();
      if (count == most) c.fail(c.position());
      readElement(count);
      ++count;
    } while (c.consumeIf(','));
  }
  c.expect(']');
  return count;
}

// Lists this table never fills (constraints, views, relations, pending changes).
void requireEmptyList(JsonObjectReader& object, JsonCursor& c, QStringView name) {
  object.require(name);
  c.expect('[');
  c.expect(']');
}

void readColumn(JsonCursor& c, const FieldDef& expected) {
  const qsizetype columnAt = c.position();
  JsonObjectReader column(c);
  requireClass(column, c, u"Column");
  const QString name = column.has(u"Name") ? c.readString() : QStringLiteral("Column");
  readUnused(column, c, {{u"SourceName", Kind::Text}, {u"SourceID", Kind::Int}});
  column.require(u"DataType");
  readExpectedText(c, u"WideString");
  readUnused(column, c, {{u"Precision", Kind::Int}, {u"Scale", Kind::Int}});
  const int size = column.has(u"Size") ? c.readInt() : 0;
  readUnused(column, c,
             {{u"Searchable", Kind::Bool},
              {u"AllowNull", Kind::Bool},
              {u"FixedLen", Kind::Bool},
              {u"BlobData", Kind::Bool},
              {u"ReadOnly", Kind::Bool},
              {u"AutoInc", Kind::Bool},
              {u"ROWID", Kind::Bool},
              {u"Default", Kind::Bool},
              {u"RowVersion", Kind::Bool},
              {u"Internal", Kind::Bool},
              {u"Calculated", Kind::Bool},
              {u"Volatile", Kind::Bool},
              {u"Unnamed", Kind::Bool},
              {u"Virtual", Kind::Bool},
              {u"Base", Kind::Bool},
              {u"Expr", Kind::Bool},
              {u"AutoIncrement", Kind::Bool},
              {u"AutoIncrementSeed", Kind::Int},
              {u"AutoIncrementStep", Kind::Int},
              {u"Caption", Kind::Text},
              {u"Expression", Kind::Text},
              {u"OAllowNull", Kind::Bool},
              {u"OUnique", Kind::Bool},
              {u"OReadOnly", Kind::Bool},
              {u"OInUpdate", Kind::Bool},
              {u"OInWhere", Kind::Bool},
              {u"OInKey", Kind::Bool},
              {u"OAfterInsChanged", Kind::Bool},
              {u"OAfterUpdChanged", Kind::Bool},
              {u"OriginTabName", Kind::Text},
              {u"OriginColName", Kind::Text},
              {u"SourceDataType", Kind::Text},
              {u"SourcePrecision", Kind::Int},
              {u"SourceScale", Kind::Int},
              {u"SourceSize", Kind::Int},
              {u"SourceDataTypeName", Kind::Text},
              {u"SourceDirectory", Kind::Text},
              {u"SourceGenerator", Kind::Text}});
  column.end();
  // The table keeps its own definition; a document of another shape is not its storage.
  if (!equalsIgnoringAsciiCase(name, expected.name) || size != expected.size) c.fail(columnAt);
}

PriorState readPriorState(JsonCursor& c) {
  c.skipWhitespace();
  const qsizetype at = c.position();
  const QString state = c.readString();
  if (equalsIgnoringAsciiCase(state, u"Detached")) return PriorState::Detached;
  if (equalsIgnoringAsciiCase(state, u"Unchanged")) return PriorState::Unchanged;
  c.fail(at);
}

QList<FieldValue> readValues(JsonCursor& c, const TableDef& def) {
  QList<FieldValue> values(def.fields.size());
  JsonObjectReader object(c);
  for (qsizetype i = 0; i < def.fields.size(); ++i) {
    if (object.has(def.fields[i].name)) values[i] = def.fields[i].fit(c.readString());
  }
  object.end();
  return values;
}

// Every stored row is accepted: pending states and their values are never written.
StoredRow readRow(JsonCursor& c, const TableDef& def) {
  JsonObjectReader object(c);
  StoredRow row;
  row.rowId = object.has(u"RowID") ? c.readInt() : -1;
  if (object.has(u"RowState")) readExpectedText(c, u"Unchanged");
  if (object.has(u"RowPriorState")) row.priorState = readPriorState(c);
  row.values = object.has(u"Original") ? readValues(c, def) : QList<FieldValue>(def.fields.size());
  for (const QStringView pending : {u"Current", u"Proposed"}) {
    if (object.has(pending)) c.fail(c.position());
  }
  object.end();
  return row;
}

StoredTable readTable(JsonCursor& c, const TableDef& def) {
  JsonObjectReader object(c);
  requireClass(object, c, u"Table");
  readUnused(object, c,
             {{u"Name", Kind::Text},
              {u"SourceName", Kind::Text},
              {u"SourceID", Kind::Int},
              {u"TabID", Kind::Int},
              {u"CaseSensitive", Kind::Bool},
              {u"EnforceConstraints", Kind::Bool},
              {u"Locale", Kind::Int},
              {u"MinimumCapacity", Kind::Int},
              {u"Nested", Kind::Bool},
              {u"Round2Scale", Kind::Bool},
              {u"CheckPrecision", Kind::Bool},
              {u"StrsTrim2Len", Kind::Bool},
              {u"CheckNotNull", Kind::Bool},
              {u"CheckReadOnly", Kind::Bool},
              {u"InlineDataSize", Kind::Int}});
  object.require(u"ColumnList");
  const qsizetype columns =
      readList(c, def.fields.size(), [&](qsizetype i) { readColumn(c, def.fields[i]); });
  if (columns < def.fields.size()) c.fail(c.position() - 1);
  requireEmptyList(object, c, u"ConstraintList");
  requireEmptyList(object, c, u"ViewList");
  object.require(u"RowList");
  StoredTable table{def, std::nullopt, 0};
  readList(c, 1, [&](qsizetype) { table.row = readRow(c, def); });
  object.end();
  return table;
}

StoredTable readManager(JsonCursor& c, const TableDef& def) {
  JsonObjectReader object(c);
  readUnused(object, c,
             {{u"Name", Kind::Text},
              {u"CaseSensitive", Kind::Bool},
              {u"EnforceConstraints", Kind::Bool},
              {u"Locale", Kind::Int},
              {u"UpdatesRegistry", Kind::Bool},
              {u"Round2Scale", Kind::Bool},
              {u"CheckPrecision", Kind::Bool},
              {u"StrsTrim2Len", Kind::Bool},
              {u"CheckNotNull", Kind::Bool},
              {u"CheckReadOnly", Kind::Bool}});
  object.require(u"TableList");
  StoredTable table;
  if (readList(c, 1, [&](qsizetype) { table = readTable(c, def); }) == 0) c.fail(c.position() - 1);
  requireEmptyList(object, c, u"RelationList");
  object.require(u"UpdatesJournal");
  JsonObjectReader journal(c);
  if (journal.has(u"SavePoint")) table.savePoint = c.readInt();
  requireEmptyList(journal, c, u"Changes");
  journal.end();
  object.end();
  return table;
}

}  // namespace

StoredTable readJsonStorage(QByteArrayView document, const TableDef& def) {
  JsonCursor c(document);
  c.skipByteOrderMark();
  JsonObjectReader root(c);
  root.require(u"FDBS");
  JsonObjectReader storage(c);
  if (storage.has(u"Version")) c.readInt();
  storage.require(u"Manager");
  StoredTable table = readManager(c, def);
  storage.end();
  root.end();
  c.expectEnd();
  return table;
}

Error jsonStorageFormatError(qsizetype position) {
  return Error(QStringLiteral("Invalid JSON storage format. Position [%1]").arg(position));
}

}  // namespace wv::memtable
