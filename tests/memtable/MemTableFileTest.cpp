#include <gtest/gtest.h>
#include <sys/file.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/error/Error.h"
#include "platform/memtable/MemTable.h"
#include "tests/memtable/FileHelpers.h"
#include "tests/memtable/NotesTable.h"

using wv::memtable::MemTable;
using wv::memtable::PriorState;
using wv::memtable::TableState;
using wv::test::errorMessageOf;
using wv::test::writeFileBytes;
using namespace Qt::StringLiterals;

namespace {

struct NotesFile : ::testing::Test {
  QByteArray fileBytes() const { return wv::test::fileBytes(path); }

  QTemporaryDir dir;
  QString path = dir.filePath(u"notes.json"_s);
  MemTable table{wv::test::notesDef()};
};

QString formatError(qsizetype position) {
  return u"Invalid JSON storage format. Position [%1]"_s.arg(position);
}

}  // namespace

TEST_F(NotesFile, SavesTheDocumentAndLoadsItBack) {
  table.open();
  table.setFieldText(u"name", u"Ana"_s);
  table.post();
  table.setFieldText(u"code", u"X1"_s);
  table.post();
  table.saveToFile(path);
  EXPECT_EQ(
      fileBytes(),
      wv::test::notesDocument(
          R"({"RowID":0,"RowPriorState":"Unchanged","Original":{"name":"Ana","code":"X1"}})", 2));

  MemTable again(wv::test::notesDef());
  again.loadFromFile(path);
  EXPECT_TRUE(again.isOpen());
  EXPECT_EQ(again.fieldText(u"name"), u"Ana"_s);
  EXPECT_EQ(again.fieldText(u"code"), u"X1"_s);
  EXPECT_EQ(again.savePoint(), 2);
  EXPECT_EQ(again.priorState(), PriorState::Unchanged);
  again.saveToFile(path + u"2"_s);
  QFile copy(path + u"2"_s);
  ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
  EXPECT_EQ(copy.readAll(), fileBytes());
}

TEST_F(NotesFile, SavingReplacesALongerFileWholly) {
  ASSERT_TRUE(writeFileBytes(path, QByteArray(10000, 'x')));
  table.open();
  table.saveToFile(path);
  EXPECT_EQ(fileBytes(), wv::test::notesDocument("", 0));
}

TEST_F(NotesFile, LoadingDiscardsThePendingEdit) {
  table.open();
  table.setFieldText(u"name", u"Ana"_s);
  table.post();
  table.saveToFile(path);
  table.setFieldText(u"name", u"Bo"_s);
  table.loadFromFile(path);
  EXPECT_EQ(table.state(), TableState::Browse);
  EXPECT_EQ(table.fieldText(u"name"), u"Ana"_s);
  EXPECT_EQ(table.savePoint(), 1);
}

struct LoadFailure {
  const char* what;
  std::function<void(const QString& path)> prepare;
  std::function<QString(const QString& path)> message;
};

TEST_F(NotesFile, ALoadThatFailsSaysWhyAndLeavesTheTableClosed) {
  const auto bytes = [](const QByteArray& content) {
    return [content](const QString& path) { ASSERT_TRUE(writeFileBytes(path, content)); };
  };
  const QByteArray valid = wv::test::notesDocument("", 0);
  const LoadFailure cases[] = {
      {"no file", [](const QString&) {},
       [](const QString& p) {
         return u"Cannot open file \"%1\". No such file or directory"_s.arg(p);
       }},
      {"a folder in the file's place", [](const QString& p) { ASSERT_TRUE(QDir().mkdir(p)); },
       [](const QString& p) { return u"Cannot open file \"%1\". Is a directory"_s.arg(p); }},
      {"an empty file", bytes(""), [](const QString&) { return formatError(0); }},
      {"100 MiB of zero bytes",
       [](const QString& p) {
         QFile file(p);
         ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(qint64(100) << 20));
       },
       [](const QString&) { return formatError(0); }},
      {"a valid document followed by more whitespace than a document may have",
       bytes(valid + QByteArray(2 << 20, ' ')),
       [](const QString&) { return formatError(1 << 20); }},
  };
  for (const LoadFailure& c : cases) {
    QTemporaryDir caseDir;
    const QString casePath = caseDir.filePath(u"notes.json"_s);
    c.prepare(casePath);
    table.open();
    table.setFieldText(u"name", u"Ana"_s);
    EXPECT_EQ(errorMessageOf([&] { table.loadFromFile(casePath); }), c.message(casePath)) << c.what;
    EXPECT_FALSE(table.isOpen()) << c.what;
  }
}

TEST_F(NotesFile, ASaveThatCannotCreateTheFileSaysWhy) {
  table.open();
  ASSERT_TRUE(writeFileBytes(path, "not a folder"));
  const QString underAFile = path + u"/notes.json"_s;
  EXPECT_EQ(errorMessageOf([&] { table.saveToFile(underAFile); }),
            u"Cannot create file \"%1\". Not a directory"_s.arg(underAFile));

  const QString folder = dir.filePath(u"folder.json"_s);
  ASSERT_TRUE(QDir().mkdir(folder));
  EXPECT_EQ(errorMessageOf([&] { table.saveToFile(folder); }),
            u"Cannot create file \"%1\". Is a directory"_s.arg(folder));
}

// Another instance holding the file (reading or writing) keeps a save out, and a save keeps
// readers out; the refused save leaves the file as it was.
TEST_F(NotesFile, AFileInUseByAnotherInstanceIsRefused) {
  table.open();
  table.saveToFile(path);
  const QByteArray before = fileBytes();
  QFile other(path);
  ASSERT_TRUE(other.open(QIODevice::ReadOnly));
  ASSERT_EQ(::flock(other.handle(), LOCK_SH | LOCK_NB), 0);
  table.setFieldText(u"name", u"Ana"_s);
  table.post();
  EXPECT_EQ(errorMessageOf([&] { table.saveToFile(path); }),
            u"Cannot create file \"%1\". Resource temporarily unavailable"_s.arg(path));
  EXPECT_EQ(fileBytes(), before);
  EXPECT_EQ(errorMessageOf([&] { MemTable(wv::test::notesDef()).loadFromFile(path); }), QString());

  ASSERT_EQ(::flock(other.handle(), LOCK_EX | LOCK_NB), 0);
  EXPECT_EQ(errorMessageOf([&] { table.loadFromFile(path); }),
            u"Cannot open file \"%1\". Resource temporarily unavailable"_s.arg(path));
}
