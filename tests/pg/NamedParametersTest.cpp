#include <gtest/gtest.h>

#include <random>

#include "platform/pg/NamedParameters.h"

using wv::pg::parseNamedParameters;

namespace {

TEST(NamedParameters, RecognisesNamesOnlyOutsideLiteralsIdentifiersAndComments) {
  const struct {
    const char* sql;
    const char* sent;
    QStringList names;
  } cases[] = {
      {"where a = :pA", "where a = $1", {"pA"}},
      {"where p = :pProducator--'DANONE", "where p = $1--'DANONE", {"pProducator"}},
      {"select :a /* :b */ + :c", "select $1 /* :b */ + $2", {"a", "c"}},
      {"select partener_id::text", "select partener_id::text", {}},
      {"select :p::date", "select $1::date", {"p"}},
      {"where a = :p or b = :q or c = :p", "where a = $1 or b = $2 or c = $1", {"p", "q"}},
      {"select ':no', 'it''s :no' || :yes", "select ':no', 'it''s :no' || $1", {"yes"}},
      {R"(select E'it\'s :no', e'\\' || :yes)", R"(select E'it\'s :no', e'\\' || $1)", {"yes"}},
      {R"(select 'a\' || :yes || '')", R"(select 'a\' || $1 || '')", {"yes"}},
      {R"(select "col :no ""x:y""", :yes)", R"(select "col :no ""x:y""", $1)", {"yes"}},
      {"select 1 -- :no\n, :yes", "select 1 -- :no\n, $1", {"yes"}},
      {"select /* a /* :no */ :no */ :yes", "select /* a /* :no */ :no */ $1", {"yes"}},
      {"select $$ :no $$, $f$ :no $$ :no $f$, :yes",
       "select $$ :no $$, $f$ :no $$ :no $f$, $1",
       {"yes"}},
      {"select a$b$ :yes $b$", "select a$b$ $1 $b$", {"yes"}},
      {"select :p_1x9, :_q", "select $1, $2", {"p_1x9", "_q"}},
      {"select :pé", "select $1é", {"p"}},
      {"select a[1 : 2], ' : '", "select a[1 : 2], ' : '", {}},
      {"select 1 where x = :", "select 1 where x = :", {}},
      {":first", "$1", {"first"}},
      {"select :::p", "select ::$1", {"p"}},
      {"select ':open", "select ':open", {}},
      {"select \"open :no", "select \"open :no", {}},
      {"select /* open :no", "select /* open :no", {}},
      {"select $t$ open :no", "select $t$ open :no", {}},
      {"select E'\\", "select E'\\", {}},
  };
  for (const auto& c : cases) {
    const auto parsed = parseNamedParameters(QString::fromUtf8(c.sql));
    EXPECT_EQ(parsed.sql, QString::fromUtf8(c.sent)) << c.sql;
    EXPECT_EQ(parsed.names, c.names) << c.sql;
  }
}

// Fragments that open and close every construct the scanner knows, glued at random: whatever
// the text, the scan ends, finds only names written after a colon, and changes nothing else.
TEST(NamedParameters, AnyTextIsScannedToItsEnd) {
  const char* fragments[] = {":", "::", ":p", "'",  "''", "E'", "\\", "\"", "$", "$$", "$t$",
                             "-", "--", "/*", "*/", "/",  "*",  "\n", "x",  " ", "é",  "😀"};
  std::mt19937 random(7);
  std::uniform_int_distribution<size_t> pick(0, std::size(fragments) - 1);
  for (int round = 0; round < 2000; ++round) {
    QString sql;
    for (int i = 0; i < 12; ++i) sql += QString::fromUtf8(fragments[pick(random)]);
    const auto parsed = parseNamedParameters(sql);
    for (const QString& name : parsed.names)
      EXPECT_TRUE(sql.contains(u':' + name)) << sql.toStdString();
    if (parsed.names.isEmpty()) {
      EXPECT_EQ(parsed.sql, sql);
    }
  }
}

}  // namespace
