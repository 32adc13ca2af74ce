// The draw server: its answers, what goes over the wire, and how it starts and stops.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>
#include <vector>

#include "draw_service.h"
#include "online_service.h"
#include "support/draw_server_process.h"
#include "support/fixtures.h"
#include "support/http_wire.h"
#include "support/slow_clients.h"

namespace lotto {
namespace {

using drawserver::BasketService;
using drawserver::DrawService;
using testing::makeDraw;

std::multimap<std::string, std::string> query(const std::string& date,
                                              const std::string& program = "KalkuAT") {
  return {{"Datum", date}, {"Programm", program}};
}

TEST(DrawService, AnswersByDate) {
  const DrawService service(
      {makeDraw(2025, 1, 5, {40, 3, 17, 8, 45, 1}, 2), makeDraw(2025, 1, 8, {1, 2, 3, 4, 5, 6}, 7),
       makeDraw(2025, 1, 10, {7, 8, 9, 10, 11, 12}, 13)},
      std::nullopt);
  struct Case {
    std::multimap<std::string, std::string> query;
    int status;
    std::string body;
  };
  const Case cases[] = {
      // The numbers in stored order, each field followed by a comma.
      {query("20250105"), 200, "20250105,40,3,17,8,45,1,2,"},
      {query("20250110"), 200, "20250110,7,8,9,10,11,12,13,"},  // an extra draw on a Friday
      {query("20250104"), 204, ""},                             // no draw, before the newest
      {query("20250109"), 204, ""},
      {query("20250112"), 200, "Keine neue Ziehung"},  // after the newest: no comma
      {query("20250230"), 400, ""},
      {query("2025010"), 400, ""},
      {query("2025-01-05"), 400, ""},
      {query("20250105", "Anders"), 400, ""},
      {{{"Datum", "20250105"}}, 400, ""},
      {{{"Datum", "20250105"}, {"Datum", "20250108"}, {"Programm", "KalkuAT"}}, 400, ""},
      {{}, 400, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.query.empty() ? "(none)" : c.query.begin()->second);
    const auto reply = service.answer(c.query);
    EXPECT_EQ(reply.status, c.status);
    if (c.status != 400) {
      EXPECT_EQ(reply.body, c.body);
    }
  }
}

TEST(DrawService, ANoticeTakesThePlaceOfTheEmptyReplyAndHoldsNoComma) {
  const DrawService service({makeDraw(2025, 1, 5, {1, 2, 3, 4, 5, 6}, 7)},
                            "Mitteilung: Am Sonntag keine Ziehung.");
  EXPECT_EQ(service.answer(query("20250108")).body, "Mitteilung: Am Sonntag keine Ziehung.");
  EXPECT_THROW(DrawService({}, "Mitteilung: heute, morgen"), std::invalid_argument);
  // An empty history has no newest draw: every date lies after it.
  EXPECT_EQ(DrawService({}, std::nullopt).answer(query("19861005")).status, 200);
}

using Wire = testing::HttpWire;

TEST(DrawServer, ServesTheHistoryOverOneKeptConnection) {
  testing::DrawServerProcess server(testing::historyCsvPath());
  auto wirePtr = std::make_unique<Wire>(server.port());
  Wire& wire = *wirePtr;
  ASSERT_TRUE(wire.connected());
  const std::string draw = wire.get("/zahlen/lotto_neu.asp?Datum=19970903&Programm=KalkuAT");
  EXPECT_EQ(draw.rfind("HTTP/1.1 200 OK\r\n", 0), 0u) << draw;
  EXPECT_NE(draw.find("\r\n\r\n19970903,13,15,18,22,30,31,5,"), std::string::npos) << draw;
  // No draw on that Thursday: a success whose status line holds no "OK".
  const std::string none = wire.get("/zahlen/lotto_neu.asp?Datum=19970904&Programm=KalkuAT");
  EXPECT_EQ(none.rfind("HTTP/1.1 204 No Content\r\n", 0), 0u) << none;
  EXPECT_EQ(none.find("OK"), std::string::npos);
  const std::string later = wire.get("/zahlen/lotto_neu.asp?Datum=20260823&Programm=KalkuAT");
  EXPECT_EQ(later.rfind("HTTP/1.1 200 OK\r\n", 0), 0u);
  EXPECT_EQ(later.substr(later.find("\r\n\r\n") + 4).find(','), std::string::npos);
  const std::string bad = wire.get("/zahlen/lotto_neu.asp?Datum=1997093&Programm=KalkuAT");
  EXPECT_EQ(bad.rfind("HTTP/1.1 400 Bad Request\r\n", 0), 0u);
  EXPECT_EQ(wire.get("/anderswo").rfind("HTTP/1.1 404", 0), 0u);

  // It stops cleanly on SIGTERM, having logged one line per request.
  wirePtr.reset();
  EXPECT_EQ(server.stop(), 0);
  const auto log = server.log();
  ASSERT_EQ(log.size(), 6u);  // five requests and the last word
  EXPECT_NE(log[0].find("GET /zahlen/lotto_neu.asp?Datum=19970903&Programm=KalkuAT 200"),
            std::string::npos)
      << log[0];
  EXPECT_NE(log[1].find(" 204"), std::string::npos);
}

TEST(DrawServer, APortInUseIsReportedInOneLine) {
  testing::DrawServerProcess first(testing::historyCsvPath());
  const std::string command = testing::drawServerProgram() + " --port " +
                              std::to_string(first.port()) + " --history " +
                              testing::historyCsvPath() + " 2>&1";
  FILE* second = popen(command.c_str(), "r");
  ASSERT_NE(second, nullptr);
  std::string output;
  char buffer[256];
  while (fgets(buffer, sizeof buffer, second) != nullptr) output += buffer;
  const int status = pclose(second);
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_EQ(output, "drawserver: Port " + std::to_string(first.port()) +
                        " auf 127.0.0.1 ist schon belegt oder nicht verfügbar.\n");
}

// The head of a raw reply, up to its blank line.
std::string headOf(const std::string& reply) {
  return reply.substr(0, reply.find("\r\n\r\n") + 4);
}

TEST(DrawServer, A204ReplyAnnouncesNoBodyAndEveryOtherReplyItsLength) {
  testing::DrawServerProcess server(testing::historyCsvPath());
  Wire wire(server.port());
  ASSERT_TRUE(wire.connected());
  struct Case {
    const char* target;
    const char* statusLine;
    const char* contentLength;  // nullptr: none may be sent
  };
  const Case cases[] = {
      {"/zahlen/lotto_neu.asp?Datum=19970904&Programm=KalkuAT", "HTTP/1.1 204 No Content", nullptr},
      {"/zahlen/lotto_neu.asp?Datum=19970903&Programm=KalkuAT", "HTTP/1.1 200 OK", "29"},
      // A second 204 on the same connection: the first one ended where its head did.
      {"/zahlen/lotto_neu.asp?Datum=19970905&Programm=KalkuAT", "HTTP/1.1 204 No Content", nullptr},
      {"/anderswo", "HTTP/1.1 404 Not Found", "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.target);
    const std::string head = headOf(wire.get(c.target));
    EXPECT_EQ(head.rfind(std::string(c.statusLine) + "\r\n", 0), 0u) << head;
    if (c.contentLength == nullptr) {
      EXPECT_EQ(head.find("Content-Length"), std::string::npos) << head;
    } else {
      EXPECT_NE(head.find(std::string("\r\nContent-Length: ") + c.contentLength + "\r\n"),
                std::string::npos)
          << head;
    }
  }
}

TEST(DrawServer, ClosesAConnectionThatSendsNothingForTwoSeconds) {
  testing::DrawServerProcess server(testing::historyCsvPath());
  using std::chrono::milliseconds;
  const std::string drawRequest =
      "GET /zahlen/lotto_neu.asp?Datum=19970903&Programm=KalkuAT HTTP/1.1\r\n"
      "Host: 127.0.0.1\r\n";
  // All at once, so that the test waits the two seconds only once.
  const auto start = std::chrono::steady_clock::now();
  Wire silent(server.port());
  Wire afterReply(server.port());
  Wire cutHead(server.port());
  ASSERT_TRUE(silent.connected() && afterReply.connected() && cutHead.connected());
  ASSERT_TRUE(afterReply.send(drawRequest + "\r\n"));
  EXPECT_EQ(afterReply.readReply().rfind("HTTP/1.1 200 OK\r\n", 0), 0u);
  ASSERT_TRUE(cutHead.send(drawRequest));  // the blank line that ends the head never comes

  // Not at once: a client on a slow line has its two seconds.
  std::this_thread::sleep_until(start + milliseconds(1500));
  EXPECT_FALSE(silent.readableWithin(milliseconds(0)));
  EXPECT_FALSE(afterReply.readableWithin(milliseconds(0)));
  EXPECT_FALSE(cutHead.readableWithin(milliseconds(0)));

  // A head that stops is answered as a bad request two seconds after its last byte ...
  EXPECT_EQ(cutHead.readReply().rfind("HTTP/1.1 400 Bad Request\r\n", 0), 0u);
  EXPECT_TRUE(silent.closedByServerWithin(milliseconds(1500)));
  EXPECT_TRUE(afterReply.closedByServerWithin(milliseconds(1500)));
  EXPECT_LT(std::chrono::steady_clock::now() - start, milliseconds(3500));
  // ... and the connection is then closed as any other silent one.
  EXPECT_TRUE(cutHead.closedByServerWithin(milliseconds(3000)));
}

TEST(DrawServer, AnswersAtOnceWhileIdleAndDrippingClientsHoldConnections) {
  testing::DrawServerProcess server(testing::historyCsvPath());
  // 200 connections that send nothing and 50 that send one byte of a head a second, each
  // opened again as soon as the server closes it.
  const testing::SlowClients slow(server.port(), 200, 50);
  const auto start = std::chrono::steady_clock::now();
  std::chrono::steady_clock::duration longest{};
  int answered = 0;
  // Requests of a client that asks as the program does, for longer than the server waits
  // for a silent connection, so that the idle ones have been closed and opened again.
  while (std::chrono::steady_clock::now() - start < std::chrono::milliseconds(4500)) {
    const auto asked = std::chrono::steady_clock::now();
    Wire wire(server.port(), std::chrono::seconds(5));
    ASSERT_TRUE(wire.connected());
    const std::string reply = wire.get("/zahlen/lotto_neu.asp?Datum=19970903&Programm=KalkuAT");
    const auto took = std::chrono::steady_clock::now() - asked;
    ASSERT_EQ(reply.rfind("HTTP/1.1 200 OK\r\n", 0), 0u) << "request " << answered << ": " << reply;
    ASSERT_NE(reply.find("\r\n\r\n19970903,13,15,18,22,30,31,5,"), std::string::npos);
    longest = std::max(longest, took);
    ++answered;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  // A generous bound for a busy test machine; the benchmark gives the real figure.
  EXPECT_LT(longest, std::chrono::seconds(1))
      << std::chrono::duration_cast<std::chrono::milliseconds>(longest).count() << " ms";
  EXPECT_GE(answered, 20);
  // Every idle connection was closed by the server at least once and taken again: they
  // held workers the whole time, as an attacker's would.
  EXPECT_GE(slow.idleClosedByServer(), 200u);
}

TEST(DrawServer, RefusesABrokenHistoryOrNoticeAtTheStart) {
  testing::TempDir dir;
  std::ofstream(dir.file("bad.csv")) << "date,n1,n2,n3,n4,n5,n6,zusatzzahl\n2025-01-05,1,2,3\n";
  std::ofstream(dir.file("notice.txt")) << "Mitteilung: heute, morgen";
  for (const std::string& arguments :
       {" --port 0 --history " + dir.file("bad.csv"),
        " --port 0 --history " + testing::historyCsvPath() + " --notice " + dir.file("notice.txt"),
        " --port 0 --history " + dir.file("missing.csv"), std::string(" --port 0")}) {
    SCOPED_TRACE(arguments);
    const int status =
        std::system((testing::drawServerProgram() + arguments + " 2>/dev/null").c_str());
    EXPECT_NE(WEXITSTATUS(status), 0);
  }
}

TEST(BasketService, TheTemplatePointsAtTheOwnBasketPageOrTheGivenAnswer) {
  const BasketService own("http://127.0.0.1:8045", std::nullopt, "");
  const auto reply =
      own.answerTemplate({{"Spiel", "KalkuAT"}, {"Wo", "Lottoland"}, {"Tipps", "2"}});
  EXPECT_EQ(reply.status, 200);
  std::string expected = "http://127.0.0.1:8045/lotto/warenkorb2.asp?";
  for (int tip = 1; tip <= 12; ++tip)
    expected += "kasten" + std::to_string(tip) + "=[KASTEN" + std::to_string(tip) + "]&";
  EXPECT_EQ(reply.body, expected + "anzahl=[Anzahl]");

  const BasketService refusing("http://127.0.0.1:8045", 503, "<p>Mitteilung: Wartung</p>");
  const auto refused = refusing.answerTemplate({});
  EXPECT_EQ(refused.status, 503);
  EXPECT_EQ(refused.body, "<p>Mitteilung: Wartung</p>");
}

TEST(BasketService, ThePageListsTheTipsReceivedAndEscapesThem) {
  const auto page = BasketService::answerPage({{"kasten1", "1,2,3,4,5,6"},
                                               {"kasten2", ",,,,,"},
                                               {"kasten3", "<script>alert('x')</script>&\""},
                                               {"anzahl", "3"}});
  EXPECT_EQ(page.status, 200);
  EXPECT_NE(page.body.find("<li>1. Tipp: 1,2,3,4,5,6</li>"), std::string::npos) << page.body;
  EXPECT_EQ(page.body.find("2. Tipp"), std::string::npos);
  EXPECT_NE(page.body.find("<li>3. Tipp: &lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;&amp;&quot;"
                           "</li>"),
            std::string::npos);
  EXPECT_EQ(page.body.find("<script>"), std::string::npos);
  EXPECT_NE(BasketService::answerPage({}).body.find("Der Warenkorb ist leer."), std::string::npos);
}

TEST(BasketService, TheCountIsEscapedAsTheTipsAre) {
  const std::string hostile = "<img src=x onerror='alert(1)'>&\"";
  const std::string escaped = "&lt;img src=x onerror=&#39;alert(1)&#39;&gt;&amp;&quot;";
  struct Case {
    const char* key;
    std::string shown;  // the line the value stands in, escaped
  };
  const Case cases[] = {
      {"kasten1", "<li>1. Tipp: " + escaped + "</li>"},
      {"kasten12", "<li>12. Tipp: " + escaped + "</li>"},
      {"anzahl", "<p>Tipps: " + escaped + "</p>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    const auto page = BasketService::answerPage({{c.key, hostile}});
    EXPECT_NE(page.body.find(c.shown), std::string::npos) << page.body;
    EXPECT_EQ(page.body.find("<img"), std::string::npos);
    EXPECT_EQ(page.body.find("'alert"), std::string::npos);
  }
}

// A scripts folder with one script, a secret beside it and the ways out of the folder.
class ScriptFolder : public ::testing::Test {
 protected:
  testing::TempDir dir;
  std::string folder = dir.file("scripts");
  void SetUp() override {
    namespace fs = std::filesystem;
    fs::create_directory(folder);
    std::ofstream(folder + "/Portal.bks", std::ios::binary) << "Klick [Z1_1]\r\n\xE4";
    std::ofstream(dir.file("secret.bks")) << "geheim";
    fs::create_symlink(dir.file("secret.bks"), folder + "/Link.bks");
    fs::create_directory(folder + "/Ordner.bks");
    const timespec times[2] = {{1'765'000'000, 0}, {1'765'000'000, 0}};
    utimensat(AT_FDCWD, (folder + "/Portal.bks").c_str(), times, 0);
  }
};

TEST_F(ScriptFolder, ServesOnlyRegularFilesDirectlyInTheFolder) {
  const auto served = drawserver::answerScript(folder, "Portal.bks");
  EXPECT_EQ(served.status, 200);
  EXPECT_EQ(served.body, "Klick [Z1_1]\r\n\xE4");
  EXPECT_EQ(served.lastModified, "Sat, 06 Dec 2025 05:46:40 GMT");
  const std::string refused[] = {"../secret.bks",  "..",
                                 "a..b.bks",       dir.file("secret.bks"),
                                 "..\\secret.bks", "Portal\\.bks",
                                 "Link.bks",       "Ordner.bks",
                                 "Weg.bks",        ".hidden",
                                 "Ordner.bks/x",   std::string(101, 'a'),
                                 "Portal.bks\n",   ""};
  for (const std::string& name : refused) {
    SCOPED_TRACE(name);
    EXPECT_EQ(drawserver::answerScript(folder, name).status, 404);
  }
  // Without a scripts folder nothing is served.
  EXPECT_EQ(drawserver::answerScript("", "Portal.bks").status, 404);
}

TEST_F(ScriptFolder, OverTheWireEncodedWaysOutAre404AndTheBasketPageIsEscaped) {
  testing::DrawServerProcess server(testing::historyCsvPath(), std::nullopt, 0,
                                    {"--scripts", folder});
  Wire wire(server.port());
  ASSERT_TRUE(wire.connected());
  const std::string script = wire.get("/scripts/Portal.bks.txt");
  EXPECT_EQ(script.rfind("HTTP/1.1 200 OK\r\n", 0), 0u) << script;
  EXPECT_NE(script.find("Last-Modified: Sat, 06 Dec 2025 05:46:40 GMT\r\n"), std::string::npos);
  EXPECT_EQ(script.substr(script.find("\r\n\r\n") + 4), "Klick [Z1_1]\r\n\xE4");
  for (const char* target :
       {"/scripts/..%2fsecret.bks.txt", "/scripts/%2e%2e%2fsecret.bks.txt",
        "/scripts/%2e%2e/secret.bks.txt", "/scripts/../secret.bks.txt",
        "/scripts/%2Ftmp%2Fsecret.bks.txt", "/scripts/..%5csecret.bks.txt", "/scripts/Link.bks.txt",
        "/scripts/Ordner.bks.txt", "/scripts/Portal.bks", "/scripts/Portal%00.bks.txt"}) {
    SCOPED_TRACE(target);
    const std::string reply = wire.get(target);
    EXPECT_EQ(reply.rfind("HTTP/1.1 404", 0), 0u) << reply;
    EXPECT_EQ(reply.find("geheim"), std::string::npos);
  }
  const std::string page = wire.get(
      "/lotto/warenkorb2.asp?kasten1=1,2,3,4,5,6&kasten2=%3Cscript%3Ealert(1)%3C/script%3E"
      "&anzahl=%3Cb%3E2");
  EXPECT_EQ(page.rfind("HTTP/1.1 200 OK\r\n", 0), 0u);
  EXPECT_NE(page.find("Content-Type: text/html; charset=utf-8"), std::string::npos);
  EXPECT_NE(page.find("1. Tipp: 1,2,3,4,5,6"), std::string::npos);
  EXPECT_NE(page.find("2. Tipp: &lt;script&gt;alert(1)&lt;/script&gt;"), std::string::npos);
  EXPECT_NE(page.find("<p>Tipps: &lt;b&gt;2</p>"), std::string::npos);
  EXPECT_EQ(page.find("<script>"), std::string::npos);
  const std::string basket = wire.get("/lotto/lotto.asp?Spiel=KalkuAT&Wo=Lottoland&Tipps=2");
  EXPECT_NE(basket.find("\r\n\r\n" + server.address() + "/lotto/warenkorb2.asp?kasten1=[KASTEN1]&"),
            std::string::npos)
      << basket;
}

TEST(DrawServer, AnswersTheBasketRequestWithTheGivenStatusAndBody) {
  testing::TempDir dir;
  std::ofstream(dir.file("busy.htm")) << "<p>Mitteilung: Wartung bis 14 Uhr</p>";
  testing::DrawServerProcess server(
      testing::historyCsvPath(), std::nullopt, 0,
      {"--basket-status", "503", "--basket-body", dir.file("busy.htm")});
  Wire wire(server.port());
  const std::string reply = wire.get("/lotto/lotto.asp?Spiel=KalkuAT&Wo=Lottoland&Tipps=12");
  EXPECT_EQ(reply.rfind("HTTP/1.1 503 Service Unavailable\r\n", 0), 0u) << reply;
  EXPECT_EQ(reply.substr(reply.find("\r\n\r\n") + 4), "<p>Mitteilung: Wartung bis 14 Uhr</p>");
  // The draws are served as before.
  EXPECT_EQ(
      wire.get("/zahlen/lotto_neu.asp?Datum=19970903&Programm=KalkuAT").rfind("HTTP/1.1 200", 0),
      0u);
  // One of the two options alone is refused at the start.
  const int status = std::system((testing::drawServerProgram() + " --port 0 --history " +
                                  testing::historyCsvPath() + " --basket-status 500 2>/dev/null")
                                     .c_str());
  EXPECT_NE(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace lotto
