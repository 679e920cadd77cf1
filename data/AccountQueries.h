#pragma once

#include <QStringList>
#include <vector>

#include "platform/pg/Query.h"

// Statement lines and result fields of the data module's four account and company queries.
namespace wv::data {

QStringList emitentStatement();
std::vector<pg::FieldDef> emitentFields();
QStringList aplicatieMobStatement();
std::vector<pg::FieldDef> aplicatieMobFields();
QStringList aplicatieMobEmitentStatement();
std::vector<pg::FieldDef> aplicatieMobEmitentFields();
QStringList euStatement();
std::vector<pg::FieldDef> euFields();

}  // namespace wv::data
