#pragma once
// Raw HTTP/1.1 over a TCP connection to 127.0.0.1, for tests and benchmarks that look at
// what goes over the wire or hold connections the way a slow or idle client does.

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

namespace lotto::testing {

// A connection to 127.0.0.1:`port`, closed with the object. Every read waits at most
// `readLimit`, so that no test waits for ever on a server that keeps silent.
class HttpWire {
 public:
  explicit HttpWire(int port, std::chrono::milliseconds readLimit = std::chrono::seconds(10));
  HttpWire(const HttpWire&) = delete;
  HttpWire& operator=(const HttpWire&) = delete;
  ~HttpWire();

  bool connected() const { return connected_; }
  int descriptor() const { return fd_; }
  // Sends the bytes as they are; false when the connection takes them no more.
  bool send(std::string_view bytes);
  // Reads one reply: its head, and as much body as its Content-Length announces. Returns
  // what came before the connection ended or the read limit passed.
  std::string readReply();
  // Sends a GET of `target` and reads its reply.
  std::string get(const std::string& target);
  // Whether the server sends something or closes the connection within `limit` (none:
  // looks once); nothing is read.
  bool readableWithin(std::chrono::milliseconds limit) const;
  // Waits up to `limit` (none: looks once) for the server to close the connection, reading
  // and dropping what it sends; whether it did.
  bool closedByServerWithin(std::chrono::milliseconds limit);

 private:
  int fd_ = -1;
  bool connected_ = false;
};

}  // namespace lotto::testing
