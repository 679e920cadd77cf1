#pragma once

#include <string>

namespace wv::test {

// The text of a file under scripts/sql/ of the source tree.
std::string sqlFile(const std::string& name);

}  // namespace wv::test
