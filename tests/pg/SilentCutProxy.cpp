#include "tests/pg/SilentCutProxy.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>
#include <vector>

namespace wv::test {

namespace {

sockaddr_in loopback(int port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return address;
}

// Closing with a zero linger time sends a reset instead of an orderly end.
void resetAndClose(int fd) {
  const linger abort{1, 0};
  setsockopt(fd, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
  close(fd);
}

struct Link {
  int client;
  int server;  // -1 once cut
};

bool forward(int from, int to) {
  char buffer[16384];
  const ssize_t n = read(from, buffer, sizeof buffer);
  if (n <= 0) return false;
  for (ssize_t sent = 0; sent < n;) {
    const ssize_t w = write(to, buffer + sent, static_cast<size_t>(n - sent));
    if (w <= 0) return false;
    sent += w;
  }
  return true;
}

}  // namespace

SilentCutProxy::SilentCutProxy(int serverPort) : serverPort_(serverPort) {
  if (pipe(wakeup_) != 0) throw std::runtime_error("the proxy cannot make its wake-up pipe");
  thread_ = std::thread([this] { relay(); });
}

SilentCutProxy::~SilentCutProxy() {
  const char stop = 0;
  (void)!write(wakeup_[1], &stop, 1);
  thread_.join();
  close(wakeup_[0]);
  close(wakeup_[1]);
}

void SilentCutProxy::relay() {
  std::vector<Link> links;
  for (;;) {
    if (cutRequested_.exchange(false)) {
      for (Link& link : links) {
        if (link.server >= 0) close(link.server);
        link.server = -1;
      }
    }
    std::vector<pollfd> fds{{wakeup_[0], POLLIN, 0}, {listener_.fd(), POLLIN, 0}};
    for (const Link& link : links) {
      fds.push_back({link.client, POLLIN, 0});
      fds.push_back({link.server, POLLIN, 0});  // a negative fd is skipped
    }
    poll(fds.data(), fds.size(), 20);
    if (fds[0].revents) break;
    for (size_t i = 0; i < links.size(); ++i) {
      Link& link = links[i];
      const pollfd& fromClient = fds[2 + 2 * i];
      const pollfd& fromServer = fds[3 + 2 * i];
      bool open = true;
      if (fromClient.revents) open = link.server >= 0 && forward(link.client, link.server);
      if (open && fromServer.revents) open = forward(link.server, link.client);
      if (!open) {
        resetAndClose(link.client);
        if (link.server >= 0) close(link.server);
        link.client = -1;
      }
    }
    std::erase_if(links, [](const Link& link) { return link.client < 0; });
    if (fds[1].revents & POLLIN) {
      const int client = accept(listener_.fd(), nullptr, nullptr);
      const int server = socket(AF_INET, SOCK_STREAM, 0);
      const sockaddr_in target = loopback(serverPort_);
      if (connect(server, reinterpret_cast<const sockaddr*>(&target), sizeof target) == 0) {
        links.push_back({client, server});
      } else {
        close(server);
        resetAndClose(client);
      }
    }
  }
  for (const Link& link : links) {
    resetAndClose(link.client);
    if (link.server >= 0) close(link.server);
  }
}

}  // namespace wv::test
