// drawserver: serves a draw history to the program, its tests and anyone who hosts one.
//
//   drawserver --port N --history FILE [--notice FILE] [--bind ADDRESS]
//              [--basket-status CODE --basket-body FILE] [--scripts DIR]
//
// FILE is a history in the CSV format of data/. Besides the draws it serves the basket
// template (/lotto/lotto.asp, or the given status and body), its own basket page
// (/lotto/warenkorb2.asp) and the click-scripts of DIR (/scripts/NAME.txt). The server binds
// to 127.0.0.1 unless told otherwise; port 0 takes any free port. Its first line on
// standard output names the address it listens on; then it logs one line per request.
// SIGINT or SIGTERM stop it. It serves up to 512 connections at once; a connection that
// sends nothing for 2 seconds is closed.

#include <httplib.h>
#include <pthread.h>
#include <signal.h>
#include <sys/socket.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <optional>
#include <string>
#include <thread>

#include "draw_service.h"
#include "draws/history_csv.h"
#include "online_service.h"
#include "platform/convert.h"
#include "platform/errors.h"
#include "platform/file_io.h"

namespace {

// Workers of the pool, each one connection at a time.
constexpr std::size_t kWorkers = 512;
// How long a connection may send nothing, before a request or within its head.
constexpr time_t kIdleSeconds = 2;

struct Options {
  int port = -1;
  std::string history;
  std::optional<std::string> notice;
  std::string bind = "127.0.0.1";
  std::optional<int> basketStatus;
  std::optional<std::string> basketBody;
  std::string scripts;
};

[[noreturn]] void usage(const std::string& problem) {
  std::cerr << "drawserver: " << problem << "\n"
            << "Aufruf: drawserver --port N --history DATEI [--notice DATEI] [--bind ADRESSE]\n"
               "                  [--basket-status CODE --basket-body DATEI] [--scripts ORDNER]\n";
  std::exit(2);
}

Options parseArguments(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    if (i + 1 >= argc) usage("zu " + name + " fehlt der Wert");
    const std::string value = argv[++i];
    if (name == "--port") {
      const auto port = lotto::tryToInteger(value);
      if (!port || *port < 0 || *port > 65535) usage("ungültiger Port " + value);
      options.port = *port;
    } else if (name == "--history") {
      options.history = value;
    } else if (name == "--notice") {
      options.notice = value;
    } else if (name == "--bind") {
      options.bind = value;
    } else if (name == "--basket-status") {
      const auto code = lotto::tryToInteger(value);
      if (!code || *code < 100 || *code > 599) usage("ungültiger Status " + value);
      options.basketStatus = *code;
    } else if (name == "--basket-body") {
      options.basketBody = value;
    } else if (name == "--scripts") {
      options.scripts = value;
    } else {
      usage("unbekannte Angabe " + name);
    }
  }
  if (options.port < 0) usage("--port fehlt");
  if (options.history.empty()) usage("--history fehlt");
  if (options.basketStatus.has_value() != options.basketBody.has_value()) {
    usage("--basket-status und --basket-body gehören zusammen");
  }
  return options;
}

std::string now() {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = parseArguments(argc, argv);

  std::optional<lotto::drawserver::DrawService> service;
  std::string basketBody;
  try {
    std::optional<std::string> notice;
    if (options.notice) notice = lotto::readWholeFile(*options.notice);
    if (options.basketBody) basketBody = lotto::readWholeFile(*options.basketBody);
    service.emplace(lotto::parseHistoryCsv(lotto::readWholeFile(options.history), 1), notice);
  } catch (const std::exception& error) {
    std::cerr << "drawserver: " << error.what() << "\n";
    return 1;
  }

  // The signals are taken by sigwait below, not by whichever thread they hit.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  httplib::Server server;
  // A port that another server holds is refused: no SO_REUSEPORT, which would let two of
  // them share it. SO_REUSEADDR lets a restart bind at once.
  // The socket that is bound last is the one the server listens on.
  int listeningSocket = -1;
  server.set_socket_options([&listeningSocket](int sock) {
    int yes = 1;
    setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    listeningSocket = sock;
  });
  // A reply goes out at once, not after the client's delayed acknowledgement of its head.
  server.set_tcp_nodelay(true);
  // A slow or idle client holds a worker for as long as it keeps its connection: the
  // library has no deadline for a whole request head, only one for each read. So the pool
  // is large enough to hold a few hundred of them beside the clients that ask, and an idle
  // connection, or one that sends nothing for a while, is closed after two seconds.
  server.new_task_queue = [] { return new httplib::ThreadPool(kWorkers); };
  server.set_read_timeout(kIdleSeconds, 0);
  server.set_keep_alive_timeout(kIdleSeconds);
  server.set_keep_alive_max_count(10000);
  // A 204 reply has no body and must not announce one; the library adds "Content-Length: 0"
  // to every empty reply, so it is taken off again here.
  server.set_post_routing_handler([](const httplib::Request&, httplib::Response& response) {
    if (response.status == 204) response.headers.erase("Content-Length");
  });
  server.Get(lotto::drawserver::kDrawPath,
             [&service](const httplib::Request& request, httplib::Response& response) {
               const auto reply = service->answer(request.params);
               response.status = reply.status;
               if (reply.status != 204)
                 response.set_content(reply.body, "text/plain; charset=utf-8");
             });
  std::optional<lotto::drawserver::BasketService> basket;
  server.Get(lotto::drawserver::kBasketTemplatePath,
             [&basket](const httplib::Request& request, httplib::Response& response) {
               const auto reply = basket->answerTemplate(request.params);
               response.status = reply.status;
               response.set_content(reply.body, "text/plain; charset=utf-8");
             });
  server.Get(lotto::drawserver::kBasketPagePath,
             [](const httplib::Request& request, httplib::Response& response) {
               const auto reply = lotto::drawserver::BasketService::answerPage(request.params);
               response.status = reply.status;
               response.set_content(reply.body, "text/html; charset=utf-8");
             });
  const std::string scripts = options.scripts;
  server.Get(R"(/scripts/(.+)\.txt)",
             [&scripts](const httplib::Request& request, httplib::Response& response) {
               const auto reply = lotto::drawserver::answerScript(scripts, request.matches[1]);
               response.status = reply.status;
               if (reply.status != 200) {
                 response.set_content("Nicht gefunden\n", "text/plain; charset=utf-8");
                 return;
               }
               response.set_header("Last-Modified", reply.lastModified);
               response.set_content(reply.body, "application/octet-stream");
             });
  server.set_logger([](const httplib::Request& request, const httplib::Response& response) {
    std::cout << now() << " " << request.remote_addr << " " << request.method << " "
              << request.target << " " << response.status << std::endl;
  });

  int port = options.port;
  if (port == 0) {
    port = server.bind_to_any_port(options.bind);
  } else if (!server.bind_to_port(options.bind, port)) {
    port = -1;
  }
  if (port <= 0) {
    std::cerr << "drawserver: Port " << options.port << " auf " << options.bind
              << " ist schon belegt oder nicht verfügbar.\n";
    return 1;
  }
  // The library listens with a queue of 5 connections not yet accepted: a burst of new
  // connections overflows it, and a client whose connection is dropped there waits a
  // second or more before its system tries again. Listening once more on the same socket
  // gives it the system's longest queue.
  if (::listen(listeningSocket, SOMAXCONN) != 0) {
    std::cerr << "drawserver: Der Server konnte nicht auf Anfragen warten.\n";
    return 1;
  }
  basket.emplace("http://" + options.bind + ":" + std::to_string(port), options.basketStatus,
                 basketBody);
  std::atomic<bool> listenEnded = false;
  std::thread listening([&server, &listenEnded] {
    server.listen_after_bind();
    listenEnded = true;
  });
  // A stop before the listening loop runs would be lost and leave the server running: the
  // address is told, and a signal taken, only once the loop is under way.
  while (!server.is_running() && !listenEnded) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  if (listenEnded) {
    std::cerr << "drawserver: Der Server konnte nicht auf Anfragen warten.\n";
    listening.join();
    return 1;
  }
  std::cout << "drawserver: http://" << options.bind << ":" << port << std::endl;

  int signal = 0;
  sigwait(&stopSignals, &signal);
  server.stop();
  listening.join();
  std::cout << now() << " drawserver: beendet" << std::endl;
  return 0;
}
