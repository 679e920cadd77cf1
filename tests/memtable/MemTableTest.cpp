#include <gtest/gtest.h>

#include "platform/error/Error.h"
#include "platform/memtable/MemTable.h"
#include "tests/memtable/NotesTable.h"

using wv::memtable::MemTable;
using wv::memtable::PriorState;
using wv::memtable::TableState;
using namespace Qt::StringLiterals;

namespace {

struct OpenNotes : ::testing::Test {
  OpenNotes() { table.open(); }
  MemTable table{wv::test::notesDef()};
};

}  // namespace

TEST(MemTable, StartsClosedAndOpensEmpty) {
  MemTable table(wv::test::notesDef());
  EXPECT_FALSE(table.isOpen());
  table.open();
  EXPECT_TRUE(table.isOpen());
  EXPECT_EQ(table.rowCount(), 0);
  EXPECT_EQ(table.state(), TableState::Browse);
  EXPECT_EQ(table.savePoint(), 0);
  EXPECT_EQ(table.rowId(), -1);
  EXPECT_TRUE(table.isNull(u"name"));
}

TEST_F(OpenNotes, TheFirstPostInsertsRowZeroAndLaterPostsChangeIt) {
  table.setFieldText(u"name", u"Ana"_s);
  EXPECT_EQ(table.state(), TableState::Insert);
  EXPECT_EQ(table.rowCount(), 0);  // not stored before the post
  table.post();
  EXPECT_EQ(table.state(), TableState::Browse);
  EXPECT_EQ(table.rowCount(), 1);
  EXPECT_EQ(table.rowId(), 0);
  EXPECT_EQ(table.savePoint(), 1);
  EXPECT_EQ(table.priorState(), PriorState::Detached);

  table.setFieldText(u"NAME", u"Bo"_s);  // names match without regard to case
  EXPECT_EQ(table.state(), TableState::Edit);
  table.post();
  EXPECT_EQ(table.fieldText(u"name"), u"Bo"_s);
  EXPECT_EQ(table.rowCount(), 1);
  EXPECT_EQ(table.rowId(), 0);
  EXPECT_EQ(table.savePoint(), 2);
  EXPECT_EQ(table.priorState(), PriorState::Unchanged);
}

TEST_F(OpenNotes, CancelDiscardsTheEditOrTheNewRow) {
  table.setFieldText(u"name", u"Ana"_s);
  table.cancel();
  EXPECT_EQ(table.rowCount(), 0);
  EXPECT_TRUE(table.isNull(u"name"));

  table.setFieldText(u"name", u"Ana"_s);
  table.post();
  table.setFieldText(u"name", u"Bo"_s);
  EXPECT_EQ(table.fieldText(u"name"), u"Bo"_s);
  table.cancel();
  EXPECT_EQ(table.fieldText(u"name"), u"Ana"_s);
  EXPECT_EQ(table.state(), TableState::Browse);
  EXPECT_EQ(table.savePoint(), 1);
  EXPECT_EQ(table.priorState(), PriorState::Detached);
}

TEST_F(OpenNotes, ModifiedMeansTheEditDiffersFromTheStoredRow) {
  table.setFieldText(u"name", u""_s);  // empty text is a value, null is not
  EXPECT_TRUE(table.isModified());
  EXPECT_FALSE(table.isNull(u"name"));
  EXPECT_TRUE(table.isNull(u"code"));
  EXPECT_EQ(table.fieldText(u"code"), u""_s);
  table.post();

  table.setFieldText(u"name", u"x"_s);
  EXPECT_TRUE(table.isModified());
  table.setFieldText(u"name", u""_s);
  EXPECT_FALSE(table.isModified());
}

struct FitCase {
  QString typed;
  QString stored;
};

TEST_F(OpenNotes, StoresTextUpToU0000AndTheFieldSize) {
  const FitCase cases[] = {
      {u"12345678"_s, u"12345678"_s},
      {u"123456789"_s, u"12345678"_s},
      {u"1234567\U0001F600"_s, u"1234567\xD83D"_s},  // by code unit, as the field counts
      {QString::fromUtf16(u"ab\0cd", 5), u"ab"_s},
      {QString(QChar(0)), u""_s},
      {u"  "_s, u"  "_s},
  };
  for (const FitCase& c : cases) {
    table.setFieldText(u"name", c.typed);
    table.post();
    EXPECT_EQ(table.fieldText(u"name"), c.stored);
    EXPECT_FALSE(table.isNull(u"name"));
  }
}

TEST_F(OpenNotes, CloseDropsRowEditAndCounter) {
  table.setFieldText(u"name", u"Ana"_s);
  table.post();
  table.setFieldText(u"name", u"Bo"_s);
  table.close();
  EXPECT_FALSE(table.isOpen());
  EXPECT_EQ(table.rowCount(), 0);
  EXPECT_EQ(table.savePoint(), 0);
  EXPECT_EQ(table.state(), TableState::Browse);
  table.open();
  EXPECT_EQ(table.rowCount(), 0);
  EXPECT_TRUE(table.isNull(u"name"));
}

TEST(MemTable, RefusesWritesWhileClosedAndUnknownFields) {
  MemTable table(wv::test::notesDef());
  EXPECT_THROW(table.setFieldText(u"name", u"x"_s), wv::Error);
  EXPECT_THROW(table.saveToFile(u"unused.json"_s), wv::Error);
  table.open();
  try {
    table.setFieldText(u"nume", u"x"_s);
    ADD_FAILURE() << "no error";
  } catch (const wv::Error& e) {
    EXPECT_EQ(e.message(), u"notes: field 'nume' not found"_s);
  }
  EXPECT_EQ(table.state(), TableState::Browse);
}
