#pragma once

#include <atomic>
#include <thread>

#include "tests/support/LoopbackListener.h"

namespace wv::test {

// A TCP relay on 127.0.0.1 in front of a test server that can drop its connections the way a
// firewall forgets an idle one: the server side is closed, the client is told nothing and gets
// a reset only when it next sends.
class SilentCutProxy {
 public:
  explicit SilentCutProxy(int serverPort);
  ~SilentCutProxy();
  SilentCutProxy(const SilentCutProxy&) = delete;
  SilentCutProxy& operator=(const SilentCutProxy&) = delete;

  int port() const { return listener_.port(); }
  // Drops every connection relayed so far; later ones are relayed as usual.
  void cutAll() { cutRequested_ = true; }

 private:
  void relay();

  int serverPort_;
  LoopbackListener listener_;
  int wakeup_[2] = {-1, -1};  // a pipe that ends the relay thread
  std::atomic<bool> cutRequested_{false};
  std::thread thread_;
};

}  // namespace wv::test
