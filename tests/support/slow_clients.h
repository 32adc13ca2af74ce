#pragma once
// Clients that hold a server's connections without asking anything: idle ones that send
// nothing, and dripping ones that send a request head that never ends, one byte a second.
// A connection the server closes is opened again at once, so that as many stay open as
// were asked for. Everything goes to 127.0.0.1 and stops with the object.

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "support/http_wire.h"

namespace lotto::testing {

class SlowClients {
 public:
  // At most this many of each kind, so that no test or benchmark floods the machine.
  static constexpr std::size_t kMostOfAKind = 500;

  // Opens the connections before it returns; throws std::runtime_error when one cannot
  // be opened or a count is over the limit.
  SlowClients(int port, std::size_t idle, std::size_t dripping);
  SlowClients(const SlowClients&) = delete;
  SlowClients& operator=(const SlowClients&) = delete;
  ~SlowClients();

  // How often the server closed an idle or a dripping connection so far.
  std::size_t idleClosedByServer() const { return idleClosed_; }
  std::size_t drippingClosedByServer() const { return drippingClosed_; }

 private:
  struct Connection {
    std::unique_ptr<HttpWire> wire;
    bool dripping = false;
    std::size_t sent = 0;  // bytes of the endless head sent so far
  };
  void open(Connection& connection) const;
  void keepUp();

  int port_;
  std::vector<Connection> connections_;
  std::atomic<std::size_t> idleClosed_ = 0;
  std::atomic<std::size_t> drippingClosed_ = 0;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stopping_ = false;
  std::thread keeper_;
};

}  // namespace lotto::testing
