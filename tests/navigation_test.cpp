#include "draws/navigation.h"

#include <gtest/gtest.h>

#include "platform/dates.h"
#include "support/window_fixture.h"

namespace lotto {
namespace {

using testing::makeDraw;

// Sunday, Wednesday, Tuesday (typed in by hand), Sunday, Wednesday.
const std::vector<DrawRecord> kDraws = {
    makeDraw(2025, 1, 5, {1, 2, 3, 4, 5, 6}, 7),          // 0 Sunday
    makeDraw(2025, 1, 8, {7, 8, 9, 10, 11, 12}, 13),      // 1 Wednesday
    makeDraw(2025, 1, 14, {13, 14, 15, 16, 17, 18}, 19),  // 2 Tuesday
    makeDraw(2025, 1, 19, {19, 20, 21, 22, 23, 24}, 25),  // 3 Sunday
    makeDraw(2025, 1, 22, {25, 26, 27, 28, 29, 30}, 31),  // 4 Wednesday
};

class Navigation : public testing::WindowTest {
 protected:
  void SetUp() override { showWith(kDraws, dayNumber(2026, 1, 1)); }
  void showIndex(std::size_t index) {
    form.DateTimePicker1.setDate(kDraws[index].date);
    form.SpeedButton5Click();
    ASSERT_EQ(form.Position, static_cast<std::int32_t>(index));
  }
  std::size_t shownIndex() const {
    for (std::size_t i = 0; i < kDraws.size(); ++i) {
      if (kDraws[i].date == form.Datum1) return i;
    }
    return kDraws.size();
  }
};

TEST_F(Navigation, StepsThroughTheDrawsAndShowsThemEverywhere) {
  EXPECT_EQ(form.Position, 4);
  form.SpeedButton6Click();
  EXPECT_EQ(form.Position, 3);
  EXPECT_EQ(form.Label29.Caption, "So 19.01.25    19  20  21  22  23  24 Z:25");
  EXPECT_EQ(form.Label35.Caption, form.Label29.Caption);
  EXPECT_EQ(form.Label13.Caption, "Quersumme: 129");
  EXPECT_EQ(form.DateTimePicker1.Date(), kDraws[3].date);
  EXPECT_EQ(form.Zahl, drawNumbersOf(kDraws[3]));
  form.SpeedButton6Click();
  EXPECT_EQ(shownIndex(), 2u);  // the Tuesday draw is shown like any other
  form.SpeedButton7Click();
  EXPECT_EQ(shownIndex(), 3u);
}

TEST_F(Navigation, TurnsAtBothEndsAndPassesOverExcludedDays) {
  struct Case {
    const char* name;
    std::size_t from;
    bool sunday, wednesday;
    bool later;
    std::size_t shown;
    std::int32_t position;
  };
  const Case cases[] = {
      {"later at the newest draw shows it again", 4, true, true, true, 4, 4},
      {"later at the newest Wednesday turns to the Sunday before", 4, true, false, true, 3, 3},
      {"earlier at the first draw shows it again", 0, true, true, false, 0, 0},
      {"earlier at an excluded first draw turns to the next later one", 0, false, true, false, 1,
       1},
      {"earlier without Sundays passes over them", 4, false, true, false, 2, 2},
      {"earlier without Wednesdays reaches the Tuesday", 3, true, false, false, 2, 2},
      {"earlier passes the Wednesday to the Sunday", 2, true, false, false, 0, 0},
      {"later without Sundays passes over them", 2, false, true, true, 4, 4},
      {"the Tuesday is shown whatever the boxes say", 1, false, false, true, 2, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    form.CheckBox16.Checked = true;
    form.CheckBox17.Checked = true;
    showIndex(c.from);
    form.CheckBox16.Checked = c.sunday;
    form.CheckBox17.Checked = c.wednesday;
    c.later ? form.SpeedButton7Click() : form.SpeedButton6Click();
    EXPECT_EQ(shownIndex(), c.shown);
    EXPECT_EQ(form.Position, c.position);
  }
}

TEST_F(Navigation, TheGeneratorsStepsEndOnTheNewestDrawAgain) {
  form.DateTimePicker1.setDate(dayNumber(2026, 1, 1));
  form.SpeedButton5Click();
  form.SpeedButton6Click();
  EXPECT_EQ(shownIndex(), 3u);
  form.SpeedButton7Click();
  EXPECT_EQ(shownIndex(), 4u);
  EXPECT_EQ(form.Position, 4);
}

TEST_F(Navigation, CompleteCheckRunsOncePerDrawLookedAt) {
  // A winning tip against the Sunday draw 3: every complete check plays the sound.
  typeTip(1, {"19", "20", "21", "40", "41", "42"});
  showIndex(4);
  form.CheckBox17.Checked = false;
  fakes.sound.played.clear();
  form.SpeedButton7Click();  // looks at 4 (passed over), then 3
  EXPECT_EQ(shownIndex(), 3u);
  EXPECT_EQ(fakes.sound.played.size(), 2u);
  EXPECT_EQ(form.Tips.row(1).hitLabel.Caption, "3");
}

TEST_F(Navigation, WithoutAnyPassingDrawItStopsAfterLookingAtEveryRecord) {
  // Only Sunday and Wednesday draws, none of which passes with both boxes unchecked.
  const std::vector<DrawRecord> draws = {kDraws[0], kDraws[1], kDraws[3], kDraws[4]};
  writeDraws(draws);
  form.DateTimePicker1.setDate(draws[2].date);
  form.SpeedButton5Click();
  typeTip(1, {"1", "2", "3", "7", "8", "9"});  // three hits against draw 0 and draw 1
  form.CheckBox16.Checked = false;
  form.CheckBox17.Checked = false;
  fakes.sound.played.clear();

  form.SpeedButton6Click();  // looks at 1, 0, 1, 0 and stops there
  EXPECT_EQ(form.Datum1, draws[0].date);
  EXPECT_EQ(form.Position, 0);
  EXPECT_EQ(fakes.sound.played.size(), 4u);

  fakes.sound.played.clear();
  form.SpeedButton7Click();  // looks at 1, 2, 3 (turning round), 2 and stops there
  EXPECT_EQ(form.Datum1, draws[2].date);
  EXPECT_EQ(form.Position, 2);
  EXPECT_TRUE(fakes.sound.played.empty());  // draw 2 gives the tip no hit
}

TEST_F(Navigation, EmptyFileLeavesTheDisplayUnchanged) {
  const std::string shown = form.Label29.Caption;
  writeDraws({});
  form.SpeedButton6Click();
  form.SpeedButton7Click();
  EXPECT_EQ(form.Label29.Caption, shown);
  EXPECT_EQ(form.Position, 4);
}

TEST(NavigationSteps, UnreachablePassingDrawsStopAfterAsManyLooksAsRecords) {
  // Two excluded Wednesdays at the start keep the earlier-draw command from ever
  // reaching the Sunday behind them.
  const std::vector<DrawRecord> draws = {makeDraw(2025, 1, 1, {1, 2, 3, 4, 5, 6}, 7),
                                         makeDraw(2025, 1, 8, {1, 2, 3, 4, 5, 6}, 7),
                                         makeDraw(2025, 1, 12, {1, 2, 3, 4, 5, 6}, 7)};
  DayFilter sundaysOnly;
  sundaysOnly.CheckBox17.Checked = false;
  DrawHistory history;
  history.records = draws;
  const auto step = stepToEarlierDraw(history, 1, sundaysOnly);
  ASSERT_TRUE(step);
  EXPECT_EQ(step->looks, 3);
  EXPECT_LT(step->shown.value_or(9), 2u);
  EXPECT_FALSE(stepToLaterDraw({}, 0, DayFilter{}));
}

}  // namespace
}  // namespace lotto
