#include "support/slow_clients.h"

#include <poll.h>
#include <sys/socket.h>

#include <cerrno>
#include <chrono>
#include <stdexcept>
#include <string_view>

namespace lotto::testing {
namespace {

// The start of the head a dripping client sends; after it, 'x' for ever in one header.
constexpr std::string_view kHeadStart =
    "GET /zahlen/lotto_neu.asp?Datum=20250105&Programm=KalkuAT HTTP/1.1\r\n"
    "Host: 127.0.0.1\r\nX-Langsam: ";

constexpr auto kPollStep = std::chrono::milliseconds(50);
constexpr auto kDripStep = std::chrono::seconds(1);

// Whether the server has closed the connection (or reset it); anything it sent is dropped.
bool closedByServer(int fd) {
  char buffer[1024];
  while (true) {
    const ssize_t n = ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
    if (n == 0) return true;
    if (n < 0) return errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR;
  }
}

}  // namespace

SlowClients::SlowClients(int port, std::size_t idle, std::size_t dripping) : port_(port) {
  if (idle > kMostOfAKind || dripping > kMostOfAKind) {
    throw std::runtime_error("too many slow clients asked for");
  }
  connections_.resize(idle + dripping);
  for (std::size_t i = 0; i < connections_.size(); ++i) {
    connections_[i].dripping = i >= idle;
    open(connections_[i]);
  }
  keeper_ = std::thread([this] { keepUp(); });
}

SlowClients::~SlowClients() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  keeper_.join();
}

void SlowClients::open(Connection& connection) const {
  connection.wire = std::make_unique<HttpWire>(port_);
  connection.sent = 0;
  if (!connection.wire->connected()) throw std::runtime_error("a slow client could not connect");
}

void SlowClients::keepUp() {
  auto nextDrip = std::chrono::steady_clock::now();
  std::vector<pollfd> waits(connections_.size());
  std::unique_lock<std::mutex> lock(mutex_);
  while (!wake_.wait_for(lock, kPollStep, [this] { return stopping_; })) {
    // A connection the server closed is opened again.
    for (std::size_t i = 0; i < connections_.size(); ++i) {
      waits[i] = {connections_[i].wire->descriptor(), POLLIN, 0};
    }
    if (::poll(waits.data(), waits.size(), 0) > 0) {
      for (std::size_t i = 0; i < connections_.size(); ++i) {
        Connection& connection = connections_[i];
        if ((waits[i].revents & (POLLIN | POLLHUP | POLLERR)) == 0) continue;
        if (!closedByServer(connection.wire->descriptor())) continue;
        if (connection.wire->connected()) ++(connection.dripping ? drippingClosed_ : idleClosed_);
        try {
          open(connection);
        } catch (const std::runtime_error&) {
          // Tried again at the next step.
        }
      }
    }
    if (std::chrono::steady_clock::now() < nextDrip) continue;
    nextDrip += kDripStep;
    for (Connection& connection : connections_) {
      if (!connection.dripping) continue;
      const char next = connection.sent < kHeadStart.size() ? kHeadStart[connection.sent] : 'x';
      if (connection.wire->send(std::string_view(&next, 1))) ++connection.sent;
    }
  }
}

}  // namespace lotto::testing
