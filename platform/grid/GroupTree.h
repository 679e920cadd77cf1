#pragma once

#include <cstdint>
#include <vector>

#include "platform/grid/BoundColumn.h"

namespace wv::grid {

// A group of rows that share the values of the grouping columns down to its level. Groups are
// kept in pre-order: a group's subgroups follow it directly, and `next` is the index of the
// first group after its subtree. Groups of the last level are the leaves.
struct GroupNode {
  int level;
  int begin;  // positions in the ordered rows
  int end;
  int next;
};

// Splits `rows`, already ordered by the grouping columns, into nested groups: one level per
// column of `levels`.
std::vector<GroupNode> buildGroups(const std::vector<int32_t>& rows,
                                   const std::vector<const BoundColumn*>& levels);

// The groups of all rows narrowed to the rows that pass the filters, without comparing a single
// value again: keptBeforeLeaf[k] is the number of passing rows before the k-th leaf, followed
// by the number of all passing rows. Groups left without rows are dropped.
std::vector<GroupNode> narrowGroups(const std::vector<GroupNode>& all, int levels,
                                    const std::vector<int>& keptBeforeLeaf);

}  // namespace wv::grid
