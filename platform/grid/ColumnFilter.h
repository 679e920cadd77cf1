#pragma once

#include <QLocale>
#include <QString>
#include <functional>
#include <set>

#include "platform/grid/BoundColumn.h"

namespace wv::grid {

// What an entry in the filter row (the editor under a column's header) means:
//
// - Text and yes/no columns: the rows whose text contains the entry anywhere ("contains"),
//   compared after Unicode case folding, so "ș" finds "Ș" and "STEFAN" finds "Stefan". The
//   entry is taken as typed, spaces included.
// - Number and date columns: a comparison. An optional operator `=`, `<>`, `<`, `<=`, `>` or
//   `>=` comes before the value; without one the entry means `=`. A number is written as the
//   user writes numbers (the user's decimal separator) or with a "." decimal point; a date in
//   the user's short date format (also with one-digit day or month) or as yyyy-MM-dd. A
//   date-time column compares its calendar day.
// - An entry that is empty, or only an operator (the user is still typing), filters nothing.
//   Any other entry that does not read as a number or date matches no row, so the grid shows
//   no rows, and the editor shows that the entry is not valid.
// - A null cell matches no entry.
//
// The entries of several columns, and a column's entry with its header filter (a list of
// picked values), combine with AND.
class FilterEntry {
 public:
  FilterEntry() = default;  // filters nothing
  static FilterEntry parse(const QString& entry, pg::FieldType type, const QLocale& locale);

  bool isActive() const { return kind_ != Kind::None; }
  bool isValid() const { return kind_ != Kind::Invalid; }

  // The test for the rows of `column`; valid only while the column and its store live.
  std::function<bool(int)> rowTest(const BoundColumn& column) const;

 private:
  enum class Kind { None, Contains, Compare, Invalid };
  enum class Op { Eq, Ne, Lt, Le, Gt, Ge };
  template <class T>
  static bool holds(Op op, T value, T operand);

  Kind kind_ = Kind::None;
  Op op_ = Op::Eq;
  QString folded_;
  double number_ = 0;
  int64_t day_ = 0;
};

// The test for a header filter: the rows whose value is one of the picked values.
std::function<bool(int)> valueSetTest(const BoundColumn& column, const std::set<ValueKey>& values);

}  // namespace wv::grid
