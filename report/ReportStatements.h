#pragma once

#include <QStringList>

// The report's three statements, kept byte for byte in report/sql/ and built into the program.
namespace wv::report {

QStringList livrariStatement();  // deliveries, 69 lines
QStringList clientiStatement();  // clients, 120 lines
QStringList produseStatement();  // products, 84 lines, the last one empty

namespace sql {
extern const char* const livrari;
extern const char* const clienti;
extern const char* const produse;
}  // namespace sql

}  // namespace wv::report
