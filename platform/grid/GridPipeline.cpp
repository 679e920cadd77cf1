#include "platform/grid/GridPipeline.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <unordered_map>

#include "platform/grid/RowOrder.h"

namespace wv::grid {

namespace {
template <class Keys>
auto findColumn(Keys& keys, int column) {
  return std::find_if(keys.begin(), keys.end(),
                      [column](const SortKey& k) { return k.column == column; });
}

bool passesAll(const std::vector<std::function<bool(int)>>& tests, int row) {
  for (const auto& test : tests)
    if (!test(row)) return false;
  return true;
}
}  // namespace

GridPipeline::GridPipeline(std::vector<GridColumn> columns, const QLocale& locale)
    : columns_(std::move(columns)),
      format_(locale),
      bound_(columns_.size()),
      order_(columns_.size()),
      widths_(columns_.size()),
      filters_(columns_.size()) {
  std::iota(order_.begin(), order_.end(), 0);
  for (size_t i = 0; i < columns_.size(); ++i) widths_[i] = columns_[i].width;
  refilter();
}

void GridPipeline::setStore(std::shared_ptr<const pg::RowStore> store) {
  store_ = std::move(store);
  for (size_t i = 0; i < columns_.size(); ++i) {
    const int field = store_ ? store_->columnIndex(columns_[i].fieldName) : -1;
    bound_[i] = field >= 0 ? BoundColumn(*store_, field) : BoundColumn();
    // The same entry may mean another test for a field of another type.
    filters_[i].entry = FilterEntry::parse(filters_[i].text, bound_[i].type(), format_.locale());
  }
  reorder();
}

std::vector<int> GridPipeline::shownColumns() const {
  std::vector<int> shown;
  for (int column : order_)
    if (!isGrouped(column)) shown.push_back(column);
  return shown;
}

void GridPipeline::moveColumn(int column, int toPosition) {
  order_.erase(std::find(order_.begin(), order_.end(), column));
  toPosition = std::clamp(toPosition, 0, static_cast<int>(order_.size()));
  order_.insert(order_.begin() + toPosition, column);
}

void GridPipeline::setFilterEntry(int column, const QString& entry) {
  ColumnFilterState& f = filters_[column];
  f.text = entry;
  f.entry = FilterEntry::parse(entry, bound_[column].type(), format_.locale());
  refilter();
}

void GridPipeline::setHeaderFilter(int column, std::optional<std::set<ValueKey>> values) {
  filters_[column].values = std::move(values);
  refilter();
}

bool GridPipeline::isColumnFiltered(int column) const {
  return filters_[column].entry.isActive() || filters_[column].values.has_value();
}

bool GridPipeline::hasFilter() const {
  for (int c = 0; c < columnCount(); ++c)
    if (isColumnFiltered(c)) return true;
  return false;
}

void GridPipeline::clearFilters() {
  for (ColumnFilterState& f : filters_) f = ColumnFilterState();
  refilter();
}

std::vector<std::function<bool(int)>> GridPipeline::rowTests(int exceptColumn) const {
  std::vector<std::function<bool(int)>> tests;
  for (int c = 0; c < columnCount(); ++c) {
    if (c == exceptColumn) continue;
    const ColumnFilterState& f = filters_[c];
    if (f.entry.isActive()) tests.push_back(f.entry.rowTest(bound_[c]));
    if (f.values) tests.push_back(valueSetTest(bound_[c], *f.values));
  }
  return tests;
}

std::vector<DistinctValue> GridPipeline::distinctValues(int column) const {
  const auto tests = rowTests(column);
  const BoundColumn& bound = bound_[column];
  const int rowCount = store_ ? store_->rowCount() : 0;
  std::vector<DistinctValue> values;
  if (bound.isText()) {
    std::vector<int32_t> rowOfCode(bound.dictionarySize() + 1, -1);
    for (int row = 0; row < rowCount; ++row)
      if (rowOfCode[bound.textCode(row)] < 0 && passesAll(tests, row))
        rowOfCode[bound.textCode(row)] = row;
    for (int32_t row : rowOfCode)
      if (row >= 0) values.push_back({bound.valueKey(row), row});
  } else {
    std::unordered_map<uint64_t, int> rowOfKey;
    int nullRow = -1;
    for (int row = 0; row < rowCount; ++row) {
      if (!passesAll(tests, row)) continue;
      if (bound.isNull(row)) {
        if (nullRow < 0) nullRow = row;
      } else {
        rowOfKey.try_emplace(bound.orderKey(row), row);
      }
    }
    if (nullRow >= 0) values.push_back({ValueKey{}, nullRow});
    for (const auto& [key, row] : rowOfKey) values.push_back({bound.valueKey(row), row});
  }
  std::sort(values.begin(), values.end(), [&bound](const DistinctValue& a, const DistinctValue& b) {
    if (a.key.isNull || b.key.isNull) return a.key.isNull && !b.key.isNull;
    return bound.orderKey(a.row) < bound.orderKey(b.row);
  });
  return values;
}

void GridPipeline::setSortKeys(std::vector<SortKey> keys) {
  std::erase_if(keys, [this](const SortKey& k) { return isGrouped(k.column); });
  sort_ = std::move(keys);
  reorder();
}

void GridPipeline::clickSort(int column, SortClick click) {
  std::vector<SortKey> keys = sort_;
  auto it = findColumn(keys, column);
  const bool sorted = it != keys.end();
  switch (click) {
    case SortClick::Replace: {
      const bool descending = sorted && !it->descending;
      keys = {{column, descending}};
      break;
    }
    case SortClick::Add:
      if (sorted)
        it->descending = !it->descending;
      else
        keys.push_back({column, false});
      break;
    case SortClick::Remove:
      if (sorted) keys.erase(it);
      break;
  }
  setSortKeys(std::move(keys));
}

bool GridPipeline::isGrouped(int column) const {
  return findColumn(grouping_, column) != grouping_.end();
}

void GridPipeline::groupBy(int column, int level) {
  SortKey key{column, false};
  if (auto it = findColumn(grouping_, column); it != grouping_.end()) {
    key = *it;
    grouping_.erase(it);
  } else if (auto s = findColumn(sort_, column); s != sort_.end()) {
    key = *s;
    sort_.erase(s);
  }
  level = std::clamp(level, 0, static_cast<int>(grouping_.size()));
  grouping_.insert(grouping_.begin() + level, key);
  layout_.forgetExpansion();
  reorder();
}

void GridPipeline::ungroup(int column) {
  auto it = findColumn(grouping_, column);
  if (it == grouping_.end()) return;
  grouping_.erase(it);
  layout_.forgetExpansion();
  reorder();
}

void GridPipeline::reverseGroupOrder(int column) {
  auto it = findColumn(grouping_, column);
  if (it == grouping_.end()) return;
  it->descending = !it->descending;
  reorder();
}

std::vector<const BoundColumn*> GridPipeline::groupLevels() const {
  std::vector<const BoundColumn*> levels;
  for (const SortKey& g : grouping_) levels.push_back(&bound_[g.column]);
  return levels;
}

void GridPipeline::reorder() {
  std::vector<SortKey> keys = grouping_;
  keys.insert(keys.end(), sort_.begin(), sort_.end());
  ordered_.clear();
  if (!keys.empty() && store_) {
    ordered_.resize(static_cast<size_t>(store_->rowCount()));
    std::iota(ordered_.begin(), ordered_.end(), 0);
    // Stable sorts from the least significant key to the most significant one.
    for (auto k = keys.rbegin(); k != keys.rend(); ++k)
      sortRowsBy(ordered_, bound_[k->column], k->descending);
  }
  ordered_.shrink_to_fit();
  allGroups_ = buildGroups(ordered_, groupLevels());
  refilter();
}

void GridPipeline::refilter() {
  const auto tests = rowTests(-1);
  const int rowCount = store_ ? store_->rowCount() : 0;
  passes_.assign((static_cast<size_t>(rowCount) + 63) / 64, tests.empty() ? ~uint64_t{0} : 0);
  if (!tests.empty()) {
    for (int row = 0; row < rowCount; ++row)
      if (passesAll(tests, row))
        passes_[static_cast<size_t>(row) >> 6] |= uint64_t{1} << (row & 63);
  }
  size_t passing = 0;
  for (uint64_t word : passes_) passing += static_cast<size_t>(std::popcount(word));
  if (rowCount % 64 && tests.empty()) passing -= 64 - static_cast<size_t>(rowCount % 64);
  records_ = std::vector<int32_t>();
  records_.reserve(passing);
  auto keep = [this](int begin, int end) {
    for (int position = begin; position < end; ++position) {
      const int32_t row = ordered_.empty() ? position : ordered_[position];
      if (passes(row)) records_.push_back(row);
    }
  };
  const int levels = static_cast<int>(grouping_.size());
  std::vector<int> keptBeforeLeaf;
  for (const GroupNode& group : allGroups_) {
    if (group.level + 1 != levels) continue;
    keptBeforeLeaf.push_back(static_cast<int>(records_.size()));
    keep(group.begin, group.end);
  }
  if (levels == 0) keep(0, rowCount);
  keptBeforeLeaf.push_back(static_cast<int>(records_.size()));
  sums_.clear();
  layout_.rebuild(records_, groupLevels(), narrowGroups(allGroups_, levels, keptBeforeLeaf));
}

int GridPipeline::shownRowOfStoreRow(int storeRow) const {
  if (storeRow < 0 || !store_ || storeRow >= store_->rowCount() || !passes(storeRow)) return -1;
  auto it = std::find(records_.begin(), records_.end(), storeRow);
  if (it == records_.end()) return -1;
  return layout_.shownRowOfPosition(static_cast<int>(it - records_.begin()));
}

int GridPipeline::groupRecordCount(int group) const {
  const GroupNode& node = layout_.group(group);
  return node.end - node.begin;
}

QString GridPipeline::groupText(int group) const {
  const int column = groupColumn(group);
  const QString value = cellText(layout_.firstRecordRow(group), column);
  return QStringLiteral("%1:%2 (%3)")
      .arg(columns_[column].headerText(), value.isEmpty() ? QString() : QLatin1Char(' ') + value)
      .arg(groupRecordCount(group));
}

QVariant GridPipeline::groupValue(int group) const {
  return cellValue(layout_.firstRecordRow(group), groupColumn(group));
}

QString GridPipeline::cellText(int storeRow, int column) const {
  return store_ ? format_.text(*store_, storeRow, bound_[column].field()) : QString();
}

QVariant GridPipeline::cellValue(int storeRow, int column) const {
  const int field = bound_[column].field();
  return field >= 0 ? store_->value(storeRow, field) : QVariant();
}

std::optional<double> GridPipeline::columnSum(int column) const {
  const BoundColumn& bound = bound_[column];
  if (!bound.isNumeric() || !columns_[column].footerSum) return std::nullopt;
  auto [it, added] = sums_.try_emplace(column, 0.0);
  if (added) {
    long double sum = 0;  // wider than the values, so that long sums keep their cents
    const int rowCount = store_->rowCount();
    for (int row = 0; row < rowCount; ++row)  // in store order: each column read front to back
      if (passes(row) && !bound.isNull(row)) sum += bound.number(row);
    it->second = static_cast<double>(sum);
  }
  return it->second;
}

int GridPipeline::findShownRow(int column, int fromShownRow, const QString& prefix) const {
  const int count = shownRowCount();
  const BoundColumn& bound = bound_[column];
  const QString folded = prefix.toCaseFolded();
  std::vector<uint8_t> codeMatches;
  if (bound.isText() && bound.field() >= 0) {
    const std::vector<QString>& texts = bound.foldedTexts();
    codeMatches.resize(texts.size());
    for (size_t code = 1; code < texts.size(); ++code)
      codeMatches[code] = texts[code].startsWith(folded);
  }
  for (int i = 0; i < count; ++i) {
    const int shownRow = (fromShownRow + i) % count;
    const GroupLayout::RowRef ref = layout_.rowAt(shownRow);
    if (ref.group >= 0) continue;
    const int row = records_[ref.position];
    const bool matches = codeMatches.empty()
                             ? cellText(row, column).toCaseFolded().startsWith(folded)
                             : codeMatches[bound.textCode(row)] != 0;
    if (matches) return shownRow;
  }
  return -1;
}

void GridPipeline::walkShownRows(ShownRowsVisitor& visitor) const {
  std::vector<ShownColumn> shown;
  for (int column : shownColumns())
    shown.push_back(
        {column, columns_[column].headerText(), bound_[column].type(), widths_[column]});
  visitor.header(shown);
  layout_.forEachSegment([&](int group, int begin, int count) {
    if (group >= 0) {
      const int column = groupColumn(group);
      visitor.group({layout_.group(group).level, columns_[column].headerText(), groupValue(group),
                     groupText(group), groupRecordCount(group)});
      return;
    }
    for (int position = begin; position < begin + count; ++position)
      visitor.row(ShownRow(*this, shown, records_[position]));
  });
}

size_t GridPipeline::memoryBytes() const {
  size_t bytes = (ordered_.capacity() + records_.capacity()) * sizeof(int32_t) +
                 passes_.capacity() * sizeof(uint64_t) + allGroups_.capacity() * sizeof(GroupNode) +
                 layout_.memoryBytes();
  for (const BoundColumn& b : bound_) bytes += b.cacheBytes();
  return bytes;
}

QVariant ShownRow::value(int cell) const {
  return pipeline_.cellValue(storeRow_, columns_[cell].column);
}
QString ShownRow::text(int cell) const {
  return pipeline_.cellText(storeRow_, columns_[cell].column);
}

}  // namespace wv::grid
