// The draw server on loopback, as a process of its own serving the bundled history:
// - the requests per second that 50 clients answer over kept connections, each asking
//   for a draw as soon as the last one came (it must stay above 5,000 on two cores);
// - the time a client that connects and asks for a draw waits while 200 idle connections
//   and 50 that send one byte of a head a second are open (it must stay under 100 ms).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "support/draw_server_process.h"
#include "support/fixtures.h"
#include "support/http_wire.h"
#include "support/slow_clients.h"

namespace {

using lotto::testing::HttpWire;

constexpr const char* kDrawRequest = "/zahlen/lotto_neu.asp?Datum=19970903&Programm=KalkuAT";

// One server for every benchmark, started in main.
lotto::testing::DrawServerProcess* server = nullptr;

bool isDraw(const std::string& reply) {
  return reply.rfind("HTTP/1.1 200 OK\r\n", 0) == 0 &&
         reply.find("\r\n\r\n19970903,") != std::string::npos;
}

// Each benchmark thread is one client with one kept connection.
void keptConnections(benchmark::State& state) {
  HttpWire wire(server->port());
  if (!wire.connected()) state.SkipWithError("keine Verbindung");
  for (auto _ : state) {
    if (!isDraw(wire.get(kDrawRequest))) {
      state.SkipWithError("keine Ziehung in der Antwort");
      break;
    }
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(keptConnections)
    ->Name("Anfragen, 50 Clients mit gehaltener Verbindung")
    ->Threads(50)
    ->UseRealTime()
    ->MinTime(2.0)
    ->Unit(benchmark::kMicrosecond);

// A fresh connection and one request per iteration, 20 ms apart, for some 6 seconds: longer
// than the server waits for a silent connection, so that the idle ones are closed and
// opened again in between.
void underSlowClients(benchmark::State& state) {
  const lotto::testing::SlowClients slow(server->port(), 200, 50);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  double longest = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    HttpWire wire(server->port());
    const std::string reply = wire.get(kDrawRequest);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!isDraw(reply)) {
      state.SkipWithError("keine Ziehung in der Antwort");
      break;
    }
    state.SetIterationTime(seconds);
    longest = std::max(longest, seconds);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  state.counters["max_ms"] = longest * 1000;
  state.counters["still_neu"] = static_cast<double>(slow.idleClosedByServer());
  state.counters["tropfend_neu"] = static_cast<double>(slow.drippingClosedByServer());
}
BENCHMARK(underSlowClients)
    ->Name("Anfrage neben 200 stillen und 50 tropfenden Verbindungen")
    ->UseManualTime()
    ->Iterations(300)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  lotto::testing::DrawServerProcess drawServer(lotto::testing::historyCsvPath());
  server = &drawServer;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
