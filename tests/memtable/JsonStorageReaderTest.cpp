#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "platform/memtable/JsonStorage.h"
#include "tests/memtable/NotesTable.h"

using wv::memtable::PriorState;
using wv::memtable::readJsonStorage;
using wv::memtable::StoredRow;
using wv::memtable::StoredTable;
using wv::memtable::writeJsonStorage;
using wv::test::notesDef;
using wv::test::notesDocument;
using namespace Qt::StringLiterals;

namespace {

const QByteArray kRow =
    R"({"RowID":0,"RowPriorState":"Unchanged","Original":{"name":"a\/b","code":"x"}})";
const StoredTable kTable{notesDef(), StoredRow{0, PriorState::Unchanged, {u"a/b"_s, u"x"_s}}, 2};

QByteArray replaced(QByteArray doc, const QByteArray& before, const QByteArray& after) {
  EXPECT_TRUE(doc.contains(before)) << before.constData();
  return doc.replace(before, after);
}

// Puts whitespace around every bracket, colon and comma.
QByteArray spread(const QByteArray& doc) {
  QByteArray out;
  bool inText = false;
  for (qsizetype i = 0; i < doc.size(); ++i) {
    const char c = doc[i];
    if (!inText && QByteArrayView("{}[]:,").contains(c)) {
      out += " \t";
      out += c;
      out += "\r\n";
      continue;
    }
    out += c;
    if (inText && c == '\\') {
      out += doc[++i];
    } else if (c == '"') {
      inText = !inText;
    }
  }
  return out;
}

int formatErrorPosition(const QByteArray& doc) {
  try {
    readJsonStorage(doc, notesDef());
  } catch (const wv::Error& e) {
    const QString prefix = u"Invalid JSON storage format. Position ["_s;
    if (!e.message().startsWith(prefix) || !e.message().endsWith(u']')) return -2;
    return e.message().mid(prefix.size()).chopped(1).toInt();
  }
  return -1;
}

}  // namespace

TEST(JsonStorageReader, ReadsBackWhatTheWriterWrites) {
  const StoredTable tables[] = {
      {notesDef(), std::nullopt, 0},
      kTable,
      {notesDef(), StoredRow{0, PriorState::Detached, {std::nullopt, u""_s}}, -5},
      {notesDef(), StoredRow{-1, PriorState::Detached, {u"\"\\/\b\t\n\f\r"_s, u"\x01\x1F"_s}}, 1},
      {notesDef(), StoredRow{7, PriorState::Unchanged, {u"ăș\U0001F600\uFFFF"_s, u"\xDC00"_s}}, 1},
  };
  for (const StoredTable& table : tables) {
    const QByteArray written = writeJsonStorage(table);
    const StoredTable read = readJsonStorage(written, notesDef());
    EXPECT_EQ(read, table) << written.constData();
    EXPECT_EQ(writeJsonStorage(read), written);
  }
}

struct LenientCase {
  const char* what;
  QByteArray document;
};

TEST(JsonStorageReader, AcceptsWhatReadingAllowsBeyondTheWriter) {
  const QByteArray doc = notesDocument(kRow, 2);
  const LenientCase cases[] = {
      {"no byte order mark", doc.mid(3)},
      {"whitespace between tokens", spread(doc)},
      {"names and enumeration values in other letter case",
       replaced(replaced(replaced(replaced(doc, R"("Version")", R"("VERSION")"), R"("ColumnList")",
                                  R"("columnlist")"),
                         R"("RowPriorState":"Unchanged")", R"("rowpriorstate":"UNCHANGED")"),
                R"("name":"a)", R"("NAME":"a)")},
      {"null for optional members",
       replaced(replaced(replaced(doc, R"("MinimumCapacity":50)", R"("MinimumCapacity":null)"),
                         R"("OAllowNull":true)", R"("Caption":null,"OAllowNull":true)"),
                R"("OInWhere":true)", R"("OInWhere":true,"OInKey":null)")},
      {"escapes with lower-case hex", replaced(doc, R"("a\/b")", R"("\u0061\u002fb")")},
      {"optional members left out",
       R"({"FDBS":{"Manager":{"TableList":[{"class":"Table","ColumnList":[{"class":"Column",)"
       R"("Name":"name","DataType":"WideString","Size":8},{"class":"Column","Name":"code",)"
       R"("DataType":"WideString","Size":3}],"ConstraintList":[],"ViewList":[],"RowList":[)" +
           kRow + R"(]}],"RelationList":[],"UpdatesJournal":{"SavePoint":2,"Changes":[]}}}})"},
      {"the row's state and pending values given as their defaults",
       replaced(doc, R"("RowID":0,)", R"("RowID":0,"RowState":"Unchanged",)")
           .replace(R"("code":"x"}})", R"("code":"x"},"Current":null,"Proposed":null})")},
  };
  for (const LenientCase& c : cases) {
    try {
      EXPECT_EQ(readJsonStorage(c.document, notesDef()), kTable) << c.what;
    } catch (const wv::Error& e) {
      ADD_FAILURE() << c.what << ": " << e.what();
    }
  }
}

struct ValueCase {
  const char* what;
  QByteArray values;  // the text inside "Original":{...}
  wv::memtable::FieldValue name;
  wv::memtable::FieldValue code;
};

TEST(JsonStorageReader, ReadsValuesByColumnAsTheFieldsStoreThem) {
  const ValueCase cases[] = {
      {"a column left out stays null", R"("code":"x")", std::nullopt, u"x"_s},
      {"a null value stays null", R"("name":null,"code":"")", std::nullopt, u""_s},
      {"every short escape", R"("name":"\"\\\/\b\f\n\r\t")", u"\"\\/\b\f\n\r\t"_s, std::nullopt},
      {"a four-byte sequence gives a surrogate pair", "\"name\":\"\xF0\x9F\x98\x80\"",
       u"\U0001F600"_s, std::nullopt},
      {"too long for the field: cut to its size", R"("name":"0123456789","code":"abcd")",
       u"01234567"_s, u"abc"_s},
      {"U+0000 ends the value", R"("name":"ab\u0000cd")", u"ab"_s, std::nullopt},
  };
  for (const ValueCase& c : cases) {
    const QByteArray doc = notesDocument(R"({"RowID":0,"Original":{)" + c.values + "}}", 1);
    try {
      const StoredTable table = readJsonStorage(doc, notesDef());
      ASSERT_TRUE(table.row) << c.what;
      EXPECT_EQ(table.row->values, (QList<wv::memtable::FieldValue>{c.name, c.code})) << c.what;
    } catch (const wv::Error& e) {
      ADD_FAILURE() << c.what << ": " << e.what();
    }
  }
}

struct ErrorCase {
  const char* what;
  QByteArray document;
  QByteArray marker;  // the position is the marker's offset in the document plus `offset`
  qsizetype offset;
};

TEST(JsonStorageReader, RejectsAnythingElseAtTheOffsetWhereItGoesWrong) {
  const QByteArray doc = notesDocument(kRow, 2);
  const auto value = [&doc](const QByteArray& text) { return replaced(doc, R"("a\/b")", text); };
  const QByteArray secondColumn = R"(,{"class":"Column","Name":"code")";
  const QByteArray columnsEnd = R"(],"ConstraintList")";
  const qsizetype inEscape = doc.indexOf(R"("a\/b")") + 3;
  const ErrorCase cases[] = {
      {"empty file", "", {}, 0},
      {"only the byte order mark", "\xEF\xBB\xBF", {}, 3},
      {"truncated in the middle", doc.left(doc.size() / 2), {}, doc.size() / 2},
      {"truncated inside an escape", doc.left(inEscape), {}, inEscape},
      {"unknown escape", value(R"("a\qb")"), R"(\q)", 1},
      {"bad hex digit", value(R"("a\u00g1")"), R"(\u00g1)", 4},
      {"continuation byte out of range", value("\"a\xC4\x41\""), "\xC4\x41", 1},
      {"continuation byte as first byte", value("\"a\x80\""), "\x80", 0},
      {"four bytes beyond U+10FFFF", value("\"a\xF4\x90\x80\x80\""), "\xF4", 0},
      {"five-byte lead", value("\"a\xF8\x88\x80\x80\x80\""), "\xF8", 0},
      {"raw control character in a text", value("\"a\tb\""), "\t", 0},
      {"bytes after the document", doc + " x", {}, doc.size() + 1},
      {"unknown member", replaced(doc, R"("TabID")", R"("Colour":1,"TabID")"), R"("Colour")", 0},
      {"members out of order",
       replaced(replaced(doc, R"("TabID":0,)", ""), R"("CheckNotNull":false,)",
                R"("CheckNotNull":false,"TabID":0,)"),
       R"("TabID")", 0},
      {"a second row", replaced(doc, kRow, kRow + ',' + kRow), R"(}},{"RowID")", 3},
      {"a column of another name", replaced(doc, R"("Name":"code")", R"("Name":"coda")"),
       R"({"class":"Column","Name":"coda")", 0},
      {"a column of another size", replaced(doc, R"("Size":3)", R"("Size":4)"), secondColumn, 1},
      {"a column missing",
       replaced(
           doc,
           doc.mid(doc.indexOf(secondColumn), doc.indexOf(columnsEnd) - doc.indexOf(secondColumn)),
           ""),
       columnsEnd, 0},
      {"another data type", replaced(doc, R"("WideString","Size":8)", R"("String","Size":8)"),
       R"("String")", 0},
      {"a pending row state", replaced(doc, R"("RowID":0,)", R"("RowID":0,"RowState":"Modified",)"),
       R"("Modified")", 0},
      {"pending values", replaced(doc, R"("code":"x"}})", R"("code":"x"},"Current":{}})"),
       R"("Current":)", 10},
      {"an integer with a fraction", replaced(doc, R"("Version":16)", R"("Version":16.0)"), "16.0",
       2},
      {"an integer out of range", replaced(doc, R"("Version":16)", R"("Version":2147483648)"),
       "2147483648", 0},
      {"a number for a boolean",
       replaced(doc, R"("UpdatesRegistry":true)", R"("UpdatesRegistry":1)"),
       R"("UpdatesRegistry":)", 18},
      {"a pending change in the journal", replaced(doc, R"("Changes":[])", R"("Changes":[{}])"),
       R"("Changes":[{)", 11},
      {"null for a member that must be there",
       replaced(doc, R"("ViewList":[])", R"("ViewList":null)"), R"("ViewList":)", 11},
      {"no table", R"({"FDBS":{"Manager":{"TableList":[],"RelationList":[]}}})", "[]", 1},
      {"nesting where a number belongs",
       replaced(doc, R"("Version":16)", R"("Version":)" + QByteArray(100000, '[')), R"("Version":)",
       10},
  };
  for (const ErrorCase& c : cases) {
    const qsizetype expected =
        c.marker.isNull() ? c.offset : c.document.indexOf(c.marker) + c.offset;
    EXPECT_EQ(formatErrorPosition(c.document), expected) << c.what;
  }
}

// The fuzz target searches far wider; this keeps the common mistakes out of every build.
TEST(JsonStorageReader, DamagedDocumentsReadOrFailWithAPositionInside) {
  const QByteArray doc = notesDocument(kRow, 2);
  QRandomGenerator random(20240611);
  for (int i = 0; i < 2000; ++i) {
    QByteArray damaged = doc;
    for (int n = random.bounded(1, 4); n > 0; --n) {
      damaged[random.bounded(damaged.size())] = char(random.bounded(256));
    }
    damaged.truncate(random.bounded(damaged.size() / 2, damaged.size() + 1));
    const int position = formatErrorPosition(damaged);
    EXPECT_GE(position, -1) << damaged.toHex().constData();
    EXPECT_LE(position, damaged.size()) << damaged.toHex().constData();
  }
}
