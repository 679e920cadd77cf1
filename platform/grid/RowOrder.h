#pragma once

#include <cstdint>
#include <vector>

#include "platform/grid/BoundColumn.h"

namespace wv::grid {

// Reorders `rows` stably by one column's typed value: rows with equal values keep their
// relative order. Nulls count as the smallest value: first ascending, last descending.
void sortRowsBy(std::vector<int32_t>& rows, const BoundColumn& column, bool descending);

}  // namespace wv::grid
