#pragma once

#include <string>

namespace wv::test {

// A PostgreSQL server of one test program's own, on its own port, for tests that stop or
// restart a server: doing that to the shared test cluster would disturb every other test.
// Created at the first start (roles and TLS as the shared one); stopped when destroyed.
class PrivateCluster {
 public:
  explicit PrivateCluster(int port);
  ~PrivateCluster();
  PrivateCluster(const PrivateCluster&) = delete;
  PrivateCluster& operator=(const PrivateCluster&) = delete;

  int port() const { return port_; }
  // Each returns whether the server script succeeded. pause() shuts the server down keeping
  // its databases; start() brings them back.
  bool start();
  bool pause();
  bool restart();

 private:
  bool run(const char* command);

  int port_;
  std::string dir_;
  // Kept by value: a server held in a static is stopped at exit, when other statics are gone.
  std::string script_;
};

}  // namespace wv::test
