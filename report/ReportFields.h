#pragma once

#include <vector>

#include "platform/pg/Query.h"

// The fixed result fields of the report's three statements, in their declared order.
namespace wv::report {

std::vector<pg::FieldDef> livrariFields();  // 27 fields
std::vector<pg::FieldDef> clientiFields();  // 29 fields
std::vector<pg::FieldDef> produseFields();  // 7 fields

}  // namespace wv::report
