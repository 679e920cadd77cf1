#pragma once

#include <QStringList>
#include <vector>

#include "platform/pg/Query.h"

// The company registry lookup `dsVekMobil`: its statement and result fields.
namespace wv::login {

QStringList registryStatement();
std::vector<pg::ParamDef> registryParams();
std::vector<pg::FieldDef> registryFields();

}  // namespace wv::login
