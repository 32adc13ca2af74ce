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
    form.drawOnShow.chosenDate.setDate(kDraws[index].date);
    form.checkTipsAgainstChosenDraw();
    ASSERT_EQ(form.drawOnShow.shownPosition, static_cast<std::int32_t>(index));
  }
  std::size_t shownIndex() const {
    for (std::size_t i = 0; i < kDraws.size(); ++i) {
      if (kDraws[i].date == form.drawOnShow.shownDate) return i;
    }
    return kDraws.size();
  }
};

TEST_F(Navigation, StepsThroughTheDrawsAndShowsThemEverywhere) {
  EXPECT_EQ(form.drawOnShow.shownPosition, 4);
  form.showEarlierDraw();
  EXPECT_EQ(form.drawOnShow.shownPosition, 3);
  EXPECT_EQ(form.drawOnShow.shownDrawText.caption, "So 19.01.25    19  20  21  22  23  24 Z:25");
  EXPECT_EQ(form.drawOnShow.drawBarText.caption, form.drawOnShow.shownDrawText.caption);
  EXPECT_EQ(form.drawOnShow.drawBarQuersumme.caption, "Quersumme: 129");
  EXPECT_EQ(form.drawOnShow.chosenDate.date(), kDraws[3].date);
  EXPECT_EQ(form.scoring.scoredDraw, drawNumbersOf(kDraws[3]));
  form.showEarlierDraw();
  EXPECT_EQ(shownIndex(), 2u);  // the Tuesday draw is shown like any other
  form.showLaterDraw();
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
    form.dayFilter.sundayDraws.checked = true;
    form.dayFilter.wednesdayDraws.checked = true;
    showIndex(c.from);
    form.dayFilter.sundayDraws.checked = c.sunday;
    form.dayFilter.wednesdayDraws.checked = c.wednesday;
    c.later ? form.showLaterDraw() : form.showEarlierDraw();
    EXPECT_EQ(shownIndex(), c.shown);
    EXPECT_EQ(form.drawOnShow.shownPosition, c.position);
  }
}

TEST_F(Navigation, TheGeneratorsStepsEndOnTheNewestDrawAgain) {
  form.drawOnShow.chosenDate.setDate(dayNumber(2026, 1, 1));
  form.checkTipsAgainstChosenDraw();
  form.showEarlierDraw();
  EXPECT_EQ(shownIndex(), 3u);
  form.showLaterDraw();
  EXPECT_EQ(shownIndex(), 4u);
  EXPECT_EQ(form.drawOnShow.shownPosition, 4);
}

TEST_F(Navigation, CompleteCheckRunsOncePerDrawLookedAt) {
  // A winning tip against the Sunday draw 3: every complete check plays the sound.
  typeTip(1, {"19", "20", "21", "40", "41", "42"});
  showIndex(4);
  form.dayFilter.wednesdayDraws.checked = false;
  fakes.sound.played.clear();
  form.showLaterDraw();  // looks at 4 (passed over), then 3
  EXPECT_EQ(shownIndex(), 3u);
  EXPECT_EQ(fakes.sound.played.size(), 2u);
  EXPECT_EQ(form.tips.row(1).hitLabel.caption, "3");
}

TEST_F(Navigation, WithoutAnyPassingDrawItStopsAfterLookingAtEveryRecord) {
  // Only Sunday and Wednesday draws, none of which passes with both boxes unchecked.
  const std::vector<DrawRecord> draws = {kDraws[0], kDraws[1], kDraws[3], kDraws[4]};
  writeDraws(draws);
  form.drawOnShow.chosenDate.setDate(draws[2].date);
  form.checkTipsAgainstChosenDraw();
  typeTip(1, {"1", "2", "3", "7", "8", "9"});  // three hits against draw 0 and draw 1
  form.dayFilter.sundayDraws.checked = false;
  form.dayFilter.wednesdayDraws.checked = false;
  fakes.sound.played.clear();

  form.showEarlierDraw();  // looks at 1, 0, 1, 0 and stops there
  EXPECT_EQ(form.drawOnShow.shownDate, draws[0].date);
  EXPECT_EQ(form.drawOnShow.shownPosition, 0);
  EXPECT_EQ(fakes.sound.played.size(), 4u);

  fakes.sound.played.clear();
  form.showLaterDraw();  // looks at 1, 2, 3 (turning round), 2 and stops there
  EXPECT_EQ(form.drawOnShow.shownDate, draws[2].date);
  EXPECT_EQ(form.drawOnShow.shownPosition, 2);
  EXPECT_TRUE(fakes.sound.played.empty());  // draw 2 gives the tip no hit
}

TEST_F(Navigation, EmptyFileLeavesTheDisplayUnchanged) {
  const std::string shown = form.drawOnShow.shownDrawText.caption;
  writeDraws({});
  form.showEarlierDraw();
  form.showLaterDraw();
  EXPECT_EQ(form.drawOnShow.shownDrawText.caption, shown);
  EXPECT_EQ(form.drawOnShow.shownPosition, 4);
}

TEST(NavigationSteps, UnreachablePassingDrawsStopAfterAsManyLooksAsRecords) {
  // Two excluded Wednesdays at the start keep the earlier-draw command from ever
  // reaching the Sunday behind them.
  const std::vector<DrawRecord> draws = {makeDraw(2025, 1, 1, {1, 2, 3, 4, 5, 6}, 7),
                                         makeDraw(2025, 1, 8, {1, 2, 3, 4, 5, 6}, 7),
                                         makeDraw(2025, 1, 12, {1, 2, 3, 4, 5, 6}, 7)};
  DayFilter sundaysOnly;
  sundaysOnly.wednesdayDraws.checked = false;
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
