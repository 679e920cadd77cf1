#include "tests/support/PrivateCluster.h"

#include <QDir>

#include "tests/support/TestCluster.h"

namespace wv::test {

PrivateCluster::PrivateCluster(int port)
    : port_(port),
      dir_(QDir::tempPath().toStdString() + "/wvelora-private-" + std::to_string(port)),
      script_(cluster().sourceDir + "/scripts/pg-cluster.sh") {}

PrivateCluster::~PrivateCluster() {
  run("stop");
}

bool PrivateCluster::start() {
  return run("start");
}

bool PrivateCluster::pause() {
  return run("pause");
}

bool PrivateCluster::restart() {
  return run("restart");
}

bool PrivateCluster::run(const char* command) {
  return runCommand("bash '" + script_ + "' " + command + " '" + dir_ + "' " +
                    std::to_string(port_) + " >/dev/null") == 0;
}

}  // namespace wv::test
