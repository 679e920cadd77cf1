#pragma once

#include <cstdint>
#include <set>
#include <vector>

#include "platform/grid/BoundColumn.h"
#include "platform/grid/GroupTree.h"

namespace wv::grid {

// Which rows are on screen, in order: group rows, and the rows of expanded groups. The rows
// are kept as runs over the ordered records, so a million rows in a few thousand groups take a
// few thousand entries. Expanded groups are remembered by their values, so the state survives
// filtering, sorting and a reload of the rows.
class GroupLayout {
 public:
  struct RowRef {
    int group = -1;     // a group row: its group; -1 for a data row
    int position = -1;  // a data row: its position among the ordered records
    int dataIndex = 0;  // data rows on screen before this row
  };

  // `records` must outlive the layout or the next rebuild; `groups` are over the records.
  void rebuild(const std::vector<int32_t>& records, std::vector<const BoundColumn*> levels,
               std::vector<GroupNode> groups);
  void forgetExpansion();  // all groups collapsed; for a new grouping

  int rowCount() const { return rowCount_; }
  RowRef rowAt(int shownRow) const;
  int shownRowOfPosition(int position) const;  // -1 when in a collapsed group

  int groupCount() const { return static_cast<int>(nodes_.size()); }
  const GroupNode& group(int group) const { return nodes_[group]; }
  bool isExpanded(int group) const;
  int rowsUnder(int group) const;  // rows shown under the group row while it is expanded
  void setExpanded(int group, bool expanded);
  void setAllExpanded(bool expanded);
  int firstRecordRow(int group) const { return (*records_)[nodes_[group].begin]; }

  template <class Visit>
  void forEachSegment(Visit&& visit) const {
    for (const Segment& s : segments_) visit(s.group, s.begin, s.count);
  }

  size_t memoryBytes() const;

 private:
  struct Segment {
    int first;  // shown row of the segment's first row
    int group;  // a group row; -1 for a run of data rows
    int begin;  // the run's first position among the records
    int count;  // rows in the run
    int dataIndex;
  };
  std::vector<ValueKey> pathOf(int group) const;
  int layOut(int from, int to, std::vector<Segment>* out, int firstRow, int dataIndex) const;
  void relayOut();

  const std::vector<int32_t>* records_ = nullptr;
  std::vector<const BoundColumn*> levels_;
  std::vector<GroupNode> nodes_;
  std::vector<Segment> segments_;
  int rowCount_ = 0;
  bool allExpanded_ = false;
  std::set<std::vector<ValueKey>> toggled_;  // groups whose state differs from allExpanded_
};

}  // namespace wv::grid
