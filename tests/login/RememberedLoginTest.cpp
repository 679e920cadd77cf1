#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <optional>

#include "login/RememberedLogin.h"
#include "platform/error/Error.h"
#include "platform/shell/KnownFolders.h"
#include "tests/memtable/FileHelpers.h"

using wv::memtable::TableState;
using wv::test::errorMessageOf;
using namespace Qt::StringLiterals;

namespace {

// The document of a first attempt after "X" and "Y" were typed, byte for byte.
const QByteArray kExample =
    "\xEF\xBB\xBF"
    R"({"FDBS":{"Version":16,"Manager":{"UpdatesRegistry":true,"TableList":[{"class":"Table","Name":"dsLogin","TabID":0,"EnforceConstraints":false,"MinimumCapacity":50,"CheckNotNull":false,"ColumnList":[{"class":"Column","Name":"company","SourceID":1,"DataType":"WideString","Size":200,"Searchable":true,"AllowNull":true,"Base":true,"OAllowNull":true,"OInUpdate":true,"OInWhere":true,"SourceSize":200},{"class":"Column","Name":"username","SourceID":2,"DataType":"WideString","Size":200,"Searchable":true,"AllowNull":true,"Base":true,"OAllowNull":true,"OInUpdate":true,"OInWhere":true,"SourceSize":200}],"ConstraintList":[],"ViewList":[],"RowList":[{"RowID":0,"Original":{"company":"X","username":"Y"}}]}],"RelationList":[],"UpdatesJournal":{"SavePoint":1,"Changes":[]}}}})";

// The example with another row list (`rows` is the text inside "RowList":[...]) and counter.
QByteArray loginDocument(const QByteArray& rows, int savePoint) {
  const QByteArray rowList = R"("RowList":[)";
  QByteArray doc = kExample.left(kExample.indexOf(rowList) + rowList.size()) + rows;
  doc += R"(]}],"RelationList":[],"UpdatesJournal":{)";
  if (savePoint != 0) doc += R"("SavePoint":)" + QByteArray::number(savePoint) + ',';
  return doc + R"("Changes":[]}}}})";
}

// One run of the program: the dialog's two bound boxes and its remembered login.
struct ProgramRun {
  QLineEdit company;
  QLineEdit username;
  RememberedLogin remembered{&company, &username};
};

// Replaces the box's text as typing or pasting does.
void type(QLineEdit& box, const QString& text) {
  box.selectAll();
  box.insert(text);
}

struct RememberedLoginFile : ::testing::Test {
  RememberedLoginFile() { qputenv("XDG_CONFIG_HOME", roaming.path().toUtf8()); }
  ~RememberedLoginFile() override { qunsetenv("XDG_CONFIG_HOME"); }

  QByteArray fileBytes() const { return wv::test::fileBytes(path); }
  void writeFile(const QByteArray& bytes) const {
    ASSERT_TRUE(wv::test::writeFileBytes(path, bytes));
  }

  QTemporaryDir roaming;
  QString path = roaming.filePath(u"VekParlo.json"_s);
};

struct Typing {
  std::optional<QString> company;
  std::optional<QString> username;
};

struct DocumentCase {
  const char* what;
  QList<Typing> runs;  // each run shows the dialog, types, and attempts a login
  QByteArray document;
  QString shownCompany;  // in the boxes at the next show
  QString shownUsername;
};

}  // namespace

TEST_F(RememberedLoginFile, EachAttemptWritesTheDocumentThatTheNextShowReads) {
  const QString longName = QString(250, u'x');
  const DocumentCase cases[] = {
      {"first attempt, nothing typed", {{}}, loginDocument("", 0), u""_s, u""_s},
      {"company and user typed", {{u"X"_s, u"Y"_s}}, kExample, u"X"_s, u"Y"_s},
      {"only the company typed",
       {{u"X"_s, std::nullopt}},
       loginDocument(R"({"RowID":0,"Original":{"company":"X"}})", 1),
       u"X"_s,
       u""_s},
      {"second run, the same values left", {{u"X"_s, u"Y"_s}, {}}, kExample, u"X"_s, u"Y"_s},
      {"second run, the same values typed again",
       {{u"X"_s, u"Y"_s}, {u"X"_s, u"Y"_s}},
       kExample,
       u"X"_s,
       u"Y"_s},
      {"second run, the company changed",
       {{u"X"_s, u"Y"_s}, {u"Z"_s, std::nullopt}},
       loginDocument(
           R"({"RowID":0,"RowPriorState":"Unchanged","Original":{"company":"Z","username":"Y"}})",
           2),
       u"Z"_s,
       u"Y"_s},
      {"third run keeps the prior state",
       {{u"X"_s, u"Y"_s}, {u"Z"_s, std::nullopt}, {}},
       loginDocument(
           R"({"RowID":0,"RowPriorState":"Unchanged","Original":{"company":"Z","username":"Y"}})",
           2),
       u"Z"_s,
       u"Y"_s},
      {"escapes",
       {{u"a\"b\\c/d"_s, u"t\tu\x01v\x0B"_s}},
       loginDocument(
           R"({"RowID":0,"Original":{"company":"a\"b\\c\/d","username":"t\tu\u0001v\u000B"}})", 1),
       u"a\"b\\c/d"_s,
       u"t\tu\x01v\x0B"_s},
      {"letters outside ASCII",
       {{u"Firmă Iași"_s, u"Țuț"_s}},
       loginDocument("{\"RowID\":0,\"Original\":{\"company\":\"Firm\xC4\x83 Ia\xC8\x99i\","
                     "\"username\":\"\xC8\x9Au\xC8\x9B\"}}",
                     1),
       u"Firmă Iași"_s,
       u"Țuț"_s},
      {"a character outside the basic plane",
       {{u"A\U0001F600"_s, std::nullopt}},
       loginDocument("{\"RowID\":0,\"Original\":{\"company\":\"A\xED\xA0\xBD\xED\xB8\x80\"}}", 1),
       u"A\U0001F600"_s,
       u""_s},
      {"U+0000 ends the value",
       {{QString::fromUtf16(u"ab\0cd", 5), std::nullopt}},
       loginDocument(R"({"RowID":0,"Original":{"company":"ab"}})", 1),
       u"ab"_s,
       u""_s},
      {"a 250-character name",
       {{longName, std::nullopt}},
       loginDocument(R"({"RowID":0,"Original":{"company":")" + QByteArray(200, 'x') + "\"}}", 1),
       longName.left(200),
       u""_s},
  };
  for (const DocumentCase& c : cases) {
    QFile::remove(path);
    for (const Typing& typing : c.runs) {
      ProgramRun run;
      run.remembered.loadAndOpen();
      if (typing.company) type(run.company, *typing.company);
      if (typing.username) type(run.username, *typing.username);
      run.remembered.save();
    }
    EXPECT_EQ(fileBytes(), c.document) << c.what;
    ProgramRun next;
    next.remembered.loadAndOpen();
    EXPECT_EQ(next.company.text(), c.shownCompany) << c.what;
    EXPECT_EQ(next.username.text(), c.shownUsername) << c.what;
  }
}

TEST_F(RememberedLoginFile, AShowDiscardsTypingThatNoAttemptSaved) {
  ProgramRun run;
  run.remembered.loadAndOpen();
  type(run.company, u"Typed"_s);
  run.remembered.loadAndOpen();  // first run: no file, the typing stays
  EXPECT_EQ(run.company.text(), u"Typed"_s);

  writeFile(kExample);
  type(run.company, u"Typed again"_s);
  run.remembered.loadAndOpen();
  EXPECT_EQ(run.company.text(), u"X"_s);
  EXPECT_EQ(run.username.text(), u"Y"_s);
  EXPECT_EQ(run.remembered.table().state(), TableState::Browse);
}

TEST_F(RememberedLoginFile, ADamagedFileIsReportedAndRepairedByTheNextAttempt) {
  writeFile(kExample.left(100));
  ProgramRun run;
  EXPECT_EQ(errorMessageOf([&] { run.remembered.loadAndOpen(); }),
            u"Invalid JSON storage format. Position [100]"_s);
  EXPECT_FALSE(run.remembered.table().isOpen());
  EXPECT_EQ(fileBytes(), kExample.left(100));

  type(run.company, u"X"_s);
  type(run.username, u"Y"_s);
  run.remembered.save();
  EXPECT_EQ(fileBytes(), kExample);
}

TEST_F(RememberedLoginFile, ADamagedFileLeftAsItIsIsRepairedEmpty) {
  writeFile("{}");
  ProgramRun run;
  EXPECT_EQ(errorMessageOf([&] { run.remembered.loadAndOpen(); }),
            u"Invalid JSON storage format. Position [1]"_s);
  run.remembered.save();
  EXPECT_EQ(fileBytes(), loginDocument("", 0));
}

TEST_F(RememberedLoginFile, AFileThatCannotBeHadSaysWhy) {
  ASSERT_TRUE(QDir().mkdir(path));
  ProgramRun run;
  EXPECT_EQ(errorMessageOf([&] { run.remembered.loadAndOpen(); }),
            u"Cannot open file \"%1\". Is a directory"_s.arg(path));
  EXPECT_EQ(errorMessageOf([&] { run.remembered.save(); }),
            u"Cannot create file \"%1\". Is a directory"_s.arg(path));

  const QString fileAsFolder = roaming.filePath(u"plain-file"_s);
  QFile plain(fileAsFolder);
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  qputenv("XDG_CONFIG_HOME", fileAsFolder.toUtf8());
  EXPECT_EQ(errorMessageOf([&] { run.remembered.save(); }),
            u"Cannot create file \"%1/VekParlo.json\". Not a directory"_s.arg(fileAsFolder));
}

struct PathCase {
  QString folder;
  QString path;
};

TEST(RememberedLoginPath, JoinsTheRoamingFolderAndTheFileName) {
  const QString separator = wv::shell::pathSeparator();
  const PathCase cases[] = {
      {u"C:\\Users\\ana\\AppData\\Roaming"_s,
       u"C:\\Users\\ana\\AppData\\Roaming"_s + separator + u"VekParlo.json"_s},
      {u"C:\\Users\\ana\\AppData\\Roaming\\"_s,
       u"C:\\Users\\ana\\AppData\\Roaming\\VekParlo.json"_s},
      {u"/home/ana/.config/"_s, u"/home/ana/.config/VekParlo.json"_s},
      {u"/home/ana/.config"_s, u"/home/ana/.config"_s + separator + u"VekParlo.json"_s},
      {u""_s, u"VekParlo.json"_s},
  };
  for (const PathCase& c : cases)
    EXPECT_EQ(RememberedLogin::filePathIn(c.folder), c.path) << c.folder.toStdString();
}
