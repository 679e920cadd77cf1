#include <gtest/gtest.h>

#include "platform/memtable/JsonStorage.h"
#include "tests/memtable/NotesTable.h"

using wv::memtable::FieldValue;
using wv::memtable::PriorState;
using wv::memtable::StoredRow;
using wv::memtable::StoredTable;
using wv::memtable::writeJsonStorage;
using wv::test::notesDef;
using wv::test::notesDocument;
using namespace Qt::StringLiterals;

namespace {

StoredTable notesWith(StoredRow row, int savePoint) {
  return {notesDef(), std::move(row), savePoint};
}

}  // namespace

TEST(JsonStorageWriter, AnEmptyTableHasNoRowAndNoSavePoint) {
  EXPECT_EQ(writeJsonStorage({notesDef(), std::nullopt, 0}), notesDocument("", 0));
}

struct RowCase {
  const char* what;
  StoredRow row;
  int savePoint;
  QByteArray rowJson;
};

TEST(JsonStorageWriter, WritesTheRowWithOnlyWhatDiffersFromTheDefaults) {
  const RowCase cases[] = {
      {"inserted row",
       {0, PriorState::Detached, {u"Ana"_s, u"x"_s}},
       1,
       R"({"RowID":0,"Original":{"name":"Ana","code":"x"}})"},
      {"changed row carries its prior state",
       {0, PriorState::Unchanged, {u"Ana"_s, u""_s}},
       7,
       R"({"RowID":0,"RowPriorState":"Unchanged","Original":{"name":"Ana","code":""}})"},
      {"null fields are left out",
       {0, PriorState::Detached, {std::nullopt, std::nullopt}},
       1,
       R"({"RowID":0,"Original":{}})"},
      {"row id -1 is the default",
       {-1, PriorState::Detached, {u"a"_s, std::nullopt}},
       1,
       R"({"Original":{"name":"a"}})"},
  };
  for (const RowCase& c : cases) {
    EXPECT_EQ(writeJsonStorage(notesWith(c.row, c.savePoint)),
              notesDocument(c.rowJson, c.savePoint))
        << c.what;
  }
}

struct EscapeCase {
  const char* what;
  QString text;
  QByteArray written;
};

TEST(JsonStorageWriter, EscapesTextByUtf16CodeUnit) {
  const EscapeCase cases[] = {
      {"quote, backslash, slash", u"a\"b\\c/d"_s, R"("a\"b\\c\/d")"},
      {"short control escapes", u"\b\t\n\f\r"_s, R"("\b\t\n\f\r")"},
      {"other controls in upper-case hex", u"\x01\x0B\x1F"_s, R"("\u0001\u000B\u001F")"},
      {"other ASCII as itself", u" ~A\x7F"_s, "\" ~A\x7F\""},
      {"two-byte UTF-8", u"ăîșț"_s, "\"\xC4\x83\xC3\xAE\xC8\x99\xC8\x9B\""},
      {"three-byte UTF-8", u"\u0800\uFFFF"_s, "\"\xE0\xA0\x80\xEF\xBF\xBF\""},
      {"a character outside the basic plane as two three-byte sequences", u"\U0001F600"_s,
       "\"\xED\xA0\xBD\xED\xB8\x80\""},
      {"a lone surrogate as one three-byte sequence", QString(QChar(0xD800)), "\"\xED\xA0\x80\""},
      {"U+0000 ends the text", QString::fromUtf16(u"ab\0cd", 5), R"("ab")"},
  };
  for (const EscapeCase& c : cases) {
    const StoredRow row{0, PriorState::Detached, {c.text, std::nullopt}};
    EXPECT_EQ(writeJsonStorage(notesWith(row, 1)),
              notesDocument(R"({"RowID":0,"Original":{"name":)" + c.written + "}}", 1))
        << c.what;
  }
}

TEST(JsonStorageWriter, LeavesOutNamesThatEqualTheirDefaults) {
  const StoredTable table{{u"Table"_s, {{u"Column"_s, 4, true}}}, std::nullopt, 0};
  const QByteArray doc = writeJsonStorage(table);
  EXPECT_TRUE(doc.contains(R"([{"class":"Table","TabID":0,)")) << doc.constData();
  EXPECT_TRUE(doc.contains(R"([{"class":"Column","SourceID":1,)")) << doc.constData();
}
