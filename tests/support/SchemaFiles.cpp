#include "tests/support/SchemaFiles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/support/TestCluster.h"

namespace wv::test {

std::string sqlFile(const std::string& name) {
  const std::string path = cluster().sourceDir + "/scripts/sql/" + name;
  std::ifstream in(path);
  if (!in) ADD_FAILURE() << "cannot read " << path;
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace wv::test
