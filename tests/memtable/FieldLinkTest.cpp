#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "platform/error/Error.h"
#include "platform/memtable/FieldLink.h"
#include "platform/memtable/MemTable.h"
#include "tests/memtable/NotesTable.h"

using wv::memtable::FieldLink;
using wv::memtable::MemTable;
using wv::memtable::TableState;
using namespace Qt::StringLiterals;

namespace {

struct LinkedBox : ::testing::Test {
  LinkedBox() { new FieldLink(&box, table.get(), u"name"_s); }

  // Stores `name` in the file, then leaves the table closed.
  void storeInFile(const QString& name) {
    table->open();
    table->setFieldText(u"name", name);
    table->post();
    table->saveToFile(path);
    table->close();
  }

  QLineEdit box;
  std::unique_ptr<MemTable> table = std::make_unique<MemTable>(wv::test::notesDef());
  QTemporaryDir dir;
  QString path = dir.filePath(u"notes.json"_s);
};

}  // namespace

TEST_F(LinkedBox, TypingWritesEveryChangeWithoutPosting) {
  table->open();
  QTest::keyClicks(&box, u"Ab"_s);
  EXPECT_EQ(table->state(), TableState::Insert);
  EXPECT_EQ(table->fieldText(u"name"), u"Ab"_s);
  QTest::keyClick(&box, Qt::Key_Backspace);
  EXPECT_EQ(table->fieldText(u"name"), u"A"_s);
  EXPECT_EQ(table->rowCount(), 0);
  EXPECT_EQ(table->savePoint(), 0);

  table->post();
  QTest::keyClicks(&box, u"n"_s);
  EXPECT_EQ(table->state(), TableState::Edit);
  EXPECT_EQ(table->fieldText(u"name"), u"An"_s);
  EXPECT_EQ(table->savePoint(), 1);
}

TEST_F(LinkedBox, TheBoxShowsTheFieldWhenTheRowIsReplaced) {
  storeInFile(u"Ana"_s);
  table->loadFromFile(path);
  EXPECT_EQ(box.text(), u"Ana"_s);

  QTest::keyClicks(&box, u"x"_s);
  table->cancel();
  EXPECT_EQ(box.text(), u"Ana"_s);

  QTest::keyClicks(&box, u"y"_s);
  table->loadFromFile(path);  // a reload discards the typing
  EXPECT_EQ(box.text(), u"Ana"_s);
  EXPECT_EQ(table->state(), TableState::Browse);

  table->close();
  EXPECT_EQ(box.text(), u""_s);
  table->open();
  EXPECT_EQ(box.text(), u""_s);
  EXPECT_EQ(table->state(), TableState::Browse);
}

TEST_F(LinkedBox, TextTypedWhileClosedGoesIntoTheTableOpenedEmpty) {
  QTest::keyClicks(&box, u"Ana"_s);
  EXPECT_EQ(box.text(), u"Ana"_s);
  table->open();
  EXPECT_EQ(table->state(), TableState::Insert);
  EXPECT_EQ(table->fieldText(u"name"), u"Ana"_s);
  EXPECT_EQ(box.text(), u"Ana"_s);
}

TEST_F(LinkedBox, TextTypedWhileClosedIsDroppedByALoad) {
  storeInFile(u"Ana"_s);
  QTest::keyClicks(&box, u"Bo"_s);
  table->loadFromFile(path);
  EXPECT_EQ(box.text(), u"Ana"_s);
  EXPECT_EQ(table->state(), TableState::Browse);
}

TEST_F(LinkedBox, OutlivesItsTable) {
  table->open();
  table.reset();
  QTest::keyClicks(&box, u"Ana"_s);
  EXPECT_EQ(box.text(), u"Ana"_s);
}

TEST(FieldLink, RefusesAFieldTheTableDoesNotHave) {
  QLineEdit box;
  MemTable table(wv::test::notesDef());
  EXPECT_THROW(FieldLink(&box, &table, u"nume"_s), wv::Error);
}
