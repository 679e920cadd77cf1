#include "tests/support/SchemaFiles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/support/TestCluster.h"

namespace wv::test {

std::string sourceText(const std::string& path) {
  const std::string full = cluster().sourceDir + "/" + path;
  std::ifstream in(full);
  if (!in) ADD_FAILURE() << "cannot read " << full;
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string sqlFile(const std::string& name) {
  return sourceText("scripts/sql/" + name);
}

std::string reportFixtureSql() {
  return sourceText("tests/report/ReportFixture.sql");
}

}  // namespace wv::test
