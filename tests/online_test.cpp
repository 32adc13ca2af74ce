// The basket hand-over and the click-script automation, with a fake HTTP client and shell.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <ctime>
#include <filesystem>
#include <fstream>

#include "online/basket.h"
#include "online/click_script.h"
#include "platform/dates.h"
#include "platform/errors.h"
#include "platform/file_io.h"
#include "support/window_fixture.h"

namespace lotto {
namespace {

using testing::FakeHttpClient;

const char* const kServer = "http://127.0.0.1:8045";
const char* const kTemplateRequest =
    "http://127.0.0.1:8045/lotto/lotto.asp?Spiel=KalkuAT&Wo=Lottoland&Tipps=";

std::string httpDate(std::time_t when) {
  std::tm parts{};
  gmtime_r(&when, &parts);
  char text[64];
  std::strftime(text, sizeof text, "%a, %d %b %Y %H:%M:%S GMT", &parts);
  return text;
}

void setModificationTime(const std::string& path, std::time_t when) {
  const timespec times[2] = {{when, 0}, {when, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0) << path;
}

void writeFile(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

// ---- the basket

class Basket : public testing::WindowTest {
 protected:
  void SetUp() override {
    showWith({testing::makeDraw(2026, 12, 9, {1, 3, 24, 32, 36, 42}, 37)}, dayNumber(2026, 12, 10));
    form.internetOptions.proxyHost.text = "proxy.lan";
    form.internetOptions.proxyPort.text = "3128";
  }
  // The server answers every template request with `reply`.
  void answer(const HttpReply& reply) {
    fakes.http.server = [reply](const std::string&) { return reply; };
  }
  // What the refusal of the hand-over says, or "" when the basket was opened.
  std::string refusal() {
    try {
      form.sendToBasket();
    } catch (const AppError& refused) {
      return refused.what();
    }
    return "";
  }
};

TEST_F(Basket, TheServersTemplateGetsTheTipsAndTheCountOfTheLastFilledTip) {
  typeTip(1, {"1", "2", "3", "4", "5", "6"});
  typeTip(2, {"7", "8", "9", "10", "11", "12"});
  answer(FakeHttpClient::ok(
      "\r\n  https://broker.example/korb?a=[KASTEN1]&b=[KASTEN2]&n=[Anzahl]&m=[KASTEN1]\r\n"));
  form.sendToBasket();

  ASSERT_EQ(fakes.http.requests.size(), 1u);
  EXPECT_EQ(fakes.http.requests[0].url, std::string(kTemplateRequest) + "12");
  EXPECT_EQ(fakes.http.requests[0].proxyHost, "proxy.lan");
  EXPECT_EQ(fakes.http.requests[0].proxyPort, 3128);
  // Only the first occurrence of a placeholder is replaced.
  EXPECT_EQ(fakes.shell.opened,
            std::vector<std::string>{"https://broker.example/korb?a=1,2,3,4,5,6&b=7,8,9,10,11,12"
                                     "&n=2&m=[KASTEN1]"});
  EXPECT_EQ(form.statusBar.panels[1], "Überprüfen Sie den Tipp im Warenkorb!!!");
}

TEST_F(Basket, EmptyTipsBeforeTheLastFilledOneCountAndTheirTextsStayAsTheyStand) {
  typeTip(1, {"1", "2", "3", "4", "5", "6"});
  typeTip(5, {"3", "", "19", "25", "33", "41"});
  form.options.tipCount.setValue(3);
  answer(FakeHttpClient::ok(
      "http://b/?[KASTEN1]|[KASTEN2]|[KASTEN3]|[KASTEN4]|[KASTEN5]|[KASTEN6]|[Anzahl]"));
  form.sendToBasket();

  EXPECT_EQ(fakes.http.requests.at(0).url, std::string(kTemplateRequest) + "3");
  EXPECT_EQ(fakes.shell.opened.at(0),
            "http://b/?1,2,3,4,5,6|,,,,,|,,,,,|,,,,,|3,,19,25,33,41|,,,,,|5");
  // No tip at all: the count is 0.
  form.clearUnmarkedTips();
  form.sendToBasket();
  EXPECT_EQ(fakes.shell.opened.at(1), "http://b/?,,,,,|,,,,,|,,,,,|,,,,,|,,,,,|,,,,,|0");
}

TEST_F(Basket, AnErrorWithoutAMessageFallsBackToTheBuiltInTemplate) {
  typeTip(1, {"1", "2", "3", "4", "5", "6"});
  typeTip(12, {"40", "41", "42", "43", "44", "45"});
  answer(FakeHttpClient::status(500, "HTTP/1.1 500 Internal Server Error", "[Anzahl] kaputt"));
  form.sendToBasket();

  std::string expected = std::string(kServer) + "/lotto/warenkorb2.asp?kasten1=1,2,3,4,5,6";
  for (int tip = 2; tip <= 11; ++tip) expected += "&kasten" + std::to_string(tip) + "=,,,,,";
  expected += "&kasten12=40,41,42,43,44,45";
  EXPECT_EQ(fakes.shell.opened, std::vector<std::string>{expected});
  EXPECT_EQ(form.statusBar.panels[1], "Überprüfen Sie den Tipp im Warenkorb!!!");
}

TEST_F(Basket, AnErrorWithAMessageShowsTheMessagePageAsItCameAndNoBasket) {
  typeTip(1, {"1", "2", "3", "4", "5", "6"});
  writeFile(dir.file("Meldung.htm"), "eine alte Meldung, viel länger als die neue");
  HttpReply reply = FakeHttpClient::status(503, "HTTP/1.1 503 Service Unavailable", "");
  reply.bytes = "<html>Mitteilung: Wartung bis 14 Uhr \xE4\xF6\xFC</html>\r\n";
  reply.body = "<html>Mitteilung: Wartung bis 14 Uhr äöü</html>\r\n";
  answer(reply);
  form.statusBar.panels[1] = "vorher";
  form.sendToBasket();

  EXPECT_EQ(readWholeFile(dir.file("Meldung.htm")), reply.bytes);
  EXPECT_EQ(fakes.shell.opened, std::vector<std::string>{dir.file("Meldung.htm")});
  EXPECT_EQ(form.statusBar.panels[1], "vorher");
  // "Mitteilung" in another letter case is no message.
  answer(FakeHttpClient::status(503, "HTTP/1.1 503 Service Unavailable", "MITTEILUNG"));
  form.sendToBasket();
  EXPECT_NE(fakes.shell.opened.back().find("/lotto/warenkorb2.asp?"), std::string::npos);
}

TEST_F(Basket, AddressesThatAreNoWebAddressesAreRefusedAndNothingIsOpened) {
  typeTip(1, {"1", "2", "3", "4", "5", "6"});
  const std::string longTail(2040, 'x');
  struct Case {
    const char* name;
    std::string body;
  };
  const Case cases[] = {
      {"a local file", "file:///etc/passwd?[KASTEN1]"},
      {"a script", "javascript:alert('[KASTEN1]')"},
      {"a custom scheme", "lottoland://korb?[KASTEN1]"},
      {"a program path", "/usr/bin/xterm"},
      {"no scheme at all", "www.example.com/?[KASTEN1]"},
      {"a control character inside", "http://b/?\x01[KASTEN1]"},
      {"a line break inside", "http://b/?x\r\nfile:///etc/passwd"},
      {"a template longer than 2048", "http://b/?" + longTail + "[KASTEN1]"},
      {"filled longer than 2048", "http://b/" + longTail + "[KASTEN1]"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    answer(FakeHttpClient::ok(c.body));
    form.statusBar.panels[1] = "";
    EXPECT_THROW(form.sendToBasket(), AppError);
    EXPECT_TRUE(fakes.shell.opened.empty());
    EXPECT_EQ(form.statusBar.panels[1], "");
  }
  // The bounds themselves: 2048 characters are opened, and the scheme in any letter case.
  const std::string exact = "HTTPS://b/" + std::string(2048 - 10, 'y');
  answer(FakeHttpClient::ok(exact));
  form.sendToBasket();
  EXPECT_EQ(fakes.shell.opened, std::vector<std::string>{exact});
}

TEST_F(Basket, AddressesWithInvisibleOrReorderingCharactersOrBadBytesAreRefused) {
  typeTip(1, {"1", "2", "3", "4", "5", "6"});
  const std::string controls =
      "Die Adresse des Warenkorbs enthält Steuerzeichen und wird nicht geöffnet.";
  const std::string badBytes =
      "Die Adresse des Warenkorbs ist kein gültiges UTF-8 und wird nicht geöffnet.";
  struct Case {
    const char* name;
    std::string inside;  // stands in the template between the path and the tips
    const std::string& message;
  };
  const Case cases[] = {
      {"DEL", "\x7F", controls},
      {"a C1 control (CSI)", "\xC2\x9B", controls},
      {"next line U+0085", "\xC2\x85", controls},
      {"line separator U+2028", "\xE2\x80\xA8", controls},
      {"paragraph separator U+2029", "\xE2\x80\xA9", controls},
      {"right-to-left override U+202E", "\xE2\x80\xAE", controls},
      {"left-to-right isolate U+2066", "\xE2\x81\xA6", controls},
      {"pop directional isolate U+2069", "\xE2\x81\xA9", controls},
      {"zero width space U+200B", "\xE2\x80\x8B", controls},
      {"byte-order mark U+FEFF", "\xEF\xBB\xBF", controls},
      {"soft hyphen U+00AD", "\xC2\xAD", controls},
      {"overlong slash C0 AF", "\xC0\xAF", badBytes},
      {"overlong NUL C0 80", "\xC0\x80", badBytes},
      {"overlong NUL E0 80 80", "\xE0\x80\x80", badBytes},
      {"a surrogate ED A0 80", "\xED\xA0\x80", badBytes},
      {"above U+10FFFF", "\xF4\x90\x80\x80", badBytes},
      {"a sequence cut short", "\xE2\x80", badBytes},
      {"a lone continuation byte", "\xA4", badBytes},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    answer(FakeHttpClient::ok("https://broker.example/korb?x=" + c.inside + "&a=[KASTEN1]"));
    form.statusBar.panels[1] = "";
    EXPECT_EQ(refusal(), c.message);
    EXPECT_TRUE(fakes.shell.opened.empty());
    EXPECT_EQ(form.statusBar.panels[1], "");
  }
  // A sequence cut short at the very end of the template.
  answer(FakeHttpClient::ok("https://broker.example/korb?a=[KASTEN1]\xC3"));
  EXPECT_EQ(refusal(), badBytes);
  EXPECT_TRUE(fakes.shell.opened.empty());
}

TEST_F(Basket, AddressesWithLettersBeyondAsciiAreOpened) {
  typeTip(1, {"1", "2", "3", "4", "5", "6"});
  for (const std::string& address :
       {std::string("https://broker.example/k\xC3\xB6rbchen?stra\xC3\x9F"
                    "e=\xC3\xA4&a="),
        std::string("https://xn--bcher-kva.example/?w=\xE2\x82\xAC&a="),
        std::string("https://broker.example/\xE6\x97\xA5\xE6\x9C\xAC?g=\xF0\x9F\x8D\x80&a="),
        std::string("https://broker.example/?leer=a\xC2\xA0"
                    "b&a=")}) {
    SCOPED_TRACE(address);
    fakes.shell.opened.clear();
    answer(FakeHttpClient::ok(address + "[KASTEN1]"));
    EXPECT_EQ(refusal(), "");
    EXPECT_EQ(fakes.shell.opened, std::vector<std::string>{address + "1,2,3,4,5,6"});
  }
}

TEST_F(Basket, ATemplateWithinTheLimitIsRefusedWhenTheTipsPushItPast2048) {
  const std::string tooLong =
      "Die Adresse des Warenkorbs ist länger als 2048 Zeichen und wird nicht geöffnet.";
  struct Case {
    std::size_t templateLength;
    bool tipTyped;  // "[KASTEN1]" (9 characters) becomes "1,2,3,4,5,6" (11) or ",,,,," (5)
    bool opened;
  };
  const Case cases[] = {
      {2047, true, false},  // 2049 when filled
      {2047, false, true},  // 2043: the template itself was fine
      {2046, true, true},   // exactly 2048
      {2048, false, true}, {2049, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.templateLength) + (c.tipTyped ? " with a tip" : " empty"));
    form.clearUnmarkedTips();
    if (c.tipTyped) typeTip(1, {"1", "2", "3", "4", "5", "6"});
    const std::string head = "http://b/?";
    const std::string address =
        head + std::string(c.templateLength - head.size() - 9, 'y') + "[KASTEN1]";
    ASSERT_EQ(address.size(), c.templateLength);
    answer(FakeHttpClient::ok(address));
    fakes.shell.opened.clear();
    EXPECT_EQ(refusal(), c.opened ? "" : tooLong);
    EXPECT_EQ(fakes.shell.opened.size(), c.opened ? 1u : 0u);
  }
}

TEST_F(Basket, AServerSettingWithControlsIsNeverAsked) {
  typeTip(1, {"1", "2", "3", "4", "5", "6"});
  answer(FakeHttpClient::ok("https://broker.example/korb?a=[KASTEN1]"));
  form.internetOptions.server.text = "http://127.0.0.1:8045\xE2\x80\xAE";
  EXPECT_EQ(refusal(), "Die Adresse des Servers enthält Steuerzeichen und wird nicht angefragt.");
  EXPECT_TRUE(fakes.http.requests.empty());
  EXPECT_TRUE(fakes.shell.opened.empty());
}

TEST_F(Basket, ABadProxyPortOrNoConnectionStopsBeforeAnythingIsOpened) {
  typeTip(1, {"1", "2", "3", "4", "5", "6"});
  form.internetOptions.proxyPort.text = "";
  EXPECT_THROW(form.sendToBasket(), ConversionError);
  EXPECT_TRUE(fakes.http.requests.empty());

  form.internetOptions.proxyPort.text = "3128";
  fakes.http.server = nullptr;
  EXPECT_THROW(form.sendToBasket(), HttpError);
  EXPECT_EQ(fakes.http.requests.size(), 1u);
  EXPECT_TRUE(fakes.shell.opened.empty());
}

// ---- the click script

TEST(ClickScript, PlaceholdersAreFilledInTheirOrder) {
  TipGrid tips;
  for (int index = 1; index <= 6; ++index) {
    tips.setText(2, index, std::to_string(10 + index));
    tips.setText(10, index, std::to_string(30 + index));
  }
  tips.setText(1, 1, "7");
  SlipSettingsDialog slip;
  const std::string filled = fillClickScript(
      "a=[Z3_2] b=[Z3_2] c=[Z1_10] d=[Z1_1] e=[Z2_1] f=[Z6_12] g=[TIPPDATEI]\r\n"
      "h=[MELDUNGFERTIG] [z1_1] [Z7_1] [Z1_13] \xE4\x01",
      tips, "/home/u/Tipps/20261213.blt", slip);
  EXPECT_EQ(filled,
            "a=13 b=13 c=31 d=7 e= f= g=/home/u/Tipps/20261213.blt\r\n"
            "h=Bitte überprüfen Sie jetzt den Tipp und dann können Sie ihn abgeben! [z1_1] "
            "[Z7_1] [Z1_13] \xE4\x01");
}

TEST(ClickScript, DayAndJokerBoxes) {
  struct Case {
    bool sunday, wednesday, joker, joker2, joker3;
    const char* expected;
  };
  const Case cases[] = {
      {true, true, false, false, false, "JA JA JA NEIN NEIN NEIN"},
      {true, false, false, false, false, "NEIN JA NEIN NEIN NEIN NEIN"},
      {false, true, false, false, false, "JA NEIN NEIN NEIN NEIN NEIN"},
      {false, false, true, false, false, "NEIN NEIN NEIN NEIN JA NEIN"},
      {false, false, false, true, false, "NEIN NEIN NEIN NEIN NEIN JA"},
      {false, false, false, false, true, "NEIN NEIN NEIN JA NEIN NEIN"},
  };
  for (const Case& c : cases) {
    SlipSettingsDialog slip;
    slip.sunday.checked = c.sunday;
    slip.wednesday.checked = c.wednesday;
    slip.joker1.checked = c.joker;
    slip.joker2.checked = c.joker2;
    slip.joker3.checked = c.joker3;
    EXPECT_EQ(fillClickScript("[MI] [SA] [MISA] [GLUECK] [SPIEL77] [SUPER6]", TipGrid{}, "", slip),
              c.expected);
  }
}

TEST(ClickScript, TheScriptNameIsOnePathSegment) {
  EXPECT_EQ(scriptUrl("http://127.0.0.1:8045/", "Portal.bks"),
            "http://127.0.0.1:8045/scripts/Portal.bks.txt");
  EXPECT_EQ(scriptUrl("example.org", "Mein Portal#2?/ä%.bks"),
            "http://example.org/scripts/Mein%20Portal%232%3F%2F%C3%A4%25.bks.txt");
}

// A program folder with the script "Portal.bks" and the automation program installed.
class ClickScriptRun : public testing::WindowTest {
 protected:
  std::string script = dir.file("Script/Portal.bks");
  std::string program = dir.file("Netz/Netzlauf");
  std::string filled = dir.file("Tipps/20261210.bks");
  std::vector<std::string> chooserItems;

  void SetUp() override {
    showWith({testing::makeDraw(2026, 12, 9, {1, 3, 24, 32, 36, 42}, 37)}, dayNumber(2026, 12, 10));
    writeFile(script, "Tipp 2: [Z1_2] [Z2_2] [Z3_2] [Z4_2] [Z5_2] [Z6_2]\r\nSA=[SA]\r\n");
    writeFile(program, "#!/bin/sh\n");
    ::chmod(program.c_str(), 0755);
    fakes.settings.values["Path"] = dir.file("Netz");
    form.internetOptions.proxyHost.text = "proxy.lan";
    form.internetOptions.proxyPort.text = "3128";
    typeTip(2, {"4", "8", "15", "16", "23", "42"});
    fakes.http.server = nullptr;  // no script server
    // The user takes what the dialog shows and presses OK.
    fakes.ui.onModal = [this](ModalDialog& dialog) {
      chooserItems = dynamic_cast<ScriptChooser&>(dialog).script.items;
      return ModalResult::Ok;
    };
  }
  std::string stored(const std::string& name) {
    const auto found = fakes.settings.values.find(name);
    return found == fakes.settings.values.end() ? "<none>" : std::get<std::string>(found->second);
  }
};

TEST_F(ClickScriptRun, SavesTheTipsFillsTheScriptAndStartsTheProgramWithItsArguments) {
  form.slipSettings.sunday.checked = true;
  fakes.settings.values["KalkuATZahl1"] = std::string("7");
  fakes.settings.values["KalkuATText1"] = std::string("ich@example.org");
  fakes.settings.values["KalkuATText2"] = std::string("");
  writeFile(script, "Tipp 2: [Z1_2] [Z2_2] [Z3_2] [Z4_2] [Z5_2] [Z6_2]\r\nSA=[SA]\r\n[TIPPDATEI]");
  form.startClickScript();

  EXPECT_EQ(chooserItems, std::vector<std::string>{script});
  const std::string text = readWholeFile(filled);
  const std::string tipFile = text.substr(text.rfind('\n') + 1);
  EXPECT_EQ(text, "Tipp 2: 4 8 15 16 23 42\r\nSA=JA\r\n" + tipFile);
  // The automatic save ran first, and its file is named in the script.
  EXPECT_EQ(tipFile.substr(0, dir.file("Tipps/2026121").size()), dir.file("Tipps/2026121"));
  EXPECT_EQ(readWholeFile(tipFile), "4,8,15,16,23,42\r\n");
  ASSERT_EQ(fakes.shell.started, std::vector<std::string>{program});
  // Empty numbers become "0", an empty text one blank.
  EXPECT_EQ(fakes.shell.startedWith[0],
            (std::vector<std::string>{"START", filled, "7", "ich@example.org", "0", " "}));
  // The chosen script and the parameters as the dialog held them are kept; the numbers
  // were set to "0" when it closed.
  EXPECT_EQ(fakes.settings.openedKeys.back(), "Brunnhold\\Netzlenker\\Settings");
  EXPECT_EQ(stored("KalkuATScript"), script);
  EXPECT_EQ(stored("KalkuATZahl1"), "7");
  EXPECT_EQ(stored("KalkuATZahl2"), "0");
  EXPECT_EQ(stored("KalkuATText1"), "ich@example.org");
  EXPECT_EQ(stored("KalkuATText2"), "");
  // The script server was asked for the chosen script, without the proxy.
  ASSERT_EQ(fakes.http.requests.size(), 1u);
  EXPECT_EQ(fakes.http.requests[0].url, "http://127.0.0.1:8045/scripts/Portal.bks.txt");
  EXPECT_EQ(fakes.http.requests[0].proxyHost, "");
}

TEST_F(ClickScriptRun, ASecondRunOnTheSameDayOverwritesTheFilledScript) {
  form.startClickScript();
  form.setTipField(2, 1, "5");
  form.slipSettings.sunday.checked = true;
  form.startClickScript();
  EXPECT_EQ(readWholeFile(filled), "Tipp 2: 5 8 15 16 23 42\r\nSA=JA\r\n");
  EXPECT_EQ(fakes.shell.started.size(), 2u);
  EXPECT_FALSE(fileExists(filled + "~"));
}

TEST_F(ClickScriptRun, AMissingProgramAsksToOpenTheInstallationNotesAndStartsNothing) {
  struct Case {
    const char* name;
    std::function<void()> arrange;
  };
  const Case cases[] = {
      {"no Path", [this] { fakes.settings.values.erase("Path"); }},
      {"an empty Path", [this] { fakes.settings.values["Path"] = std::string(""); }},
      {"a relative Path", [this] { fakes.settings.values["Path"] = std::string("Netz"); }},
      {"not executable", [this] { ::chmod(program.c_str(), 0644); }},
      {"a folder of that name",
       [this] {
         std::filesystem::remove(program);
         std::filesystem::create_directory(program);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.arrange();
    fakes.ui.answers = {true};
    fakes.shell.opened.clear();
    form.startClickScript();
    EXPECT_EQ(fakes.ui.questions.back(),
              "Netzlauf fehlt: Das Programm Netzlauf wurde nicht gefunden. Möchten Sie die "
              "Installationshinweise öffnen?");
    EXPECT_EQ(fakes.shell.opened, std::vector<std::string>{dir.file("README.md")});
    EXPECT_EQ(fakes.ui.modals, 0);
    EXPECT_TRUE(fakes.shell.started.empty());
    EXPECT_FALSE(fileExists(filled));
  }
  // "Nein" opens nothing.
  fakes.ui.answers = {false};
  fakes.shell.opened.clear();
  form.startClickScript();
  EXPECT_TRUE(fakes.shell.opened.empty());
}

TEST_F(ClickScriptRun, CancelInTheChooserEndsTheCommand) {
  fakes.ui.onModal = [](ModalDialog&) { return ModalResult::Cancel; };
  form.startClickScript();
  EXPECT_EQ(fakes.ui.modals, 1);
  EXPECT_EQ(stored("KalkuATScript"), "<none>");
  EXPECT_FALSE(fileExists(filled));
  EXPECT_TRUE(fakes.shell.started.empty());
  EXPECT_TRUE(fakes.http.requests.empty());
}

TEST_F(ClickScriptRun, AScriptThatCannotBeReadEndsWithTheErrorAndNoStart) {
  fakes.settings.values["KalkuATScript"] = dir.file("Script/Weg.bks");
  fakes.ui.onModal = [](ModalDialog&) { return ModalResult::Ok; };
  EXPECT_THROW(form.startClickScript(), InOutError);
  EXPECT_TRUE(fakes.shell.started.empty());
  EXPECT_FALSE(fileExists(filled));
}

TEST_F(ClickScriptRun, TheChooserListsTheScriptsOfTheFolderAndKeepsItsText) {
  writeFile(dir.file("Script/Alt.BKS"), "");
  writeFile(dir.file("Script/Zweit.Bks"), "");
  writeFile(dir.file("Script/notiz.txt"), "");
  writeFile(dir.file("Script/bks"), "");
  std::filesystem::create_directory(dir.file("Script/Ordner.bks"));
  ScriptChooser& chooser = form.scriptChooser;
  chooser.onShow();
  const std::vector<std::string> expected = {dir.file("Script/Alt.BKS"), script,
                                             dir.file("Script/Zweit.Bks")};
  EXPECT_EQ(chooser.script.items, expected);
  EXPECT_EQ(chooser.script.text, expected.back());  // none kept: the last one found
  chooser.script.text = "/anderswo/x.bks";
  chooser.onShow();
  EXPECT_EQ(chooser.script.text, "/anderswo/x.bks");
  EXPECT_EQ(chooser.script.items, expected);

  fakes.ui.files = {ChosenFile{dir.file("Script/Alt.BKS"), 1}};
  chooser.browse();
  EXPECT_EQ(chooser.script.text, dir.file("Script/Alt.BKS"));
  EXPECT_EQ(fakes.ui.fileDialogs.back().filter, "Brunnholds Click Script|*.bks");
  EXPECT_EQ(fakes.ui.fileDialogs.back().defaultExtension, "BKS");
  chooser.browse();  // cancelled: the text stays
  EXPECT_EQ(chooser.script.text, dir.file("Script/Alt.BKS"));

  chooser.zahl1.text = "";
  chooser.zahl2.text = "";
  chooser.login.text = "";
  chooser.onClose();
  EXPECT_EQ(chooser.zahl1.text, "0");
  EXPECT_EQ(chooser.zahl2.text, "0");
  EXPECT_EQ(chooser.login.text, "");  // the texts become a blank only as arguments
}

TEST_F(ClickScriptRun, TheServersCopyReplacesTheScriptOnlyWhenItIsNewer) {
  const std::time_t local = 1'765'000'000;  // 6 December 2025
  const std::string original = "lokal [Z1_2]";
  struct Case {
    const char* name;
    int code;
    std::string lastModified;
    bool replaced;
  };
  const Case cases[] = {
      {"newer", 200, httpDate(local + 60), true},
      {"a second newer", 200, httpDate(local + 1), true},
      {"equal", 200, httpDate(local), false},
      {"older", 200, httpDate(local - 86400), false},
      {"no header", 200, "", false},
      {"an unreadable header", 200, "gestern", false},
      {"a 404 that carries a newer date", 404, httpDate(local + 60), false},
      {"a 500 that carries a newer date", 500, httpDate(local + 60), false},
      {"a redirect that carries a newer date", 301, httpDate(local + 60), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    writeFile(script, original);
    setModificationTime(script, local);
    fakes.http.server = [&c](const std::string&) {
      return FakeHttpClient::status(c.code, "HTTP/1.1 " + std::to_string(c.code) + " X",
                                    "vom Server [Z1_2]\r\n", c.lastModified);
    };
    form.startClickScript();
    EXPECT_EQ(readWholeFile(script), c.replaced ? "vom Server [Z1_2]\r\n" : original);
    EXPECT_EQ(readWholeFile(filled), c.replaced ? "vom Server 4\r\n" : "lokal 4");
  }
  // No connection: the local script is used as it is.
  fakes.http.server = nullptr;
  writeFile(script, original);
  form.startClickScript();
  EXPECT_EQ(readWholeFile(filled), "lokal 4");
  EXPECT_EQ(fakes.shell.started.size(), std::size(cases) + 1);
}

TEST_F(ClickScriptRun, AServerSettingWithControlsIsNotAskedAndTheLocalScriptIsUsed) {
  for (const char* server : {"http://127.0.0.1:8045/\xE2\x80\xAE", "http://127.0.0.1:8045\x7F",
                             "http://127.0.0.1:8045/\xFF"}) {
    SCOPED_TRACE(server);
    fakes.http.requests.clear();
    fakes.shell.started.clear();
    fakes.http.server = [](const std::string&) {
      return FakeHttpClient::status(200, "HTTP/1.1 200 OK", "vom Server [Z1_2]\r\n",
                                    "Sat, 01 Jan 2100 00:00:00 GMT");
    };
    form.internetOptions.server.text = server;
    form.startClickScript();
    EXPECT_TRUE(fakes.http.requests.empty());
    EXPECT_EQ(readWholeFile(filled), "Tipp 2: 4 8 15 16 23 42\r\nSA=NEIN\r\n");
    EXPECT_EQ(fakes.shell.started, std::vector<std::string>{program});
  }
}

}  // namespace
}  // namespace lotto
