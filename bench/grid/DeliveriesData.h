#pragma once

#include <memory>
#include <vector>

#include "platform/pg/RowStore.h"

namespace wv::bench {

// Deliveries-like rows for measuring and showing the grid without a database: the 27 fields
// of the deliveries report with their types, and value spreads like a big month's (5,000
// partners, a few hundred articles, about five lines per document), generated the same way
// on every run.
std::shared_ptr<const pg::RowStore> makeDeliveries(int rows);

}  // namespace wv::bench
