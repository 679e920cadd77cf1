#pragma once

namespace wv::test {

// A TCP socket listening on 127.0.0.1 at a port the kernel picks. The kernel completes the
// connections made to it whether or not anyone accepts them, so on its own it is a server
// that never says a word. Closed when destroyed; throws when it cannot listen.
class LoopbackListener {
 public:
  LoopbackListener();
  ~LoopbackListener();
  LoopbackListener(const LoopbackListener&) = delete;
  LoopbackListener& operator=(const LoopbackListener&) = delete;

  int fd() const { return fd_; }
  int port() const { return port_; }

 private:
  int fd_ = -1;
  int port_ = 0;
};

}  // namespace wv::test
