// The update run against a fake draw server: what it asks for, what it stores and how it
// ends.

#include "draws/download.h"

#include <gtest/gtest.h>

#include <map>

#include "draws/draw_days.h"
#include "draws/draw_display.h"
#include "platform/dates.h"
#include "platform/errors.h"
#include "platform/file_io.h"
#include "support/window_fixture.h"

namespace lotto {
namespace {

using testing::FakeHttpClient;
using testing::makeDraw;

std::string urlFor(int year, int month, int day) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%04d%02d%02d", year, month, day);
  return std::string("http://127.0.0.1:8045/zahlen/lotto_neu.asp?Datum=") + digits +
         "&Programm=KalkuAT";
}

// The history ends on Sunday 5 January 2025.
const std::vector<DrawRecord> kHistory = {
    makeDraw(2025, 1, 1, {3, 11, 19, 24, 37, 42}, 8, 4),
    makeDraw(2025, 1, 5, {1, 2, 3, 4, 5, 6}, 7, 6),
};

class Download : public testing::WindowTest {
 protected:
  void SetUp() override {
    showWith(kHistory, dayNumber(2025, 1, 5));  // nothing to fetch yet
    fakes.http.requests.clear();
    fakes.clock.todayValue = dayNumber(2025, 1, 20);
  }

  // The server knows these bodies by date digits; any other date has no draw yet.
  void serve(std::map<std::string, std::string> bodies) {
    fakes.http.server = [bodies = std::move(bodies)](const std::string& url) {
      const std::string date = url.substr(url.find("Datum=") + 6, 8);
      const auto found = bodies.find(date);
      return FakeHttpClient::ok(found == bodies.end() ? "Keine neue Ziehung" : found->second);
    };
  }
  std::vector<DrawRecord> stored() { return readDrawFile(dir.file(kDrawFileName)); }
  std::vector<std::string> urls() const {
    std::vector<std::string> result;
    for (const auto& request : fakes.http.requests) result.push_back(request.url);
    return result;
  }
  void expectUsableAgain() {
    EXPECT_TRUE(form.buttons.updateButton.enabled);
    EXPECT_TRUE(form.buttons.downloadButton.enabled);
    EXPECT_FALSE(form.buttons.stopButton.visible);
    EXPECT_FALSE(form.download.running);
    EXPECT_FALSE(form.statusBar.progress.visible);
    EXPECT_EQ(fakes.ui.busyDepth, 0);
  }
};

TEST_F(Download, AsksForEveryDrawDayAfterTheNewestAndAppendsEachDrawAsItComes) {
  serve({{"20250108", "20250108,40,3,17,8,45,1,2,"},
         {"20250112", "20250112,9,10,11,12,13,14,15,"},
         {"20250115", "20250115,21,22,23,24,25,26,27,"},
         {"20250119", "20250119,31,32,33,34,35,36,37,"}});
  std::vector<std::string> seen;  // the window as each request left it
  std::vector<std::int64_t> progress;
  const auto server = fakes.http.server;
  fakes.http.server = [&](const std::string& url) {
    // The progress bar counts the draw days asked of the four up to today.
    EXPECT_TRUE(form.statusBar.progress.visible);
    EXPECT_EQ(form.statusBar.progress.maximum, 4);
    progress.push_back(form.statusBar.progress.position);
    EXPECT_EQ(form.statusBar.panels[0], "Loading");
    EXPECT_FALSE(form.buttons.updateButton.enabled);
    EXPECT_FALSE(form.buttons.downloadButton.enabled);
    EXPECT_TRUE(form.buttons.stopButton.visible);
    seen.push_back(form.drawOnShow.shownDrawText.caption);
    // Each draw is in the file before the next request is sent.
    EXPECT_EQ(stored().size(), kHistory.size() + seen.size() - 1);
    return server(url);
  };
  const std::string before = form.drawOnShow.shownDrawText.caption;

  form.updateDraws();

  EXPECT_EQ(urls(), (std::vector<std::string>{urlFor(2025, 1, 8), urlFor(2025, 1, 12),
                                              urlFor(2025, 1, 15), urlFor(2025, 1, 19)}));
  // The numbers in the server's order; the spare byte of the newest stored draw.
  const auto records = stored();
  ASSERT_EQ(records.size(), 6u);
  EXPECT_EQ(records[2], makeDraw(2025, 1, 8, {40, 3, 17, 8, 45, 1}, 2, 6));
  EXPECT_EQ(records[5], makeDraw(2025, 1, 19, {31, 32, 33, 34, 35, 36}, 37, 6));
  // The draw text grows by the numbers of every draw read.
  ASSERT_EQ(seen.size(), 4u);
  EXPECT_EQ(progress, (std::vector<std::int64_t>{0, 1, 2, 3}));
  EXPECT_EQ(seen[0], before);
  EXPECT_EQ(seen[2], before + "  40  3  17  8  45  1 Z:2  9  10  11  12  13  14 Z:15");
  // Afterwards the newest draw is on show and the run is over.
  EXPECT_EQ(form.drawOnShow.shownDrawText.caption, "So 19.01.25    31  32  33  34  35  36 Z:37");
  EXPECT_EQ(form.drawOnShow.drawBarText.caption, form.drawOnShow.shownDrawText.caption);
  EXPECT_EQ(form.drawOnShow.shownPosition, 5);
  EXPECT_EQ(form.statusBar.panels[0], "Fertig");
  EXPECT_GT(fakes.ui.redraws, 4);
  expectUsableAgain();
  EXPECT_TRUE(fakes.ui.messages.empty());
  EXPECT_TRUE(fakes.ui.errors.empty());
}

TEST_F(Download, ReadsOnlyRepliesThatHoldAWholeDraw) {
  struct Case {
    const char* name;
    const char* body;
    bool stored;
    std::array<int, 6> numbers;
    int zusatzzahl;
  };
  const Case cases[] = {
      {"a whole draw", "20250108,1,2,3,4,5,6,7,", true, {1, 2, 3, 4, 5, 6}, 7},
      {"text after the Zusatzzahl",
       "x,45,44,43,42,41,40,39,und so weiter",
       true,
       {45, 44, 43, 42, 41, 40},
       39},
      {"a sign is part of a number", "x,+1,2,3,4,5,6,7,", true, {1, 2, 3, 4, 5, 6}, 7},
      {"no comma after the Zusatzzahl", "x,1,2,3,4,5,6,7", false, {}, 0},
      {"too few fields", "x,1,2,3,4,5,6,", false, {}, 0},
      {"a field that is no number", "x,1,2,drei,4,5,6,7,", false, {}, 0},
      {"an empty field", "x,1,2,,4,5,6,7,", false, {}, 0},
      {"a blank in a field", "x,1, 2,3,4,5,6,7,", false, {}, 0},
      {"a number above 45", "x,1,2,3,4,5,46,7,", false, {}, 0},
      {"a number twice", "x,1,2,3,4,5,1,7,", false, {}, 0},
      {"the Zusatzzahl among the six", "x,1,2,3,4,5,6,6,", false, {}, 0},
      {"a Zusatzzahl of 0", "x,1,2,3,4,5,6,0,", false, {}, 0},
      {"a byte's worth more", "x,257,2,3,4,5,6,7,", false, {}, 0},
      {"no comma at all", "Keine neue Ziehung", false, {}, 0},
      {"nothing", "", false, {}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    writeDraws(kHistory);
    fakes.http.requests.clear();
    serve({{"20250108", c.body}});
    form.updateDraws();
    const auto records = stored();
    if (c.stored) {
      ASSERT_EQ(records.size(), 3u);
      EXPECT_EQ(records[2], makeDraw(2025, 1, 8, c.numbers, c.zusatzzahl, 6));
      EXPECT_EQ(fakes.http.requests.size(), 2u);  // then Sunday 12 January has none yet
    } else {
      EXPECT_EQ(records, kHistory);
      EXPECT_EQ(fakes.http.requests.size(), 1u);  // a reply without a draw ends the run
    }
    expectUsableAgain();
  }
  EXPECT_TRUE(fakes.ui.messages.empty());
}

TEST_F(Download, AReplyForAStoredDateIsShownButNotStoredAgain) {
  writeDraws(kHistory);
  form.drawOnShow.chosenDate.setDate(dayNumber(2025, 1, 5));
  form.state.workingDate = dayNumber(2025, 1, 5);
  form.drawOnShow.shownDrawText.caption = "So 05.01.25";
  DrawRecord record = kHistory.back();
  EXPECT_TRUE(readDrawReply(form.downloadParts(), "x,7,8,9,10,11,12,13,", record));
  EXPECT_EQ(form.drawOnShow.shownDrawText.caption, "So 05.01.25  7  8  9  10  11  12 Z:13");
  EXPECT_EQ(form.drawOnShow.drawBarQuersumme.caption, "Quersumme: 57");
  EXPECT_EQ(stored(), kHistory);
  EXPECT_EQ(form.state.workingDate, dayNumber(2025, 1, 5));
}

TEST_F(Download, ADayWithoutADrawIsPassedOver) {
  fakes.http.server = [](const std::string& url) {
    if (url == urlFor(2025, 1, 8)) return HttpReply{"HTTP/1.1 204 No Content", 204, "", "", ""};
    if (url == urlFor(2025, 1, 12)) return FakeHttpClient::ok("x,1,2,3,4,5,6,7,");
    return FakeHttpClient::ok("Keine neue Ziehung");
  };
  form.updateDraws();
  EXPECT_EQ(urls(), (std::vector<std::string>{urlFor(2025, 1, 8), urlFor(2025, 1, 12),
                                              urlFor(2025, 1, 15)}));
  EXPECT_EQ(stored().back(), makeDraw(2025, 1, 12, {1, 2, 3, 4, 5, 6}, 7, 6));
}

// A history that ends after today (a wrong clock, a draw typed in for a later day) leaves
// nothing to ask for: the update says so instead of ending quietly.
TEST_F(Download, AHistoryEndingAfterTodayIsNamed) {
  fakes.clock.todayValue = dayNumber(2025, 1, 3);
  form.updateDraws();
  EXPECT_TRUE(fakes.http.requests.empty());
  EXPECT_EQ(fakes.ui.messages,
            std::vector<std::string>{
                "Die neueste gespeicherte Ziehung (So 05.01.25) liegt nach dem heutigen Tag "
                "(03.01.2025): Es gibt nichts zu aktualisieren. Stimmt das Datum des Computers, "
                "oder wurde die Ziehung falsch eingegeben?"});
  EXPECT_EQ(form.statusBar.panels[0], "Nichts zu aktualisieren");
  expectUsableAgain();
  // On the day of the newest draw nothing is asked and nothing is said.
  fakes.ui.messages.clear();
  fakes.clock.todayValue = dayNumber(2025, 1, 5);
  form.updateDraws();
  EXPECT_TRUE(fakes.ui.messages.empty());
}

TEST_F(Download, ANoticeIsShownOnceAndEndsTheRun) {
  serve({{"20250108", "Mitteilung: Der Server wird gewartet."}});
  form.updateDraws();
  EXPECT_EQ(fakes.ui.messages, std::vector<std::string>{"Mitteilung: Der Server wird gewartet."});
  EXPECT_EQ(stored(), kHistory);
  EXPECT_EQ(fakes.http.requests.size(), 1u);
  // After the first comma the rest of the reply is what is shown.
  fakes.ui.messages.clear();
  serve({{"20250108", "x,Mitteilung: heute keine Ziehung"}});
  form.updateDraws();
  EXPECT_EQ(fakes.ui.messages, std::vector<std::string>{"Mitteilung: heute keine Ziehung"});
  expectUsableAgain();
}

TEST_F(Download, AFailedRequestIsShownAndLeavesTheWindowUsable) {
  struct Case {
    const char* name;
    std::function<HttpReply(const std::string&)> server;
    const char* message;
  };
  const Case cases[] = {
      {"no connection", nullptr, "Keine Verbindung zum Server"},
      {"an error status",
       [](const std::string&) {
         return HttpReply{"HTTP/1.1 500 Internal Server Error", 500, "kaputt", "", ""};
       },
       "Der Server meldet einen Fehler: HTTP/1.1 500 Internal Server Error"},
      {"a failure after one draw",
       [](const std::string& url) {
         if (url == urlFor(2025, 1, 8)) return FakeHttpClient::ok("x,1,2,3,4,5,6,7,");
         throw HttpError(
             "Der Server 127.0.0.1:8045 hat nicht innerhalb von 15 Sekunden geantwortet.");
       },
       "Der Server 127.0.0.1:8045 hat nicht innerhalb von 15 Sekunden geantwortet."},
  };
  typeTip(1, {"1", "2", "3", "40", "41", "42"});  // three hits against the newest draw
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    writeDraws(kHistory);
    fakes.ui.errors.clear();
    fakes.http.server = c.server;
    form.updateDraws();
    EXPECT_EQ(fakes.ui.errors, std::vector<std::string>{c.message});
    expectUsableAgain();
    // The run still ends with the newest draw on show and the tips checked against it;
    // hits holds the best tip's hits, not tip 12's.
    EXPECT_EQ(form.drawOnShow.shownDate, stored().back().date);
    EXPECT_EQ(form.scoring.hits, 3);
  }
  EXPECT_EQ(stored().size(), 3u);  // the draw read before the failure stays
}

TEST_F(Download, TheProxyIsSetBeforeEveryRequest) {
  serve({{"20250108", "x,1,2,3,4,5,6,7,"}});
  form.internetOptions.proxyHost.text = "proxy.example";
  form.internetOptions.proxyPort.text = "3128";
  form.updateDraws();
  ASSERT_EQ(fakes.http.requests.size(), 2u);
  for (const auto& request : fakes.http.requests) {
    EXPECT_EQ(request.proxyHost, "proxy.example");
    EXPECT_EQ(request.proxyPort, 3128);
  }

  // A port that is no number fails at the first request, with a proxy host or without.
  for (const char* host : {"proxy.example", ""}) {
    SCOPED_TRACE(host);
    writeDraws(kHistory);
    fakes.http.requests.clear();
    fakes.ui.errors.clear();
    form.internetOptions.proxyHost.text = host;
    form.internetOptions.proxyPort.text = "abc";
    form.updateDraws();
    EXPECT_TRUE(fakes.http.requests.empty());
    EXPECT_EQ(fakes.ui.errors, std::vector<std::string>{"'abc' ist kein gültiger Integerwert"});
    expectUsableAgain();
  }
}

TEST_F(Download, AServerSettingThatIsNoPlainTextIsNeverAsked) {
  serve({{"20250108", "x,1,2,3,4,5,6,7,"}});
  struct Case {
    const char* name;
    std::string server;
    const char* message;
  };
  const Case cases[] = {
      {"a right-to-left override", "http://127.0.0.1:8045/\xE2\x80\xAE",
       "Die Adresse des Servers enthält Steuerzeichen und wird nicht angefragt."},
      {"a line break", "http://127.0.0.1:8045\r\nX: y",
       "Die Adresse des Servers enthält Steuerzeichen und wird nicht angefragt."},
      {"a zero width space",
       "http://127.0.0.\xE2\x80\x8B"
       "1:8045",
       "Die Adresse des Servers enthält Steuerzeichen und wird nicht angefragt."},
      {"bytes that are no UTF-8", "http://127.0.0.1:8045/\xC0\xAF",
       "Die Adresse des Servers ist kein gültiges UTF-8 und wird nicht angefragt."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    writeDraws(kHistory);
    fakes.http.requests.clear();
    fakes.ui.errors.clear();
    form.internetOptions.server.text = c.server;
    form.updateDraws();
    EXPECT_TRUE(fakes.http.requests.empty());
    EXPECT_EQ(fakes.ui.errors, std::vector<std::string>{c.message});
    EXPECT_EQ(stored().size(), kHistory.size());
    expectUsableAgain();
  }
  // A server named with an umlaut is asked as before.
  writeDraws(kHistory);
  fakes.http.requests.clear();
  form.internetOptions.server.text = "http://z\xC3\xA4hler.example";
  form.updateDraws();
  ASSERT_FALSE(fakes.http.requests.empty());
  EXPECT_EQ(fakes.http.requests[0].url,
            "http://z\xC3\xA4hler.example/zahlen/lotto_neu.asp?Datum=20250108&Programm=KalkuAT");
}

TEST_F(Download, TheStopButtonEndsTheRunBeforeTheNextRequest) {
  serve({{"20250108", "x,1,2,3,4,5,6,7,"},
         {"20250112", "x,8,9,10,11,12,13,14,"},
         {"20250115", "x,15,16,17,18,19,20,21,"}});
  const auto server = fakes.http.server;
  fakes.http.server = [&](const std::string& url) {
    if (fakes.http.requests.size() == 2) form.stopUpdate();  // pressed while it waits
    return server(url);
  };
  form.updateDraws();
  EXPECT_EQ(fakes.http.requests.size(), 2u);
  const auto records = stored();
  ASSERT_EQ(records.size(), 4u);  // the reply it waited for is still read
  EXPECT_EQ(records.back().date, dayNumber(2025, 1, 12));
  expectUsableAgain();
}

TEST_F(Download, AnEmptyOrMissingFileIsFilledFromTheDateOnTheDatabaseTab) {
  for (const bool missing : {false, true}) {
    SCOPED_TRACE(missing ? "missing file" : "empty file");
    if (missing) {
      std::remove(dir.file(kDrawFileName).c_str());
    } else {
      writeDraws({});
    }
    fakes.http.requests.clear();
    fakes.clock.todayValue = dayNumber(1955, 10, 20);
    serve({{"19551012", "x,1,2,3,4,5,6,7,"}});
    form.drawOnShow.chosenDate.setDate(dayNumber(1955, 10, 9));
    form.updateDraws();
    ASSERT_FALSE(fakes.http.requests.empty());
    EXPECT_EQ(fakes.http.requests[0].url, urlFor(1955, 10, 12));
    EXPECT_EQ(stored(),
              (std::vector<DrawRecord>{makeDraw(1955, 10, 12, {1, 2, 3, 4, 5, 6}, 7, 1)}));
  }
}

TEST_F(Download, ACutFileIsNotAppendedTo) {
  const std::string bytes = encodeDrawFile(kHistory) + "12345";
  replaceFileAtomically(dir.file(kDrawFileName), dir.file("tmp"), bytes);
  serve({{"20250108", "x,1,2,3,4,5,6,7,"}});
  EXPECT_THROW(form.updateDraws(), InOutError);
  EXPECT_TRUE(fakes.http.requests.empty());
  EXPECT_EQ(readWholeFile(dir.file(kDrawFileName)), bytes);
  expectUsableAgain();
}

TEST(DrawDays, TheNextDrawDayIsTheFirstWednesdayOrSundayAfterTheDate) {
  const std::pair<double, double> cases[] = {
      {dayNumber(2025, 1, 5), dayNumber(2025, 1, 8)},     // Sunday -> Wednesday
      {dayNumber(2025, 1, 8), dayNumber(2025, 1, 12)},    // Wednesday -> Sunday
      {dayNumber(2026, 8, 21), dayNumber(2026, 8, 23)},   // an extra draw on a Friday
      {dayNumber(2025, 1, 6), dayNumber(2025, 1, 8)},     // Monday
      {dayNumber(2025, 1, 7), dayNumber(2025, 1, 8)},     // Tuesday
      {dayNumber(2025, 1, 9), dayNumber(2025, 1, 12)},    // Thursday
      {dayNumber(2025, 1, 11), dayNumber(2025, 1, 12)},   // Saturday
      {dayNumber(1955, 10, 9), dayNumber(1955, 10, 12)},  // the earliest date asked for
  };
  for (const auto& [from, next] : cases) EXPECT_EQ(nextDrawDay(from), next) << from;
}

TEST(DrawDays, TheRequestAddressesTheDrawServiceOfTheServer) {
  const double date = dayNumber(2025, 1, 8);
  const std::string tail = "/zahlen/lotto_neu.asp?Datum=20250108&Programm=KalkuAT";
  EXPECT_EQ(drawRequestUrl("http://127.0.0.1:8045", date), "http://127.0.0.1:8045" + tail);
  EXPECT_EQ(drawRequestUrl("http://lotto.example/", date), "http://lotto.example" + tail);
  EXPECT_EQ(drawRequestUrl("lotto.example:8080", date), "http://lotto.example:8080" + tail);
}

}  // namespace
}  // namespace lotto
