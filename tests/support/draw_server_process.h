#pragma once
// The project's draw server as a process of its own on a free port of 127.0.0.1, for
// tests and benchmarks that talk HTTP to it. It is stopped with the object.

#include <sys/types.h>

#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace lotto::testing {

class DrawServerProcess {
 public:
  // Serves the history CSV at `historyCsv`; `noticeFile` becomes the reply for a date
  // after the newest draw; `moreArguments` follow on the command line. Throws
  // std::runtime_error when the server does not come up.
  explicit DrawServerProcess(const std::string& historyCsv,
                             const std::optional<std::string>& noticeFile = std::nullopt,
                             int port = 0, const std::vector<std::string>& moreArguments = {});
  DrawServerProcess(const DrawServerProcess&) = delete;
  DrawServerProcess& operator=(const DrawServerProcess&) = delete;
  ~DrawServerProcess();

  int port() const { return port_; }
  std::string address() const { return "http://127.0.0.1:" + std::to_string(port_); }
  // Sends SIGTERM and waits; the exit status of the server.
  int stop();
  // The lines the server has logged so far, one per request.
  std::vector<std::string> log() const;

 private:
  pid_t pid_ = -1;
  int output_ = -1;  // the server's standard output
  int port_ = 0;
  std::thread reader_;  // keeps the pipe empty, so that the server never blocks on it
  mutable std::mutex logMutex_;
  std::vector<std::string> log_;
};

// The path of the drawserver program of this build.
std::string drawServerProgram();

}  // namespace lotto::testing
