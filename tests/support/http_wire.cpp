#include "support/http_wire.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace lotto::testing {

HttpWire::HttpWire(int port, std::chrono::milliseconds readLimit)
    : fd_(::socket(AF_INET, SOCK_STREAM, 0)) {
  if (fd_ < 0) return;
  const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(readLimit).count();
  const timeval limit{static_cast<time_t>(micros / 1'000'000),
                      static_cast<suseconds_t>(micros % 1'000'000)};
  ::setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
  const int yes = 1;
  ::setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  connected_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
}

HttpWire::~HttpWire() {
  if (fd_ >= 0) ::close(fd_);
}

bool HttpWire::send(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

std::string HttpWire::readReply() {
  std::string reply;
  char buffer[4096];
  while (true) {
    const std::size_t headEnd = reply.find("\r\n\r\n");
    if (headEnd != std::string::npos) {
      const std::size_t at = reply.find("Content-Length: ");
      const std::size_t length = at < headEnd ? std::stoul(reply.substr(at + 16)) : 0;
      if (reply.size() >= headEnd + 4 + length) return reply;
    }
    const ssize_t n = ::read(fd_, buffer, sizeof buffer);
    if (n <= 0) return reply;
    reply.append(buffer, static_cast<std::size_t>(n));
  }
}

std::string HttpWire::get(const std::string& target) {
  if (!send("GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n")) return "";
  return readReply();
}

bool HttpWire::readableWithin(std::chrono::milliseconds limit) const {
  pollfd wait{fd_, POLLIN, 0};
  return ::poll(&wait, 1, static_cast<int>(limit.count())) > 0;
}

bool HttpWire::closedByServerWithin(std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  char buffer[4096];
  while (true) {
    const auto left = std::max(std::chrono::milliseconds(0),
                               std::chrono::duration_cast<std::chrono::milliseconds>(
                                   end - std::chrono::steady_clock::now()));
    pollfd wait{fd_, POLLIN, 0};
    const int ready = ::poll(&wait, 1, static_cast<int>(left.count()));
    if (ready < 0 && errno != EINTR) return false;
    if (ready > 0) {
      const ssize_t n = ::recv(fd_, buffer, sizeof buffer, MSG_DONTWAIT);
      if (n == 0) return true;
      if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) return true;
    }
    if (left.count() == 0) return false;
  }
}

}  // namespace lotto::testing
