// The update run with the Qt HTTP client against the project's draw server on 127.0.0.1,
// and against servers that misbehave.

#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>
#include <fstream>
#include <functional>
#include <memory>

#include "app/main_window.h"
#include "draws/draw_file.h"
#include "platform/dates.h"
#include "qt/core/qt_http_client.h"
#include "scripted_server.h"
#include "support/draw_server_process.h"
#include "support/fakes.h"
#include "support/fixtures.h"

namespace lotto {
namespace {

using testing::ScriptedServer;

// Records the address of every request before the Qt client sends it.
class RecordingClient : public HttpClient {
 public:
  explicit RecordingClient(HttpClient& client) : client_(client) {}
  void setProxy(const std::string& host, int port) override { client_.setProxy(host, port); }
  HttpReply fetch(const std::string& url) override {
    urls.push_back(url);
    if (beforeEach) beforeEach(urls.size());
    return client_.fetch(url);
  }
  std::vector<std::string> urls;
  std::function<void(std::size_t)> beforeEach;

 private:
  HttpClient& client_;
};

}  // namespace

class DownloadTest : public QObject {
  Q_OBJECT

 private:
  // The window and a Qt client; the file holds `records`, today is 9 December 2026.
  struct Window {
    testing::TempDir dir;
    QtHttpClient qt;
    RecordingClient http{qt};
    testing::FakeServices fakes;
    MainWindow form{services(), dir.file("kalkuat")};

    explicit Window(const std::vector<DrawRecord>& records, int timeoutMs = kHttpTimeoutMs)
        : qt(timeoutMs) {
      testing::writeRecords(dir.file(kDrawFileName), records);
      form.files.dataFolder = dir.path();
      form.files.drawFileName = kDrawFileName;
      form.files.soundName = "yippee.wav";
      form.state.completeCheckEnabled = true;
      fakes.clock.todayValue = dayNumber(2026, 12, 9);
    }
    Services services() {
      fakes.httpInUse = &http;
      return fakes.services();
    }
    std::vector<DrawRecord> stored() const { return readDrawFile(dir.file(kDrawFileName)); }
    void update(const std::string& server) {
      form.internetOptions.server.text = server;
      form.updateDraws();
    }
    void expectUsable() const {
      QVERIFY(form.buttons.updateButton.enabled);
      QVERIFY(form.buttons.downloadButton.enabled);
      QVERIFY(!form.buttons.stopButton.visible);
    }
  };

  static std::vector<DrawRecord> history() {
    static const std::vector<DrawRecord> records = testing::realHistory();
    return records;
  }
  // The Sunday and Wednesday draws of the history from `from` on: what the protocol,
  // asking by draw day, can fetch.
  static std::vector<DrawRecord> drawDaysFrom(double from) {
    std::vector<DrawRecord> result;
    for (const DrawRecord& record : history()) {
      const int weekday = weekdayOf(record);
      if (record.date >= from && (weekday == kSunday || weekday == kWednesday)) {
        result.push_back(record);
      }
    }
    return result;
  }
  static std::vector<DrawRecord> historyUpTo(double last) {
    std::vector<DrawRecord> result;
    for (const DrawRecord& record : history()) {
      if (record.date <= last) result.push_back(record);
    }
    return result;
  }

 private slots:
  void anEmptyFileIsFilledWithEveryDrawDayFrom1997() {
    testing::DrawServerProcess server(testing::historyCsvPath());
    Window window({});
    window.form.drawOnShow.chosenDate.setDate(dayNumber(1997, 8, 31));
    QElapsedTimer timer;
    timer.start();
    window.update(server.address());
    qInfo("%zu requests in %lld ms", window.http.urls.size(),
          static_cast<long long>(timer.elapsed()));

    QCOMPARE(
        window.http.urls.front(),
        std::string(server.address() + "/zahlen/lotto_neu.asp?Datum=19970903&Programm=KalkuAT"));
    QVERIFY(window.stored() == drawDaysFrom(dayNumber(1997, 9, 3)));
    // The run ended at the first draw day after the newest draw, with it on show.
    QCOMPARE(
        window.http.urls.back(),
        std::string(server.address() + "/zahlen/lotto_neu.asp?Datum=20260823&Programm=KalkuAT"));
    QCOMPARE(window.form.drawOnShow.drawBarText.caption,
             std::string("Mi 19.08.26    3  5  6  22  38  40 Z:27"));
    QVERIFY(window.fakes.ui.errors.empty());
    QVERIFY(window.fakes.ui.messages.empty());
    window.expectUsable();
  }

  void aHistoryCutAfterASundayGoesOnWithTheWednesday() {
    testing::DrawServerProcess server(testing::historyCsvPath());
    Window window(historyUpTo(dayNumber(2025, 1, 5)));
    window.update(server.address());
    QCOMPARE(
        window.http.urls.front(),
        std::string(server.address() + "/zahlen/lotto_neu.asp?Datum=20250108&Programm=KalkuAT"));
    std::vector<DrawRecord> expected = historyUpTo(dayNumber(2025, 1, 5));
    for (const DrawRecord& record : drawDaysFrom(dayNumber(2025, 1, 8))) expected.push_back(record);
    QVERIFY(window.stored() == expected);
    QVERIFY(window.fakes.ui.errors.empty());
  }

  void aNoticeEndsTheRunWithItsMessage() {
    testing::TempDir notes;
    std::ofstream(notes.file("notice.txt")) << "Mitteilung: Die Ziehungen ab Montag.";
    testing::DrawServerProcess server(testing::historyCsvPath(), notes.file("notice.txt"));
    Window window(history());
    window.update(server.address());
    QCOMPARE(window.http.urls.size(), std::size_t{1});
    QVERIFY(window.fakes.ui.messages ==
            std::vector<std::string>{"Mitteilung: Die Ziehungen ab Montag."});
    QVERIFY(window.stored() == history());
    window.expectUsable();
  }

  void theStopButtonPressedWhileARequestWaitsEndsTheRun() {
    testing::DrawServerProcess server(testing::historyCsvPath());
    Window window(historyUpTo(dayNumber(2025, 1, 5)));
    window.http.beforeEach = [&window](std::size_t count) {
      // The click arrives while the third request waits in the event loop.
      if (count == 3) QTimer::singleShot(0, [&window] { window.form.stopUpdate(); });
    };
    window.update(server.address());
    QCOMPARE(window.http.urls.size(), std::size_t{3});
    std::vector<DrawRecord> expected = historyUpTo(dayNumber(2025, 1, 5));
    for (const DrawRecord& record : drawDaysFrom(dayNumber(2025, 1, 8))) {
      if (expected.size() == historyUpTo(dayNumber(2025, 1, 5)).size() + 3) break;
      expected.push_back(record);
    }
    QVERIFY(window.stored() == expected);
    window.expectUsable();
  }

  void aServerThatIsNotRunningIsReported() {
    int freePort = 0;
    {
      QTcpServer probe;
      QVERIFY(probe.listen(QHostAddress::LocalHost));
      freePort = probe.serverPort();
    }
    Window window(history());
    window.update("http://127.0.0.1:" + std::to_string(freePort));
    QCOMPARE(window.fakes.ui.errors.size(), std::size_t{1});
    QCOMPARE(window.fakes.ui.errors[0],
             "Keine Verbindung zum Server 127.0.0.1:" + std::to_string(freePort) +
                 ": die Verbindung wurde abgelehnt.");
    window.expectUsable();
    QVERIFY(window.stored() == history());
  }

  void aProxyPortThatIsNoNumberFailsAtTheFirstRequest() {
    testing::DrawServerProcess server(testing::historyCsvPath());
    Window window(historyUpTo(dayNumber(2025, 1, 5)));
    window.form.internetOptions.proxyPort.text = "abc";
    window.update(server.address());
    QVERIFY(window.http.urls.empty());
    QVERIFY(window.fakes.ui.errors ==
            std::vector<std::string>{"'abc' ist kein gültiger Integerwert"});
    window.expectUsable();
  }

  void hostileServersEndTheRunWithTheDrawsReadBefore_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("a body over 1 MiB") << 0 << "größer als 1 MiB";
    QTest::newRow("over 1 MiB without a length") << 1 << "größer als 1 MiB";
    QTest::newRow("no answer") << 2 << "nicht innerhalb von 300 Millisekunden geantwortet";
    QTest::newRow("a reply cut in the middle") << 3 << "bevor die Antwort vollständig war";
    QTest::newRow("status 500") << 4 << "HTTP/1.1 500 Internal Server Error";
  }
  void hostileServersEndTheRunWithTheDrawsReadBefore() {
    QFETCH(int, kind);
    QFETCH(QString, message);
    ScriptedServer server([kind](int index, const QByteArray&) -> ScriptedServer::Answer {
      if (index == 1) return ScriptedServer::draw("20250108,1,2,3,4,5,6,7,");
      const QByteArray huge((1 << 20) + 100, '7');
      switch (kind) {
        case 0:
          return ScriptedServer::reply("200 OK", "20250112," + huge);
        case 1:
          return {"HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n20250112," + huge, true, false};
        case 2:
          return {{}, false, true};
        case 3:
          return {"HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n20250112,1,2", true, false};
        default:
          return ScriptedServer::reply("500 Internal Server Error", "kaputt");
      }
    });
    Window window(historyUpTo(dayNumber(2025, 1, 5)), 300);
    window.update(server.address());
    QCOMPARE(window.http.urls.size(), std::size_t{2});
    QCOMPARE(window.fakes.ui.errors.size(), std::size_t{1});
    QVERIFY2(QString::fromStdString(window.fakes.ui.errors[0]).contains(message),
             window.fakes.ui.errors[0].c_str());
    std::vector<DrawRecord> expected = historyUpTo(dayNumber(2025, 1, 5));
    expected.push_back(testing::makeDraw(2025, 1, 8, {1, 2, 3, 4, 5, 6}, 7, 1));
    QVERIFY(window.stored() == expected);
    window.expectUsable();
    QCOMPARE(window.form.drawOnShow.drawBarText.caption,
             std::string("Mi 08.01.25    1  2  3  4  5  6 Z:7"));
  }

  void theStartUpUpdateEndsQuietlyOnTheBundledHistory() {
    testing::DrawServerProcess server(testing::historyCsvPath());
    Window window(history());
    window.fakes.settings.values["ServerEdit"] = server.address();
    window.form.onFirstShow();
    QCOMPARE(window.http.urls.size(), std::size_t{1});  // Sunday 23 August 2026: nothing yet
    QVERIFY(window.fakes.ui.errors.empty());
    QVERIFY(window.fakes.ui.messages.empty());
    QCOMPARE(window.form.drawOnShow.drawBarText.caption,
             std::string("Fr 21.08.26    1  3  24  32  36  42 Z:37"));
    QVERIFY(window.stored() == history());
  }

  void theClientHandsBackWhatTheServerSent() {
    ScriptedServer server([](int index, const QByteArray&) {
      if (index == 1) {
        return ScriptedServer::reply("200 OK",
                                     "Gr\xfc\xdf"
                                     "e",
                                     "Content-Type: text/plain; charset=iso-8859-1\r\n"
                                     "Last-Modified: Wed, 08 Jan 2025 10:00:00 GMT\r\n");
      }
      if (index == 2)
        return ScriptedServer::reply("203 Non-Authoritative Information", "gr\xc3\xbc\xc3\x9f");
      return ScriptedServer::reply("200 OK", "\xe4\xf6");  // no charset, not UTF-8
    });
    QtHttpClient client;
    client.setProxy("", 0);
    const HttpReply first = client.get(server.address() + "/a");
    QCOMPARE(first.statusLine, std::string("HTTP/1.1 200 OK"));
    QCOMPARE(first.code, 200);
    QCOMPARE(first.body, std::string("Grüße"));
    QCOMPARE(first.lastModified, std::string("Wed, 08 Jan 2025 10:00:00 GMT"));
    const HttpReply second = client.get(server.address() + "/b");
    QCOMPARE(second.statusLine, std::string("HTTP/1.1 203 Non-Authoritative Information"));
    QCOMPARE(second.body, std::string("grüß"));
    QVERIFY(second.lastModified.empty());
    QCOMPARE(client.get(server.address() + "/c").body, std::string("äö"));

    // A proxy that does not answer is a failure of its own.
    int freePort = 0;
    {
      QTcpServer probe;
      QVERIFY(probe.listen(QHostAddress::LocalHost));
      freePort = probe.serverPort();
    }
    client.setProxy("127.0.0.1", freePort);
    try {
      client.get(server.address() + "/d");
      QFAIL("no failure");
    } catch (const HttpError& error) {
      QVERIFY2(QString(error.what())
                   .startsWith("Der Proxy-Server 127.0.0.1:" + QString::number(freePort) +
                               " ist nicht erreichbar"),
               error.what());
    }
    client.setProxy("", 0);

    QVERIFY_THROWS_EXCEPTION(HttpError, client.get("ftp://127.0.0.1/x"));
    QVERIFY_THROWS_EXCEPTION(HttpError, client.get("kein Server"));
    QVERIFY_THROWS_EXCEPTION(HttpError, client.setProxy("proxy.example", 70000));
  }

  void requestsCarryTheHeadersAndCookiesAndGoThroughTheProxy() {
    ScriptedServer server([](int index, const QByteArray&) {
      if (index == 1) {
        return ScriptedServer::reply("200 OK", "20250108,1,2,3,4,5,6,7,",
                                     "Set-Cookie: sitzung=42; Path=/\r\n");
      }
      return ScriptedServer::draw("Keine neue Ziehung");
    });
    Window window(historyUpTo(dayNumber(2025, 1, 5)));
    // The proxy is the scripted server; the draw server's name need not resolve.
    window.form.internetOptions.proxyHost.text = "127.0.0.1";
    window.form.internetOptions.proxyPort.text = std::to_string(server.port());
    window.update("http://lotto.invalid:8045");
    QCOMPARE(server.heads.size(), 2);
    const QByteArray& first = server.heads[0];
    QVERIFY2(first.startsWith("GET http://lotto.invalid:8045/zahlen/lotto_neu.asp?Datum=20250108"
                              "&Programm=KalkuAT HTTP/1.1"),
             first.constData());
    QVERIFY(first.contains("\r\nUser-Agent: Mozilla/3.0 (compatible; Indy Library)"));
    QVERIFY(first.contains("\r\nAccept: text/html, */*"));
    QVERIFY2(server.heads[1].contains("\r\nCookie: sitzung=42"), server.heads[1].constData());
    QVERIFY(window.fakes.ui.errors.empty());
    QCOMPARE(window.stored().size(), historyUpTo(dayNumber(2025, 1, 5)).size() + 1);
  }
};

}  // namespace lotto

QTEST_GUILESS_MAIN(lotto::DownloadTest)
#include "download_test.moc"
