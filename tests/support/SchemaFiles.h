#pragma once

#include <string>

namespace wv::test {

// The text of a file of the source tree, by its path from the root.
std::string sourceText(const std::string& path);
// The text of a file under scripts/sql/ of the source tree.
std::string sqlFile(const std::string& name);
// The report's fixture rows (tests/report/ReportFixture.sql) for a database made with
// company-schema.sql: the report's edge cases, delivered in March 2026.
std::string reportFixtureSql();

}  // namespace wv::test
