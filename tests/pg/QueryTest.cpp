#include <gtest/gtest.h>

#include "tests/pg/PgTestSupport.h"
#include "tests/support/TestCluster.h"

using namespace wv::pg;
using wv::test::errorOf;
using wv::test::testConnection;
using wv::test::valueOf;
using wv::test::valueQuery;

namespace {

const std::string kDatabase = "pgtest_query";
const QString kV = QStringLiteral("v");

class PgQuery : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { wv::test::recreateDatabase(kDatabase); }
  void SetUp() override { con = testConnection(QStringLiteral("pgtest_query"), kDatabase); }

  static QString openError(Query& query) {
    return errorOf([&] { query.open(); });
  }

  std::unique_ptr<Connection> con;
};

TEST_F(PgQuery, AMissingFieldOrAFieldOfTheWrongTypeFailsNamingTheField) {
  Query missing(
      QStringLiteral("dsLivrari"), *con, {QStringLiteral("select 1 as cant")}, {},
      {{QStringLiteral("cant"), FieldType::Double}, {QStringLiteral("pret"), FieldType::Double}});
  EXPECT_EQ(openError(missing),
            QStringLiteral("Field \"pret\" (dsLivraripret) is missing from the result"));
  EXPECT_FALSE(missing.isOpen());

  Query wrongType(QStringLiteral("dsLivrari"), *con, {QStringLiteral("select 'x'::text as pret")},
                  {}, {{QStringLiteral("pret"), FieldType::Double}});
  EXPECT_EQ(openError(wrongType),
            QStringLiteral("Field \"pret\" (dsLivraripret) expects double, the result gives text"));

  Query noStatement(QStringLiteral("dsTest"), *con, {QStringLiteral("-- only a comment")}, {},
                    {{kV, FieldType::Int32}});
  EXPECT_EQ(openError(noStatement),
            QStringLiteral("Field \"v\" (dsTestv) is missing from the result"));
}

TEST_F(PgQuery, EachFieldTypeTakesTheServerTypesThatFitIt) {
  const struct {
    const char* expression;
    FieldType type;
    bool accepted;
  } cases[] = {
      {"'a'::varchar", FieldType::Text, true},
      {"'a'::char(3)", FieldType::Text, true},
      {"'a'::name", FieldType::LongText, true},
      {"1::int4", FieldType::Text, false},
      {"1::int2", FieldType::Int32, true},
      {"1::int8", FieldType::Int32, false},
      {"1::int4", FieldType::Int64, true},
      {"1::numeric", FieldType::Int64, false},
      {"1::numeric", FieldType::Double, true},
      {"1::float4", FieldType::Double, true},
      {"1::int8", FieldType::Double, true},
      {"'1'::text", FieldType::Double, false},
      {"now()::date", FieldType::Date, true},
      {"now()::timestamp", FieldType::Date, false},
      {"now()::date", FieldType::DateTime, true},
      {"now()", FieldType::DateTime, true},
      {"true", FieldType::Boolean, true},
      {"1", FieldType::Boolean, false},
      {"gen_random_uuid()", FieldType::Text, false},
  };
  for (const auto& c : cases) {
    auto query = valueQuery(*con, QStringLiteral("select %1 as v").arg(c.expression), c.type);
    EXPECT_EQ(openError(*query).isEmpty(), c.accepted) << c.expression;
  }
}

TEST_F(PgQuery, FieldsComeInDeclaredOrderAndExtraColumnsAreIgnored) {
  Query query(QStringLiteral("dsTest"), *con,
              {QStringLiteral("select 1::int4 as a, 'x' as extra, 2::int4 as b")}, {},
              {{QStringLiteral("b"), FieldType::Int32}, {QStringLiteral("a"), FieldType::Int32}});
  query.open();
  const auto rows = query.rows();
  ASSERT_EQ(rows->columnCount(), 2);
  EXPECT_EQ(rows->column(0).name, QStringLiteral("b"));
  EXPECT_EQ(rows->integer(0, 0), 2);
  EXPECT_EQ(rows->integer(0, 1), 1);
}

TEST_F(PgQuery, NullsReadAsEmptyTextAndZero) {
  const struct {
    const char* expression;
    FieldType type;
  } cases[] = {
      {"null::text", FieldType::LongText}, {"null::int4", FieldType::Int32},
      {"null::int8", FieldType::Int64},    {"null::numeric", FieldType::Double},
      {"null::date", FieldType::Date},     {"null::timestamp", FieldType::DateTime},
      {"null::bool", FieldType::Boolean},
  };
  for (const auto& c : cases) {
    auto query = valueQuery(*con, QStringLiteral("select %1 as v").arg(c.expression), c.type);
    query->open();
    EXPECT_TRUE(query->fieldIsNull(kV)) << c.expression;
    EXPECT_EQ(query->fieldText(kV), QString()) << c.expression;
    EXPECT_EQ(query->fieldInt(kV), 0) << c.expression;
  }
  auto empty = valueQuery(*con, QStringLiteral("select ''::text as v"));
  empty->open();
  EXPECT_FALSE(empty->fieldIsNull(kV));
}

TEST_F(PgQuery, ValuesArriveExactly) {
  const QString longText = QStringLiteral("ab").repeated(5000);
  const struct {
    const char* expression;
    FieldType type;
    QString text;
  } cases[] = {
      {"true", FieldType::Boolean, "true"},
      {"(-32768)::int2", FieldType::Int32, "-32768"},
      {"2147483647::int4", FieldType::Int64, "2147483647"},
      {"(-9223372036854775808)::int8", FieldType::Int64, "-9223372036854775808"},
      {"12345.678901234567::numeric", FieldType::Double, "12345.678901234567"},
      {"0.1::numeric", FieldType::Double, "0.1"},
      {"(-0.000123)::numeric", FieldType::Double, "-0.000123"},
      {"123456789012345678901234567890.5::numeric", FieldType::Double, "1.2345678901234568e+29"},
      {"0::numeric(10,4)", FieldType::Double, "0"},
      {"123.4500::numeric(10,4)", FieldType::Double, "123.45"},
      {"1e20::numeric", FieldType::Double, "1e+20"},
      {"9007199254740993::numeric", FieldType::Double, "9007199254740992"},
      {"'NaN'::numeric", FieldType::Double, "NaN"},
      {"'Infinity'::numeric", FieldType::Double, "Infinity"},
      {"'-Infinity'::numeric", FieldType::Double, "-Infinity"},
      {"('1e400')::numeric", FieldType::Double, "Infinity"},
      {"1.5::float4", FieldType::Double, "1.5"},
      {"'-Infinity'::float8", FieldType::Double, "-Infinity"},
      {"42::int2", FieldType::Double, "42"},
      {"'2024-02-29'::date", FieldType::Date, "2024-02-29"},
      {"'infinity'::date", FieldType::Date, "infinity"},
      {"'-infinity'::date", FieldType::Date, "-infinity"},
      {"'0044-03-15 BC'::date", FieldType::Date, "0044-03-15 BC"},
      {"'12345-06-07'::date", FieldType::Date, "12345-06-07"},
      {"'2024-02-29'::date", FieldType::DateTime, "2024-02-29T00:00:00.000"},
      {"'2024-02-29 13:45:56.789'::timestamp", FieldType::DateTime, "2024-02-29T13:45:56.789"},
      {"'1999-12-31 23:59:59'::timestamp", FieldType::DateTime, "1999-12-31T23:59:59.000"},
      {"'2024-02-29 13:45:56+02'::timestamptz", FieldType::DateTime, "2024-02-29T11:45:56.000"},
      {"'infinity'::timestamp", FieldType::DateTime, "infinity"},
      {"'a😀ș'::text", FieldType::LongText, QStringLiteral("a😀ș")},
      {"repeat('ab', 5000)", FieldType::LongText, longText},
      {"'x'::char(3)", FieldType::Text, "x  "},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(valueOf(*con, QStringLiteral("select %1 as v").arg(c.expression), c.type), c.text)
        << c.expression;
  }
}

TEST_F(PgQuery, NumbersReadAsIntegersSaturateAndNaNReadsZero) {
  const struct {
    const char* expression;
    int64_t value;
  } cases[] = {{"'NaN'::numeric", 0},
               {"'Infinity'::numeric", INT64_MAX},
               {"(-1e30)::float8", INT64_MIN},
               {"(-7.9)::numeric", -7}};
  for (const auto& c : cases) {
    auto query =
        valueQuery(*con, QStringLiteral("select %1 as v").arg(c.expression), FieldType::Double);
    query->open();
    EXPECT_EQ(query->fieldInt(kV), c.value) << c.expression;
  }
}

TEST_F(PgQuery, StatementLinesAreJoinedSoALineCommentEndsAtItsLine) {
  Query query(
      QStringLiteral("dsTest"), *con,
      {QStringLiteral("select 1::int4 as a -- :notAParameter"), QStringLiteral(", 2::int4 as b")},
      {}, {{QStringLiteral("a"), FieldType::Int32}, {QStringLiteral("b"), FieldType::Int32}});
  EXPECT_EQ(query.sqlText(),
            QStringLiteral("select 1::int4 as a -- :notAParameter\n, 2::int4 as b"));
  query.open();
  EXPECT_EQ(query.fieldInt(QStringLiteral("b")), 2);
}

TEST_F(PgQuery, ParameterTypesFollowTheirDeclarationOrTheFirstValue) {
  const QDate day(2024, 2, 29);
  const QDate bc(-44, 3, 15);
  const struct {
    ParamType declared;
    QDate value;
    FieldType readAs;
    const char* type;
    const char* text;
  } cases[] = {
      {ParamType::Untyped, day, FieldType::DateTime, "timestamp without time zone",
       "2024-02-29T00:00:00.000"},
      {ParamType::Date, day, FieldType::Date, "date", "2024-02-29"},
      {ParamType::Text, day, FieldType::Text, "text", "2024-02-29"},
      {ParamType::Untyped, bc, FieldType::DateTime, "timestamp without time zone",
       "0044-03-15T00:00:00.000 BC"},
      {ParamType::Date, bc, FieldType::Date, "date", "0044-03-15 BC"},
  };
  for (const auto& c : cases) {
    Query query(QStringLiteral("dsTest"), *con,
                {QStringLiteral("select :p as v, pg_typeof(:p)::text as t")},
                {{QStringLiteral("p"), c.declared}},
                {{kV, c.readAs}, {QStringLiteral("t"), FieldType::LongText}});
    query.setParamDate(QStringLiteral("p"), c.value);
    query.open();
    EXPECT_EQ(query.fieldText(QStringLiteral("t")), QString::fromLatin1(c.type)) << c.text;
    EXPECT_EQ(query.fieldText(kV), QString::fromLatin1(c.text));
  }
}

TEST_F(PgQuery, ANullDateSendsNull) {
  auto query = valueQuery(*con, QStringLiteral("select :p is null as v"), FieldType::Boolean,
                          {{QStringLiteral("p"), ParamType::Date}});
  query->setParamDate(QStringLiteral("p"), QDate());
  query->open();
  EXPECT_EQ(query->fieldText(kV), QStringLiteral("true"));
}

TEST_F(PgQuery, AnUnknownParameterOrFieldNameIsAnErrorNamingIt) {
  auto query = valueQuery(*con, QStringLiteral("select :pEmitent as v"));
  EXPECT_TRUE(errorOf([&] {
                query->setParamText(QStringLiteral("pEmitnet"), {});
              }).contains(QStringLiteral("\"pEmitnet\"")));
  EXPECT_TRUE(errorOf([&] {
                query->fieldText(QStringLiteral("nope"));
              }).contains(QStringLiteral("\"nope\"")));
}

TEST_F(PgQuery, HostileValuesTravelAsPlainValues) {
  const QString values[] = {
      QStringLiteral("' or '1'='1"),
      QStringLiteral(";drop table x;--"),
      QStringLiteral(":pX"),
      QStringLiteral("$1"),
      QStringLiteral(R"(back\slash\)"),
      QStringLiteral(R"("quoted")"),
      QStringLiteral("it's"),
      QStringLiteral("E'\\x41'"),
      QStringLiteral("😀"),
      QString(),
  };
  for (const QString& value : values) {
    auto query = valueQuery(*con, QStringLiteral("select :p || '|' || :p as v"));
    query->setParamText(QStringLiteral("p"), value);
    query->open();
    EXPECT_EQ(query->fieldText(kV), value + u'|' + value);
  }
}

TEST_F(PgQuery, AValueWithANulCharacterIsRefusedNotCut) {
  auto query = valueQuery(*con, QStringLiteral("select :p as v"));
  query->setParamText(QStringLiteral("p"),
                      QStringLiteral("a") + QChar(0) + QStringLiteral("' or 1=1"));
  EXPECT_FALSE(openError(*query).isEmpty());
}

TEST_F(PgQuery, OpenRefreshAndCloseReplaceTheRowsAndSignalIt) {
  auto query = valueQuery(*con, QStringLiteral("select g as v from generate_series(1, :n::int4) g"),
                          FieldType::Int32);
  int changed = 0;
  QObject::connect(query.get(), &Query::rowsChanged, [&] { ++changed; });
  EXPECT_FALSE(query->isOpen());
  EXPECT_EQ(query->recordCount(), 0);
  EXPECT_EQ(query->rows()->columnCount(), 0);

  query->setParamText(QStringLiteral("n"), QStringLiteral("3"));
  query->open();
  EXPECT_EQ(query->recordCount(), 3);
  EXPECT_EQ(query->fieldInt(kV), 1);
  query->setParamText(QStringLiteral("n"), QStringLiteral("5"));
  query->open();  // already open: nothing runs
  EXPECT_EQ(query->recordCount(), 3);
  query->refresh();
  EXPECT_EQ(query->recordCount(), 5);
  query->close();
  EXPECT_FALSE(query->isOpen());
  EXPECT_EQ(query->recordCount(), 0);
  EXPECT_EQ(changed, 3);
}

TEST_F(PgQuery, AFailedRefreshKeepsThePreviousRows) {
  auto query = valueQuery(*con, QStringLiteral("select 10 / :d::int4 as v"), FieldType::Int32);
  int changed = 0;
  QObject::connect(query.get(), &Query::rowsChanged, [&] { ++changed; });
  query->setParamText(QStringLiteral("d"), QStringLiteral("2"));
  query->open();
  query->setParamText(QStringLiteral("d"), QStringLiteral("0"));
  EXPECT_EQ(errorOf([&] { query->refresh(); }), QStringLiteral("division by zero"));
  EXPECT_TRUE(query->isOpen());
  EXPECT_EQ(query->fieldInt(kV), 5);
  EXPECT_EQ(changed, 1);
}

// A failure part way through a result must not leave the pooled session in a state that
// breaks the next operation: a server error is drained, a field error cancels the statement.
TEST_F(PgQuery, APooledSessionServesTheNextOperationAfterAFailure) {
  con->setPooling(true);
  const QString pid = QStringLiteral("select pg_backend_pid()::text as v");
  const QString first = valueOf(*con, pid);
  auto failsMidway = valueQuery(
      *con, QStringLiteral("select 1 / (g - 5000) as v from generate_series(1, 10000) g"),
      FieldType::Int32);
  EXPECT_EQ(openError(*failsMidway), QStringLiteral("division by zero"));
  EXPECT_EQ(valueOf(*con, pid), first);

  auto wrongField =
      valueQuery(*con, QStringLiteral("select g::text as v from generate_series(1, 5000000) g"),
                 FieldType::Int32);
  EXPECT_FALSE(openError(*wrongField).isEmpty());
  EXPECT_EQ(valueOf(*con, QStringLiteral("select 7 as v"), FieldType::Int32), QStringLiteral("7"));
}

TEST_F(PgQuery, ManyRowsStreamIntoTheStore) {
  Query query(
      QStringLiteral("dsTest"), *con,
      {QStringLiteral("select g as n, 'p' || (g % 7) as t from generate_series(1, 100000) g")}, {},
      {{QStringLiteral("n"), FieldType::Int32}, {QStringLiteral("t"), FieldType::Text}});
  query.open();
  const auto rows = query.rows();
  ASSERT_EQ(rows->rowCount(), 100000);
  EXPECT_EQ(rows->integer(99999, 0), 100000);
  EXPECT_EQ(rows->text(99999, 1), QStringLiteral("p5"));
  EXPECT_EQ(rows->dictionarySize(1), 7u);
}

}  // namespace
