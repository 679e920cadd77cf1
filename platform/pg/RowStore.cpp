#include "platform/pg/RowStore.h"

#include <charconv>
#include <cmath>
#include <cstring>

#include "platform/pg/DateText.h"

namespace wv::pg {

namespace {
const QDate kEpochDate(2000, 1, 1);
constexpr uint8_t kBoolNull = 2;

bool bitAt(const std::vector<uint64_t>& bits, int row) {
  return (bits[static_cast<size_t>(row) >> 6] >> (row & 63)) & 1u;
}

// Out-of-range and NaN values would make the conversion undefined; they saturate, NaN reads 0.
int64_t truncatedInteger(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 0x1p63) return INT64_MAX;
  if (v < -0x1p63) return INT64_MIN;
  return static_cast<int64_t>(v);
}

QString numberText(double v) {
  if (std::isnan(v)) return QStringLiteral("NaN");
  if (std::isinf(v)) return v > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, v);
  return QString::fromLatin1(buf, static_cast<int>(res.ptr - buf));
}
}  // namespace

QDate dateFromDays(int32_t days) {
  if (days == kDateInfinity || days == kDateMinusInfinity) return {};
  return kEpochDate.addDays(days);
}

int32_t daysFromDate(const QDate& date) {
  return static_cast<int32_t>(kEpochDate.daysTo(date));
}

QDateTime dateTimeFromMicros(int64_t micros) {
  if (micros == kDateTimeInfinity || micros == kDateTimeMinusInfinity) return {};
  const int64_t perDay = int64_t{86400} * 1000000;
  int64_t days = micros / perDay;
  int64_t rest = micros % perDay;
  if (rest < 0) {
    rest += perDay;
    --days;
  }
  return QDateTime(kEpochDate.addDays(days),
                   QTime::fromMSecsSinceStartOfDay(static_cast<int>(rest / 1000)));
}

struct RowStore::Column {
  ColumnInfo info;
  std::vector<int32_t> i32;        // Int32, Date
  std::vector<int64_t> i64;        // Int64, DateTime
  std::vector<double> f64;         // Double
  std::vector<uint8_t> b8;         // Boolean: 0, 1 or kBoolNull
  std::vector<uint32_t> codes;     // texts: dictionary code, 0 for null
  std::vector<uint64_t> nullBits;  // numbers and dates: a set bit marks a null
  std::vector<char> arena;         // the dictionary's texts, UTF-8, back to back
  std::vector<uint64_t> offsets{0};

  std::string_view entry(uint32_t code) const {
    return {arena.data() + offsets[code - 1],
            static_cast<size_t>(offsets[code] - offsets[code - 1])};
  }
  bool usesNullBits() const { return !isTextType(info.type) && info.type != FieldType::Boolean; }
};

RowStore::RowStore() = default;
RowStore::~RowStore() = default;

const RowStore::ColumnInfo& RowStore::column(int col) const {
  return columns_[col]->info;
}

int RowStore::columnIndex(const QString& name) const {
  for (size_t i = 0; i < columns_.size(); ++i)
    if (columns_[i]->info.name == name) return static_cast<int>(i);
  return -1;
}

bool RowStore::isNull(int row, int col) const {
  const Column& c = *columns_[col];
  if (isTextType(c.info.type)) return c.codes[row] == 0;
  if (c.info.type == FieldType::Boolean) return c.b8[row] == kBoolNull;
  return bitAt(c.nullBits, row);
}

int64_t RowStore::intValue(int row, int col) const {
  const Column& c = *columns_[col];
  return c.info.type == FieldType::Int32 ? c.i32[row] : c.i64[row];
}
double RowStore::doubleValue(int row, int col) const {
  return columns_[col]->f64[row];
}
int32_t RowStore::dateValue(int row, int col) const {
  return columns_[col]->i32[row];
}
int64_t RowStore::dateTimeValue(int row, int col) const {
  return columns_[col]->i64[row];
}
bool RowStore::boolValue(int row, int col) const {
  return columns_[col]->b8[row] == 1;
}
uint32_t RowStore::textCode(int row, int col) const {
  return columns_[col]->codes[row];
}

uint32_t RowStore::dictionarySize(int col) const {
  return static_cast<uint32_t>(columns_[col]->offsets.size() - 1);
}

std::string_view RowStore::dictionaryUtf8(int col, uint32_t code) const {
  return code == 0 ? std::string_view() : columns_[col]->entry(code);
}

QString RowStore::dictionaryText(int col, uint32_t code) const {
  std::string_view v = dictionaryUtf8(col, code);
  return QString::fromUtf8(v.data(), static_cast<qsizetype>(v.size()));
}

QString RowStore::text(int row, int col) const {
  if (isNull(row, col)) return QString();
  switch (columns_[col]->info.type) {
    case FieldType::Text:
    case FieldType::LongText:
      return dictionaryText(col, textCode(row, col));
    case FieldType::Int32:
    case FieldType::Int64:
      return QString::number(intValue(row, col));
    case FieldType::Double:
      return numberText(doubleValue(row, col));
    case FieldType::Date: {
      int32_t d = dateValue(row, col);
      if (d == kDateInfinity) return QStringLiteral("infinity");
      if (d == kDateMinusInfinity) return QStringLiteral("-infinity");
      return dateText(dateFromDays(d));
    }
    case FieldType::DateTime: {
      int64_t t = dateTimeValue(row, col);
      if (t == kDateTimeInfinity) return QStringLiteral("infinity");
      if (t == kDateTimeMinusInfinity) return QStringLiteral("-infinity");
      return dateTimeText(dateTimeFromMicros(t));
    }
    case FieldType::Boolean:
      return boolValue(row, col) ? QStringLiteral("true") : QStringLiteral("false");
  }
  return QString();
}

int64_t RowStore::integer(int row, int col) const {
  if (isNull(row, col)) return 0;
  switch (columns_[col]->info.type) {
    case FieldType::Int32:
    case FieldType::Int64:
      return intValue(row, col);
    case FieldType::Double:
      return truncatedInteger(doubleValue(row, col));
    case FieldType::Boolean:
      return boolValue(row, col) ? 1 : 0;
    default: {
      bool ok = false;
      qint64 v = text(row, col).trimmed().toLongLong(&ok);
      return ok ? v : 0;
    }
  }
}

QVariant RowStore::value(int row, int col) const {
  if (isNull(row, col)) return QVariant();
  switch (columns_[col]->info.type) {
    case FieldType::Text:
    case FieldType::LongText:
      return text(row, col);
    case FieldType::Int32:
    case FieldType::Int64:
      return QVariant::fromValue<qint64>(intValue(row, col));
    case FieldType::Double:
      return doubleValue(row, col);
    case FieldType::Date:
      return dateFromDays(dateValue(row, col));
    case FieldType::DateTime:
      return dateTimeFromMicros(dateTimeValue(row, col));
    case FieldType::Boolean:
      return boolValue(row, col);
  }
  return QVariant();
}

size_t RowStore::memoryBytes() const {
  size_t total = sizeof(*this);
  for (const auto& c : columns_) {
    total += sizeof(Column) + c->i32.capacity() * 4 + c->i64.capacity() * 8 +
             c->f64.capacity() * 8 + c->b8.capacity() + c->codes.capacity() * 4 +
             c->nullBits.capacity() * 8 + c->arena.capacity() + c->offsets.capacity() * 8;
  }
  return total;
}

// Open-addressing hash set of dictionary codes, used only while a store is filled. A slot
// keeps the text's hash beside its code, so a probe reads the text only when the hashes match.
struct RowStoreBuilder::Interner {
  std::vector<uint64_t> table = std::vector<uint64_t>(1024, 0);  // hash << 32 | code; 0 is free
  uint32_t lastCode = 0;
  uint32_t lastHash = 0;

  // Eight bytes at a time, each folded in with a multiply and a shift; the last bytes are
  // read as one overlapping word (or two half words, or three single bytes for short texts),
  // so no read goes past the text and no call is made.
  static uint64_t word(const char* p) {
    uint64_t w;
    std::memcpy(&w, p, sizeof w);
    return w;
  }
  static uint64_t halfWord(const char* p) {
    uint32_t w;
    std::memcpy(&w, p, sizeof w);
    return w;
  }
  static uint64_t mix(uint64_t h, uint64_t w) {
    h = (h ^ w) * 0xBF58476D1CE4E5B9ull;
    return h ^ (h >> 29);
  }

  static uint32_t hashOf(std::string_view s) {
    const char* p = s.data();
    const size_t n = s.size();
    uint64_t h = 0x9E3779B97F4A7C15ull ^ n;
    if (n > 8) {
      size_t i = 0;
      for (; i + 8 < n; i += 8) h = mix(h, word(p + i));
      h = mix(h, word(p + n - 8));
    } else if (n >= 4) {
      h = mix(h, halfWord(p) << 32 | halfWord(p + n - 4));
    } else if (n > 0) {
      const auto byte = [p](size_t i) { return uint64_t{static_cast<unsigned char>(p[i])}; };
      h = mix(h, byte(0) << 16 | byte(n / 2) << 8 | byte(n - 1));
    }
    h = (h ^ (h >> 31)) * 0x94D049BB133111EBull;
    return static_cast<uint32_t>(h >> 32);
  }

  // A text equal to the previous one (a repeat down the column) is found without a probe.
  uint32_t intern(RowStore::Column& col, std::string_view s) {
    const uint32_t h = hashOf(s);
    if (lastCode != 0 && h == lastHash && col.entry(lastCode) == s) return lastCode;
    lastHash = h;
    const size_t mask = table.size() - 1;
    size_t i = h & mask;
    while (const uint64_t slot = table[i]) {
      const uint32_t code = static_cast<uint32_t>(slot);
      if (static_cast<uint32_t>(slot >> 32) == h && col.entry(code) == s) return lastCode = code;
      i = (i + 1) & mask;
    }
    col.arena.insert(col.arena.end(), s.begin(), s.end());
    col.offsets.push_back(col.arena.size());
    const uint32_t code = static_cast<uint32_t>(col.offsets.size() - 1);
    table[i] = uint64_t{h} << 32 | code;
    if (size_t{code} * 2 > table.size()) grow();
    return lastCode = code;
  }

  void grow() {
    std::vector<uint64_t> bigger(table.size() * 2, 0);
    const size_t mask = bigger.size() - 1;
    for (const uint64_t slot : table) {
      if (!slot) continue;
      size_t i = (slot >> 32) & mask;
      while (bigger[i]) i = (i + 1) & mask;
      bigger[i] = slot;
    }
    table.swap(bigger);
  }
};

RowStoreBuilder::RowStoreBuilder(std::vector<RowStore::ColumnInfo> columns)
    : store_(std::make_unique<RowStore>()) {
  for (auto& info : columns) {
    auto col = std::make_unique<RowStore::Column>();
    col->info = std::move(info);
    store_->columns_.push_back(std::move(col));
    interners_.push_back(
        isTextType(store_->columns_.back()->info.type) ? std::make_unique<Interner>() : nullptr);
  }
  openPendingRow();
}

RowStoreBuilder::~RowStoreBuilder() = default;

void RowStoreBuilder::reserve(int rows) {
  const size_t n = static_cast<size_t>(rows) + 1;
  for (auto& c : store_->columns_) {
    switch (c->info.type) {
      case FieldType::Text:
      case FieldType::LongText:
        c->codes.reserve(n);
        break;
      case FieldType::Int32:
      case FieldType::Date:
        c->i32.reserve(n);
        break;
      case FieldType::Int64:
      case FieldType::DateTime:
        c->i64.reserve(n);
        break;
      case FieldType::Double:
        c->f64.reserve(n);
        break;
      case FieldType::Boolean:
        c->b8.reserve(n);
        break;
    }
    if (c->usesNullBits()) c->nullBits.reserve(n / 64 + 1);
  }
}

namespace {
void clearNull(std::vector<uint64_t>& bits, size_t row) {
  bits[row >> 6] &= ~(uint64_t{1} << (row & 63));
}
}  // namespace

namespace {
// Writes a non-null value of a number or date column into the pending row.
template <class T>
void putValue(std::vector<T>& values, std::vector<uint64_t>& nullBits, size_t row, T value) {
  values[row] = value;
  clearNull(nullBits, row);
}
}  // namespace

void RowStoreBuilder::setNull(int col) {
  RowStore::Column& c = *store_->columns_[col];
  const size_t row = static_cast<size_t>(store_->rowCount_);
  if (isTextType(c.info.type))
    c.codes[row] = 0;
  else if (c.info.type == FieldType::Boolean)
    c.b8[row] = kBoolNull;
  else
    c.nullBits[row >> 6] |= uint64_t{1} << (row & 63);
}

void RowStoreBuilder::setInt(int col, int64_t value) {
  RowStore::Column& c = *store_->columns_[col];
  const size_t row = static_cast<size_t>(store_->rowCount_);
  if (c.info.type == FieldType::Int32)
    c.i32[row] = static_cast<int32_t>(value);
  else
    c.i64[row] = value;
  clearNull(c.nullBits, row);
}

void RowStoreBuilder::setDouble(int col, double value) {
  RowStore::Column& c = *store_->columns_[col];
  putValue(c.f64, c.nullBits, static_cast<size_t>(store_->rowCount_), value);
}

void RowStoreBuilder::setDate(int col, int32_t days) {
  RowStore::Column& c = *store_->columns_[col];
  putValue(c.i32, c.nullBits, static_cast<size_t>(store_->rowCount_), days);
}

void RowStoreBuilder::setDateTime(int col, int64_t micros) {
  RowStore::Column& c = *store_->columns_[col];
  putValue(c.i64, c.nullBits, static_cast<size_t>(store_->rowCount_), micros);
}

void RowStoreBuilder::setBool(int col, bool value) {
  store_->columns_[col]->b8[static_cast<size_t>(store_->rowCount_)] = value ? 1 : 0;
}

void RowStoreBuilder::setText(int col, std::string_view utf8) {
  RowStore::Column& c = *store_->columns_[col];
  c.codes[static_cast<size_t>(store_->rowCount_)] = interners_[col]->intern(c, utf8);
}

void RowStoreBuilder::endRow() {
  ++store_->rowCount_;
  openPendingRow();
}

// Every column gets a null slot for the row being filled; set* calls overwrite it.
void RowStoreBuilder::openPendingRow() {
  const size_t next = static_cast<size_t>(store_->rowCount_);
  for (auto& c : store_->columns_) {
    switch (c->info.type) {
      case FieldType::Text:
      case FieldType::LongText:
        c->codes.push_back(0);
        break;
      case FieldType::Int32:
      case FieldType::Date:
        c->i32.push_back(0);
        break;
      case FieldType::Int64:
      case FieldType::DateTime:
        c->i64.push_back(0);
        break;
      case FieldType::Double:
        c->f64.push_back(0);
        break;
      case FieldType::Boolean:
        c->b8.push_back(kBoolNull);
        break;
    }
    if (c->usesNullBits()) {
      if ((next >> 6) >= c->nullBits.size()) c->nullBits.push_back(0);
      c->nullBits[next >> 6] |= uint64_t{1} << (next & 63);
    }
  }
}

std::shared_ptr<const RowStore> RowStoreBuilder::finish() {
  // Drop the pending row that endRow opened last.
  for (auto& c : store_->columns_) {
    switch (c->info.type) {
      case FieldType::Text:
      case FieldType::LongText:
        c->codes.pop_back();
        c->codes.shrink_to_fit();
        break;
      case FieldType::Int32:
      case FieldType::Date:
        c->i32.pop_back();
        c->i32.shrink_to_fit();
        break;
      case FieldType::Int64:
      case FieldType::DateTime:
        c->i64.pop_back();
        c->i64.shrink_to_fit();
        break;
      case FieldType::Double:
        c->f64.pop_back();
        c->f64.shrink_to_fit();
        break;
      case FieldType::Boolean:
        c->b8.pop_back();
        c->b8.shrink_to_fit();
        break;
    }
    c->arena.shrink_to_fit();
    c->offsets.shrink_to_fit();
  }
  interners_.clear();
  std::shared_ptr<const RowStore> done(store_.release());
  return done;
}

}  // namespace wv::pg
