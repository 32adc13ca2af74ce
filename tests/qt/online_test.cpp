// The basket hand-over and the click-script run with the Qt HTTP client against the draw
// server on 127.0.0.1, and the start of a stand-in automation program through Qt.

#include <fcntl.h>
#include <sys/stat.h>

#include <QElapsedTimer>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "app/main_window.h"
#include "platform/dates.h"
#include "platform/file_io.h"
#include "qt/core/qt_http_client.h"
#include "qt/qt_platform.h"
#include "support/draw_server_process.h"
#include "support/fakes.h"
#include "support/fixtures.h"

namespace lotto {

namespace {

void writeFile(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

// Waits up to ten seconds for a file to appear; its content, or nothing.
std::optional<std::string> waitForFile(const std::string& path) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < 10000) {
    if (fileExists(path)) return readWholeFile(path);
    QTest::qWait(20);
  }
  return std::nullopt;
}

std::vector<std::string> splitAtNul(const std::string& text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\0', start)) != std::string::npos; start = end + 1) {
    parts.push_back(text.substr(start, end - start));
  }
  return parts;
}

}  // namespace

class OnlineTest : public QObject {
  Q_OBJECT

 private:
  // A window with the Qt client, on a program folder of its own; programs are started by the
  // Qt shell when asked, documents are only recorded.
  struct Window {
    bool useQtShell;
    testing::TempDir dir;
    QtHttpClient http;
    QtShell qtShell;
    testing::FakeServices fakes;
    MainWindow form{services(), dir.file("kalkuat")};

    explicit Window(bool qtShellStarts = false) : useQtShell(qtShellStarts) {
      form.files.dataFolder = dir.path();
      form.files.drawFileName = kDrawFileName;
      fakes.clock.todayValue = dayNumber(2026, 12, 10);
      form.drawOnShow.chosenDate.setDate(dayNumber(2026, 12, 10));
    }
    Services services() {
      fakes.httpInUse = &http;
      if (useQtShell) fakes.shellInUse = &qtShell;
      return fakes.services();
    }
    void typeTip(int tip, std::array<const char*, 6> numbers) {
      for (int index = 1; index <= 6; ++index) form.setTipField(tip, index, numbers[index - 1]);
    }
  };

 private slots:
  void theBasketPageOfTheServerListsTheTwoTips() {
    testing::DrawServerProcess server(testing::historyCsvPath());
    Window window;
    window.form.internetOptions.server.text = server.address();
    window.typeTip(1, {"1", "2", "3", "4", "5", "6"});
    window.typeTip(2, {"7", "8", "9", "10", "11", "12"});
    window.form.sendToBasket();

    QCOMPARE(window.fakes.shell.opened.size(), std::size_t{1});
    const std::string address = window.fakes.shell.opened[0];
    QVERIFY2(address.rfind(server.address() +
                               "/lotto/warenkorb2.asp?kasten1=1,2,3,4,5,6&kasten2=7,8,9,10,11,12&"
                               "kasten3=,,,,,&",
                           0) == 0,
             address.c_str());
    QVERIFY(address.ends_with("&anzahl=2"));
    QCOMPARE(window.form.statusBar.panels[1],
             std::string("Überprüfen Sie den Tipp im Warenkorb!!!"));
    // What the browser would show.
    const HttpReply page = window.http.get(address);
    QVERIFY2(page.body.find("<li>1. Tipp: 1,2,3,4,5,6</li>") != std::string::npos,
             page.body.c_str());
    QVERIFY(page.body.find("<li>2. Tipp: 7,8,9,10,11,12</li>") != std::string::npos);
    QVERIFY(page.body.find("3. Tipp") == std::string::npos);
  }

  void aRefusalWithAMessageIsShownAndOneWithoutFallsBack() {
    testing::TempDir bodies;
    writeFile(bodies.file("busy.htm"), "<p>Mitteilung: Wartung bis 14 Uhr</p>\r\n");
    writeFile(bodies.file("broken.htm"), "<p>Fehler</p>");
    testing::DrawServerProcess busy(
        testing::historyCsvPath(), std::nullopt, 0,
        {"--basket-status", "503", "--basket-body", bodies.file("busy.htm")});
    testing::DrawServerProcess broken(
        testing::historyCsvPath(), std::nullopt, 0,
        {"--basket-status", "500", "--basket-body", bodies.file("broken.htm")});
    Window window;  // gone before the servers, so that they stop without waiting on it
    window.typeTip(1, {"1", "2", "3", "4", "5", "6"});
    window.form.internetOptions.server.text = busy.address();
    window.form.sendToBasket();
    const std::string page = window.dir.file("Meldung.htm");
    QCOMPARE(window.fakes.shell.opened, std::vector<std::string>{page});
    QCOMPARE(readWholeFile(page), std::string("<p>Mitteilung: Wartung bis 14 Uhr</p>\r\n"));

    window.form.internetOptions.server.text = broken.address();
    window.form.sendToBasket();
    QCOMPARE(window.fakes.shell.opened.size(), std::size_t{2});
    QVERIFY(window.fakes.shell.opened[1].rfind(
                broken.address() + "/lotto/warenkorb2.asp?kasten1=1,2,3,4,5,6&kasten2=,,,,,", 0) ==
            0);
  }

  void aNewerScriptOfTheServerIsFetchedAndTheProgramGetsItsArguments() {
    testing::TempDir served;
    writeFile(served.file("Portal.bks"), "vom Server: [Z1_1] [Z6_1] [SA]\r\n");
    testing::DrawServerProcess server(testing::historyCsvPath(), std::nullopt, 0,
                                      {"--scripts", served.path()});
    Window window(true);
    window.form.internetOptions.server.text = server.address();
    window.typeTip(1, {"3", "17", "22", "30", "41", "45"});
    const std::string script = window.dir.file("Script/Portal.bks");
    writeFile(script, "alt: [Z1_1]\r\n");
    const timespec old[2] = {{1'600'000'000, 0}, {1'600'000'000, 0}};  // September 2020
    QCOMPARE(::utimensat(AT_FDCWD, script.c_str(), old, 0), 0);

    // The stand-in for the automation program writes its arguments, each ended by a NUL.
    const std::string record = window.dir.file("arguments");
    const std::string program = window.dir.file("Netz/Netzlauf");
    writeFile(program, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\0' \"$a\"; done > '" + record +
                           "~'\nmv '" + record + "~' '" + record + "'\n");
    QCOMPARE(::chmod(program.c_str(), 0755), 0);
    window.fakes.settings.values["Path"] = window.dir.file("Netz");
    const std::string login = "ich\"; touch " + window.dir.file("pwned") + "; echo '";
    window.fakes.ui.onModal = [&login](ModalDialog& dialog) {
      auto& chooser = dynamic_cast<ScriptChooser&>(dialog);
      chooser.zahl1.text = "12";
      chooser.login.text = login;
      chooser.password.text = "";
      return ModalResult::Ok;
    };
    window.form.startClickScript();

    QCOMPARE(readWholeFile(script), std::string("vom Server: [Z1_1] [Z6_1] [SA]\r\n"));
    const std::string filled = window.dir.file("Tipps/20261210.bks");
    QCOMPARE(readWholeFile(filled), std::string("vom Server: 3 45 NEIN\r\n"));
    const auto arguments = waitForFile(record);
    QVERIFY2(arguments.has_value(), "the automation program left no record");
    QCOMPARE(splitAtNul(*arguments),
             (std::vector<std::string>{"START", filled, "12", login, "0", " "}));
    QVERIFY(!fileExists(window.dir.file("pwned")));

    // The local copy is now the newer one: a second run keeps it.
    writeFile(served.file("Portal.bks"), "noch neuer\r\n");
    const timespec older[2] = {{1'700'000'000, 0}, {1'700'000'000, 0}};
    QCOMPARE(::utimensat(AT_FDCWD, served.file("Portal.bks").c_str(), older, 0), 0);
    std::filesystem::remove(record);
    window.form.startClickScript();
    QCOMPARE(readWholeFile(script), std::string("vom Server: [Z1_1] [Z6_1] [SA]\r\n"));
    QVERIFY(waitForFile(record).has_value());
  }
};

}  // namespace lotto

QTEST_GUILESS_MAIN(lotto::OnlineTest)
#include "online_test.moc"
