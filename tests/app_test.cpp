#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <set>

#include "app/main_window.h"
#include "app/settings.h"
#include "controls/tip_grid.h"
#include "draws/draw_file.h"
#include "platform/dates.h"
#include "platform/errors.h"
#include "support/fakes.h"
#include "support/fixtures.h"

namespace lotto {
namespace {

TEST(TipGrid, CleaningRule) {
  const std::pair<const char*, const char*> cases[] = {
      {"1", "1"}, {"45", "45"}, {"07", "7"},         {"+3", "3"},
      {"46", ""}, {"0", ""},    {"-5", ""},          {"-", ""},
      {"", ""},   {"x", ""},    {"4a", ""},          {" 5", ""},
      {"5 ", ""}, {"100", ""},  {"99999999999", ""}, {"0045", "45"},
  };
  for (const auto& [typed, kept] : cases) {
    SCOPED_TRACE(typed);
    EXPECT_EQ(cleanTipText(typed), kept);
    TipGrid grid;
    grid.setText(7, 3, typed);
    EXPECT_EQ(grid.text(7, 3), kept);
  }
  // Typing "4" and then "6" into an empty field.
  TipGrid grid;
  grid.setText(1, 1, "4");
  EXPECT_EQ(grid.text(1, 1), "4");
  grid.setText(1, 1, "46");
  EXPECT_EQ(grid.text(1, 1), "");
}

TEST(StoredNames, TipFieldsAreStoredUnderTheirFieldNames) {
  EXPECT_EQ(storedTipFieldName(1, 1), "Edit1");
  EXPECT_EQ(storedTipFieldName(6, 6), "Edit36");
  EXPECT_EQ(storedTipFieldName(7, 1), "Edit43");
  EXPECT_EQ(storedTipFieldName(9, 1), "Edit56");
  EXPECT_EQ(storedTipFieldName(9, 6), "Edit61");
  EXPECT_EQ(storedTipFieldName(12, 6), "Edit79");
  // Every field of the grid has a name of its own; the spinners' fields have none.
  std::set<std::string> names;
  for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
    for (int index = 1; index <= TipGrid::kNumbers; ++index) {
      names.insert(storedTipFieldName(tip, index));
    }
  }
  EXPECT_EQ(names.size(), 72u);
  for (const char* notInGrid : {"Edit37", "Edit42", "Edit55", "Edit80"}) {
    EXPECT_EQ(names.count(notInGrid), 0u) << notInGrid;
  }
}

TEST(TipGrid, MarkedTipsSurviveClearing) {
  TipGrid grid;
  for (int tip = 1; tip <= 12; ++tip) {
    for (int index = 1; index <= 6; ++index) grid.setText(tip, index, std::to_string(tip + index));
    grid.row(tip).hitLabel.caption = "2";
    grid.row(tip).sumLabel.caption = "99";
    grid.row(tip).furtherLabel.caption = "further";
  }
  grid.toggleMark(3);
  grid.toggleMark(7);
  grid.toggleMark(5);
  grid.toggleMark(5);  // two clicks: unmarked again
  EXPECT_TRUE(grid.isMarked(3));
  EXPECT_FALSE(grid.isMarked(5));
  EXPECT_EQ(grid.row(3).rowLabel.colour, Colour::Red);
  EXPECT_EQ(grid.row(5).rowLabel.colour, Colour::WindowText);

  grid.clearUnmarked();
  for (int tip = 1; tip <= 12; ++tip) {
    SCOPED_TRACE(tip);
    const bool kept = tip == 3 || tip == 7;
    EXPECT_EQ(grid.text(tip, 1), kept ? std::to_string(tip + 1) : "");
    EXPECT_EQ(grid.text(tip, 6), kept ? std::to_string(tip + 6) : "");
    EXPECT_EQ(grid.row(tip).hitLabel.caption, kept ? "2" : "");
    EXPECT_EQ(grid.row(tip).sumLabel.caption, kept ? "99" : "");
    EXPECT_EQ(grid.row(tip).furtherLabel.caption, "further");
  }
}

TEST(DatePicker, HoldsOnlyDatesFromItsEarliestToTheLastDayOf9999) {
  DateField picker(dayNumber(1986, 9, 7), dayNumber(2000, 1, 1));
  picker.setDate(dayNumber(1950, 1, 1));
  EXPECT_EQ(picker.date(), dayNumber(1986, 9, 7));
  picker.setDate(1e300);
  EXPECT_EQ(picker.date(), dayNumber(9999, 12, 31));
  picker.setDate(dayNumber(2001, 2, 3));
  for (const double noDate :
       {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity()}) {
    picker.setDate(noDate);
    EXPECT_EQ(picker.date(), dayNumber(2001, 2, 3));
  }
  EXPECT_EQ(DateField(0, std::numeric_limits<double>::quiet_NaN()).date(), 0);
}

class StartedWindow : public ::testing::Test {
 protected:
  testing::TempDir dir;
  testing::FakeServices fakes;
  MainWindow form{fakes.services(), dir.file("kalkuat")};

  void installRealHistory() {
    const auto records = testing::realHistory();
    writeDrawFile(dir.file(kDrawFileName), dir.file("tmp"), records);
  }
};

TEST_F(StartedWindow, StartsOnTheBundledHistoryWithTheNewestDraw) {
  installRealHistory();
  fakes.clock.todayValue = dayNumber(2026, 12, 9);
  EXPECT_EQ(form.frame.caption, "Brunnholds Lotto - Kalkulant für Österreich V2");
  form.onFirstShow();

  EXPECT_EQ(form.files.dataFolder, dir.path());
  EXPECT_EQ(form.files.drawFileName, "ZahlenAT.dat");
  EXPECT_EQ(form.files.soundName, "yippee.wav");
  EXPECT_TRUE(form.state.completeCheckEnabled);
  EXPECT_EQ(form.drawOnShow.drawBarText.caption, "Fr 21.08.26    1  3  24  32  36  42 Z:37");
  EXPECT_EQ(form.drawOnShow.shownDrawText.caption, form.drawOnShow.drawBarText.caption);
  EXPECT_EQ(form.drawOnShow.drawBarQuersumme.caption, "Quersumme: 138");
  EXPECT_EQ(form.drawOnShow.shownPosition, 3671);
  EXPECT_EQ(form.drawOnShow.chosenDate.date(), dayNumber(2026, 8, 21));
  // The frequency chart of all Sunday and Wednesday draws.
  EXPECT_EQ(form.chartTab.chart.caption, "Zahlenverteilung     Ziehungen: 3586    Quersumme: 138");
  // Last, the update run asks for the first draw day after the newest draw; the server
  // has nothing newer, and the check for the day asked shows the newest draw again.
  ASSERT_EQ(fakes.http.requests.size(), 1u);
  EXPECT_EQ(fakes.http.requests[0].url,
            "http://127.0.0.1:8045/zahlen/lotto_neu.asp?Datum=20260823&Programm=KalkuAT");
  EXPECT_EQ(form.state.workingDate, dayNumber(2026, 8, 23));
  EXPECT_TRUE(form.buttons.updateButton.enabled);
  EXPECT_FALSE(form.buttons.stopButton.visible);
  EXPECT_EQ(form.chartTab.chart.count(), 45u);
  for (int tip = 1; tip <= 12; ++tip) {
    EXPECT_EQ(form.tips.text(tip, 1), "");
    EXPECT_EQ(form.tips.row(tip).hitLabel.caption, "");
  }
  EXPECT_TRUE(fakes.ui.messages.empty());

  // Typing a tip and leaving its last field scores it against the newest draw.
  const char* typed[] = {"40", "7", "3", "11", "19", "2"};
  for (int index = 1; index <= 6; ++index) form.setTipField(1, index, typed[index - 1]);
  form.leaveTipField();
  const char* sorted[] = {"2", "3", "7", "11", "19", "40"};
  for (int index = 1; index <= 6; ++index) EXPECT_EQ(form.tips.text(1, index), sorted[index - 1]);
  EXPECT_EQ(form.tips.colour(1, 2), Colour::Lime);
  EXPECT_EQ(form.tips.row(1).hitLabel.caption, "1");
  EXPECT_EQ(form.tips.row(1).sumLabel.caption, "82");
}

TEST_F(StartedWindow, ResizeScalesTheTabAreaOnlyWhenTheHeightChanges) {
  installRealHistory();
  form.onResize(600, 500);
  form.onFirstShow();
  EXPECT_EQ(form.frame.scaledHeight, 500);
  form.onResize(800, 500);
  EXPECT_DOUBLE_EQ(form.frame.tabScale, 1.0);
  form.onResize(800, 750);
  EXPECT_DOUBLE_EQ(form.frame.tabScale, 1.5);
  EXPECT_EQ(form.frame.scaledHeight, 750);
  form.onResize(800, 600);
  EXPECT_DOUBLE_EQ(form.frame.tabScale, 1.2);
  EXPECT_EQ(form.frame.height, 600);
  EXPECT_EQ(form.frame.width, 800);
}

TEST_F(StartedWindow, LinksOpenTheirAddresses) {
  installRealHistory();
  form.onFirstShow();
  EXPECT_EQ(form.internetOptions.operatorLink.caption, "https://www.lotterien.at");
  EXPECT_EQ(form.internetOptions.updateLink.caption, dir.path() + "Hilfe.html");
  form.openLink(form.internetOptions.operatorLink);
  form.openLink(form.internetOptions.updateLink);
  form.openProductPage();
  EXPECT_EQ(
      fakes.shell.opened,
      (std::vector<std::string>{"https://www.lotterien.at", form.internetOptions.updateLink.caption,
                                form.internetOptions.updateLink.caption}));
}

TEST(MainWindowHome, ProgramAtTheRootGetsNoSecondSeparator) {
  testing::FakeServices fakes;
  MainWindow form(fakes.services(), "/kalkuat");
  // No draw file there: the message, then the frequency chart fails.
  EXPECT_THROW(form.onFirstShow(), InOutError);
  EXPECT_EQ(form.files.dataFolder, "/");
  EXPECT_EQ(form.files.drawFilePath(), "/ZahlenAT.dat");
}

}  // namespace
}  // namespace lotto
