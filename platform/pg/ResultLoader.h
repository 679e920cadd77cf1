#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "platform/pg/Query.h"
#include "platform/pg/RowStore.h"

typedef struct pg_result PGresult;

namespace wv::pg {

// Internal to the PostgreSQL layer: turns a statement's binary results, as they stream in,
// into a RowStore whose columns are the declared fields in declared order.
class ResultLoader {
 public:
  explicit ResultLoader(const Query& query);
  ~ResultLoader();

  // Matches the declared fields with the result's columns, before any row is read; throws
  // wv::Error naming the first field that is missing or of a type it cannot hold.
  void bindColumns(const PGresult* result);
  bool columnsBound() const { return bound_; }
  void addRows(const PGresult* result);
  std::shared_ptr<const RowStore> finish();

 private:
  struct Binding;
  void storeValue(const Binding& b, int field, std::string_view value);

  const Query& query_;
  std::vector<Binding> bindings_;
  bool bound_ = false;
  RowStoreBuilder builder_;
};

}  // namespace wv::pg
