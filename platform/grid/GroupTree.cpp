#include "platform/grid/GroupTree.h"

namespace wv::grid {

namespace {
void addGroups(const std::vector<int32_t>& rows, const std::vector<const BoundColumn*>& levels,
               int level, int begin, int end, std::vector<GroupNode>& out) {
  const BoundColumn& column = *levels[level];
  int runStart = begin;
  while (runStart < end) {
    int runEnd = runStart + 1;
    while (runEnd < end && column.sameValue(rows[runStart], rows[runEnd])) ++runEnd;
    const size_t self = out.size();
    out.push_back({level, runStart, runEnd, 0});
    if (level + 1 < static_cast<int>(levels.size()))
      addGroups(rows, levels, level + 1, runStart, runEnd, out);
    out[self].next = static_cast<int>(out.size());
    runStart = runEnd;
  }
}
}  // namespace

std::vector<GroupNode> buildGroups(const std::vector<int32_t>& rows,
                                   const std::vector<const BoundColumn*>& levels) {
  std::vector<GroupNode> nodes;
  if (!levels.empty()) addGroups(rows, levels, 0, 0, static_cast<int>(rows.size()), nodes);
  return nodes;
}

std::vector<GroupNode> narrowGroups(const std::vector<GroupNode>& all, int levels,
                                    const std::vector<int>& keptBeforeLeaf) {
  const size_t count = all.size();
  std::vector<int> leavesBefore(count + 1, 0);
  for (size_t i = 0; i < count; ++i)
    leavesBefore[i + 1] = leavesBefore[i] + (all[i].level + 1 == levels ? 1 : 0);
  std::vector<int> newIndex(count + 1);
  std::vector<GroupNode> narrowed;
  for (size_t i = 0; i < count; ++i) {
    newIndex[i] = static_cast<int>(narrowed.size());
    const int begin = keptBeforeLeaf[leavesBefore[i]];
    const int end = keptBeforeLeaf[leavesBefore[all[i].next]];
    if (end > begin) narrowed.push_back({all[i].level, begin, end, static_cast<int>(i)});
  }
  newIndex[count] = static_cast<int>(narrowed.size());
  // A dropped group takes its whole subtree with it, so the groups after a subtree map on.
  for (GroupNode& node : narrowed) node.next = newIndex[all[node.next].next];
  return narrowed;
}

}  // namespace wv::grid
