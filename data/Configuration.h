#pragma once

#include <QString>

// Where the databases are, fixed when the program is built (WVELORA_* build settings); the
// program reads no settings file, command line or environment variable.
namespace wv::data {

QString mainHost();          // placeholder server of conVek until a login points it at a company
QString registryHost();      // server of the company registry
int registryPort();          // 5432 unless the build put the registry elsewhere
QString databasePassword();  // of the account "vek"; kept encoded in the binary

}  // namespace wv::data
