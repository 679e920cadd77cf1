#include "platform/grid/ColumnFilter.h"

#include <QDate>
#include <array>
#include <unordered_set>
#include <utility>

namespace wv::grid {

using pg::FieldType;

namespace {

std::optional<double> parseNumber(const QString& text, const QLocale& locale) {
  bool ok = false;
  double value = locale.toDouble(text, &ok);
  if (!ok) value = QLocale::c().toDouble(text, &ok);
  return ok ? std::optional<double>(value) : std::nullopt;
}

std::optional<QDate> parseDate(const QString& text, const QLocale& locale) {
  QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
  QString relaxed = shortFormat;
  relaxed.replace(QLatin1String("dd"), QLatin1String("d"))
      .replace(QLatin1String("MM"), QLatin1String("M"));
  for (const QString& format : {shortFormat, relaxed, QStringLiteral("yyyy-MM-dd")}) {
    QDate date = QDate::fromString(text, format);
    if (!date.isValid()) continue;
    // A two-digit year reads as 19xx; dates in these grids are of this century.
    if (!format.contains(QLatin1String("yyyy")) && date.year() < 2000) date = date.addYears(100);
    return date;
  }
  return std::nullopt;
}

}  // namespace

FilterEntry FilterEntry::parse(const QString& entry, FieldType type, const QLocale& locale) {
  FilterEntry result;
  if (entry.isEmpty()) return result;
  const bool isCompared =
      pg::isNumericType(type) || type == FieldType::Date || type == FieldType::DateTime;
  if (!isCompared) {
    result.kind_ = Kind::Contains;
    result.folded_ = entry.toCaseFolded();
    return result;
  }
  static const std::array<std::pair<QLatin1String, Op>, 6> operators{{
      {QLatin1String("<>"), Op::Ne},
      {QLatin1String("<="), Op::Le},
      {QLatin1String(">="), Op::Ge},
      {QLatin1String("<"), Op::Lt},
      {QLatin1String(">"), Op::Gt},
      {QLatin1String("="), Op::Eq},
  }};
  QString operand = entry.trimmed();
  for (const auto& [symbol, op] : operators) {
    if (operand.startsWith(symbol)) {
      result.op_ = op;
      operand = operand.mid(symbol.size()).trimmed();
      break;
    }
  }
  if (operand.isEmpty()) return result;  // nothing but an operator yet
  result.kind_ = Kind::Invalid;
  if (pg::isNumericType(type)) {
    if (auto number = parseNumber(operand, locale)) {
      result.kind_ = Kind::Compare;
      result.number_ = *number;
    }
  } else if (auto date = parseDate(operand, locale)) {
    result.kind_ = Kind::Compare;
    result.day_ = pg::daysFromDate(*date);
  }
  return result;
}

template <class T>
bool FilterEntry::holds(Op op, T value, T operand) {
  switch (op) {
    case Op::Eq:
      return value == operand;
    case Op::Ne:
      return value != operand;
    case Op::Lt:
      return value < operand;
    case Op::Le:
      return value <= operand;
    case Op::Gt:
      return value > operand;
    case Op::Ge:
      return value >= operand;
  }
  return false;
}

std::function<bool(int)> FilterEntry::rowTest(const BoundColumn& column) const {
  if (kind_ == Kind::Invalid || column.field() < 0) return [](int) { return false; };
  if (kind_ == Kind::Contains && column.isText()) {
    // Each distinct text is tested once; rows then only look up their code.
    const std::vector<QString>& folded = column.foldedTexts();
    std::vector<uint8_t> matches(folded.size(), 0);
    for (size_t code = 1; code < folded.size(); ++code)
      matches[code] = folded[code].contains(folded_);
    return [&column, matches = std::move(matches)](int row) {
      return matches[column.textCode(row)] != 0;
    };
  }
  if (kind_ == Kind::Contains) {  // yes/no, as the grid shows them
    const bool yesMatches = QStringLiteral("da").contains(folded_);
    const bool noMatches = QStringLiteral("nu").contains(folded_);
    return [&column, yesMatches, noMatches](int row) {
      return !column.isNull(row) && (column.orderKey(row) ? yesMatches : noMatches);
    };
  }
  const Op op = op_;
  if (column.isNumeric()) {
    const double operand = number_;
    return [&column, op, operand](int row) {
      return !column.isNull(row) && holds(op, column.number(row), operand);
    };
  }
  const int64_t operand = day_;
  return [&column, op, operand](int row) {
    return !column.isNull(row) && holds(op, column.day(row), operand);
  };
}

std::function<bool(int)> valueSetTest(const BoundColumn& column, const std::set<ValueKey>& values) {
  const bool takesNull = values.contains(ValueKey{});
  if (column.isText()) {
    std::unordered_set<std::string_view> texts;
    for (const ValueKey& key : values)
      if (!key.isNull) texts.insert(key.text);
    std::vector<uint8_t> picked(column.dictionarySize() + 1, 0);
    picked[0] = takesNull;
    for (uint32_t code = 1; code < picked.size(); ++code)
      picked[code] = texts.contains(column.textUtf8(code));
    return [&column, picked = std::move(picked)](int row) {
      return picked[column.textCode(row)] != 0;
    };
  }
  std::unordered_set<uint64_t> keys;
  for (const ValueKey& key : values)
    if (!key.isNull) keys.insert(key.bits);
  return [&column, takesNull, keys = std::move(keys)](int row) {
    return column.isNull(row) ? takesNull : keys.contains(column.orderKey(row));
  };
}

}  // namespace wv::grid
