#include "platform/grid/GroupLayout.h"

#include <algorithm>

namespace wv::grid {

void GroupLayout::rebuild(const std::vector<int32_t>& records,
                          std::vector<const BoundColumn*> levels, std::vector<GroupNode> groups) {
  records_ = &records;
  levels_ = std::move(levels);
  nodes_ = std::move(groups);
  relayOut();
}

void GroupLayout::forgetExpansion() {
  allExpanded_ = false;
  toggled_.clear();
}

std::vector<ValueKey> GroupLayout::pathOf(int group) const {
  const int row = firstRecordRow(group);
  std::vector<ValueKey> path;
  for (int level = 0; level <= nodes_[group].level; ++level)
    path.push_back(levels_[level]->valueKey(row));
  return path;
}

bool GroupLayout::isExpanded(int group) const {
  if (toggled_.empty()) return allExpanded_;
  return allExpanded_ != toggled_.contains(pathOf(group));
}

// Lays out the groups [from, to) (whole subtrees) and returns the number of rows they show.
int GroupLayout::layOut(int from, int to, std::vector<Segment>* out, int firstRow,
                        int dataIndex) const {
  int shown = 0;
  int data = 0;
  for (int i = from; i < to;) {
    const GroupNode& node = nodes_[i];
    if (out) out->push_back({firstRow + shown, i, node.begin, 1, dataIndex + data});
    ++shown;
    if (!isExpanded(i)) {
      i = node.next;
    } else if (node.level + 1 == static_cast<int>(levels_.size())) {
      const int count = node.end - node.begin;
      if (out) out->push_back({firstRow + shown, -1, node.begin, count, dataIndex + data});
      shown += count;
      data += count;
      i = node.next;
    } else {
      ++i;  // its subgroups follow
    }
  }
  return shown;
}

void GroupLayout::relayOut() {
  segments_.clear();
  if (levels_.empty()) {
    rowCount_ = static_cast<int>(records_->size());
    if (rowCount_ > 0) segments_.push_back({0, -1, 0, rowCount_, 0});
    return;
  }
  rowCount_ = layOut(0, groupCount(), &segments_, 0, 0);
}

GroupLayout::RowRef GroupLayout::rowAt(int shownRow) const {
  auto it = std::upper_bound(segments_.begin(), segments_.end(), shownRow,
                             [](int row, const Segment& s) { return row < s.first; });
  const Segment& s = *(it - 1);
  if (s.group >= 0) return {s.group, -1, s.dataIndex};
  const int offset = shownRow - s.first;
  return {-1, s.begin + offset, s.dataIndex + offset};
}

int GroupLayout::shownRowOfPosition(int position) const {
  for (const Segment& s : segments_)
    if (s.group < 0 && position >= s.begin && position < s.begin + s.count)
      return s.first + position - s.begin;
  return -1;
}

int GroupLayout::rowsUnder(int group) const {
  const GroupNode& node = nodes_[group];
  if (node.level + 1 == static_cast<int>(levels_.size())) return node.end - node.begin;
  return layOut(group + 1, node.next, nullptr, 0, 0);
}

void GroupLayout::setExpanded(int group, bool expanded) {
  if (isExpanded(group) == expanded) return;
  auto path = pathOf(group);
  if (!toggled_.erase(path)) toggled_.insert(std::move(path));
  relayOut();
}

void GroupLayout::setAllExpanded(bool expanded) {
  allExpanded_ = expanded;
  toggled_.clear();
  relayOut();
}

size_t GroupLayout::memoryBytes() const {
  return nodes_.capacity() * sizeof(GroupNode) + segments_.capacity() * sizeof(Segment);
}

}  // namespace wv::grid
