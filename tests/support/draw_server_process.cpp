#include "support/draw_server_process.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <vector>

namespace lotto::testing {

std::string drawServerProgram() {
  return LOTTO_DRAWSERVER;
}

DrawServerProcess::DrawServerProcess(const std::string& historyCsv,
                                     const std::optional<std::string>& noticeFile, int port,
                                     const std::vector<std::string>& moreArguments) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) throw std::runtime_error("pipe failed");
  std::vector<std::string> args = {drawServerProgram(), "--port", std::to_string(port), "--history",
                                   historyCsv};
  if (noticeFile) {
    args.push_back("--notice");
    args.push_back(*noticeFile);
  }
  args.insert(args.end(), moreArguments.begin(), moreArguments.end());
  pid_ = fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    dup2(pipeFds[1], STDOUT_FILENO);
    close(pipeFds[0]);
    close(pipeFds[1]);
    std::vector<char*> argv;
    argv.reserve(args.size() + 1);
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(pipeFds[1]);
  output_ = pipeFds[0];

  // The first line names the address: "drawserver: http://127.0.0.1:PORT".
  std::string line;
  char c = 0;
  while (read(output_, &c, 1) == 1 && c != '\n') line += c;
  const std::size_t colon = line.rfind(':');
  if (line.rfind("drawserver: http://", 0) != 0 || colon == std::string::npos) {
    stop();
    throw std::runtime_error("the draw server did not start: " + line);
  }
  port_ = std::stoi(line.substr(colon + 1));
  reader_ = std::thread([this] {
    std::string current;
    char buffer[4096];
    ssize_t n;
    while ((n = read(output_, buffer, sizeof buffer)) > 0) {
      for (ssize_t i = 0; i < n; ++i) {
        if (buffer[i] != '\n') {
          current += buffer[i];
          continue;
        }
        const std::lock_guard<std::mutex> lock(logMutex_);
        log_.push_back(current);
        current.clear();
      }
    }
  });
}

std::vector<std::string> DrawServerProcess::log() const {
  const std::lock_guard<std::mutex> lock(logMutex_);
  return log_;
}

int DrawServerProcess::stop() {
  if (pid_ <= 0) return -1;
  kill(pid_, SIGTERM);
  int status = 0;
  waitpid(pid_, &status, 0);
  pid_ = -1;
  if (reader_.joinable()) reader_.join();  // the pipe ends with the server
  if (output_ >= 0) close(output_);
  output_ = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

DrawServerProcess::~DrawServerProcess() {
  stop();
}

}  // namespace lotto::testing
