// "Tipps in DB suchen": its stops, what it leaves on show, and the search with masks against
// the search written out step by step.

#include <gtest/gtest.h>

#include "draws/draw_display.h"
#include "draws/draw_file.h"
#include "platform/dates.h"
#include "platform/errors.h"
#include "platform/file_io.h"
#include "platform/german.h"
#include "support/literal_search.h"
#include "support/window_fixture.h"

namespace lotto {
namespace {

using testing::makeDraw;

// Everything of the window a search can change, as lines.
std::vector<std::string> searchState(const MainWindow& form,
                                     const testing::FakeUserInteraction& ui) {
  std::vector<std::string> lines;
  for (int tip = 1; tip <= 12; ++tip) {
    std::string line = "tip " + std::to_string(tip) + ":";
    for (int index = 1; index <= 6; ++index) {
      line += " " + form.tips.text(tip, index) + "/" +
              std::to_string(static_cast<int>(form.tips.colour(tip, index)));
    }
    const TipRow& row = form.tips.row(tip);
    line += " | " + row.hitLabel.caption + "/" +
            std::to_string(static_cast<int>(row.hitLabel.colour)) + " qs " + row.sumLabel.caption;
    lines.push_back(line);
  }
  std::string draw;
  for (std::size_t i = 1; i <= 8; ++i) draw += std::to_string(form.scoring.scoredDraw[i]) + " ";
  std::string hitKinds;
  for (std::size_t i = 1; i <= 8; ++i) hitKinds += std::to_string(form.scoring.hitKinds[i]) + " ";
  lines.push_back("zahl " + draw + "treffer " + hitKinds + "gewinn " +
                  std::to_string(form.scoring.hits) + " zusatz " +
                  std::to_string(form.scoring.zusatzzahlHit));
  lines.push_back("datum1 " + std::to_string(form.drawOnShow.shownDate) + " position " +
                  std::to_string(form.drawOnShow.shownPosition) + " date1 " +
                  std::to_string(form.drawOnShow.chosenDate.date()));
  lines.push_back(form.drawOnShow.shownDrawText.caption + " | " +
                  form.drawOnShow.drawBarText.caption + " | " +
                  form.drawOnShow.drawBarQuersumme.caption);
  lines.push_back("points " + std::to_string(form.chartTab.chart.count()) + " aktDatum " +
                  std::to_string(form.state.workingDate));
  for (const std::string& question : ui.questions) lines.push_back("asked " + question);
  return lines;
}

class HistorySearch : public testing::WindowTest {
 protected:
  void SetUp() override {
    showWith(testing::realHistory(), dayNumber(2026, 12, 9));
    form.chartTab.statisticsStart.setDate(dayNumber(2020, 1, 1));
    fakes.ui.questions.clear();
  }
  void search(const char* threshold, std::vector<bool> answers = {}) {
    fakes.ui.inputs = {threshold};
    fakes.ui.answers = std::move(answers);
    form.searchHistoryForTips();
  }
};

TEST_F(HistorySearch, WithoutAHitItEndsOnTheLastDrawWithTenZeroPoints) {
  typeTip(1, {"1", "2", "3", "4", "5", "6"});
  typeTip(9, {"1", "3", "24", "32", "36", "42"});  // the newest draw: tips 9..12 never stop
  form.drawOnShow.chosenDate.setDate(dayNumber(2024, 1, 1));
  search("6");
  EXPECT_TRUE(fakes.ui.questions.empty());
  EXPECT_EQ(fakes.ui.inputBoxes.back(),
            "Bei wie vielen Zahlen Übereinstimmung stoppen?: Tipp-Test [6]");
  EXPECT_EQ(form.drawOnShow.shownDrawText.caption, "Fr 21.08.26    1  3  24  32  36  42 Z:37");
  EXPECT_EQ(form.drawOnShow.drawBarText.caption, form.drawOnShow.shownDrawText.caption);
  EXPECT_EQ(form.drawOnShow.drawBarQuersumme.caption, "Quersumme: 138");
  EXPECT_EQ(form.tips.row(1).hitLabel.caption, "2");  // 1 and 3 against the newest draw
  EXPECT_EQ(form.tips.row(1).hitLabel.colour, Colour::Black);
  EXPECT_EQ(form.chartTab.chart.bars.points,
            (std::vector<ChartPoint>{
                {0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0}, {8, 0}, {9, 0}}));
  EXPECT_EQ(form.state.workingDate, dayNumber(2020, 1, 1));
  // The navigation and the check for a date go on from the draw shown.
  EXPECT_EQ(form.drawOnShow.shownPosition,
            static_cast<std::int32_t>(testing::realHistory().size() - 1));
  EXPECT_EQ(form.drawOnShow.chosenDate.date(), dayNumber(2026, 8, 21));
  // A threshold above 6 never stops either.
  search("7");
  EXPECT_TRUE(fakes.ui.questions.empty());
}

TEST_F(HistorySearch, AThresholdOfZeroStopsAtTheFirstDrawAndTip) {
  typeTip(2, {"7", "8", "9", "10", "11", "12"});
  search("0", {false});
  ASSERT_EQ(fakes.ui.questions.size(), 1u);
  const DrawRecord first = [] {
    for (const DrawRecord& r : testing::realHistory()) {
      if (r.date >= dayNumber(2020, 1, 1)) return r;
    }
    return DrawRecord{};
  }();
  EXPECT_EQ(fakes.ui.questions[0], "Weiter?: Ein Treffer am: " + formatShortDate(first.date));
  EXPECT_EQ(form.drawOnShow.shownDate, first.date);
  EXPECT_EQ(form.chartTab.chart.count(), 0u);  // ended early: no points
}

// After a stop the window shows the draw of the stop, and the navigation steps from it.
TEST_F(HistorySearch, TheDrawsBeforeAndAfterAStopAreOneStepAway) {
  const std::vector<DrawRecord> history = testing::realHistory();
  const std::size_t stop = 3000;
  for (int i = 1; i <= 6; ++i) form.setTipField(3, i, std::to_string(history[stop].number(i)));
  form.chartTab.statisticsStart.setDate(dayNumber(1986, 9, 7));
  search("6", {false});
  ASSERT_EQ(form.drawOnShow.shownDate, history[stop].date);
  EXPECT_EQ(form.drawOnShow.chosenDate.date(), history[stop].date);
  form.showLaterDraw();
  EXPECT_EQ(form.drawOnShow.shownDate, history[stop + 1].date);
  form.showEarlierDraw();
  form.showEarlierDraw();
  EXPECT_EQ(form.drawOnShow.shownDate, history[stop - 1].date);
  // The check for the chosen date shows the draw of the stop again.
  search("6", {false});
  form.checkTipsAgainstChosenDraw();
  EXPECT_EQ(form.drawOnShow.shownDate, history[stop].date);
  EXPECT_EQ(form.tips.row(3).hitLabel.caption, "6");
}

TEST_F(HistorySearch, ATipEqualToAPastDrawStopsThere) {
  const DrawRecord past = testing::realHistory()[3000];
  std::array<std::string, 6> numbers;
  for (int i = 1; i <= 6; ++i)
    numbers[static_cast<std::size_t>(i - 1)] = std::to_string(past.number(i));
  for (int i = 1; i <= 6; ++i) form.setTipField(3, i, numbers[static_cast<std::size_t>(i - 1)]);
  form.chartTab.statisticsStart.setDate(dayNumber(1986, 9, 7));
  search("6", {false});
  ASSERT_EQ(fakes.ui.questions.size(), 1u);
  EXPECT_EQ(fakes.ui.questions[0], "Weiter?: Ein Treffer am: " + formatShortDate(past.date));
  EXPECT_EQ(form.drawOnShow.shownDate, past.date);
  EXPECT_EQ(form.drawOnShow.shownDrawText.caption, drawText(past.date, drawNumbersOf(past), 2));
  EXPECT_EQ(form.tips.row(3).hitLabel.caption, "6");
  EXPECT_EQ(form.tips.colour(3, 1), Colour::Lime);  // the complete check ran against it
}

TEST_F(HistorySearch, AnAnswerThatIsNoNumberStopsBeforeTheFile) {
  std::remove(dir.file(kDrawFileName).c_str());
  EXPECT_THROW(search("sechs"), ConversionError);
  EXPECT_THROW(search("6"), InOutError);
}

TEST_F(HistorySearch, ACutFileIsSearchedUpToTheCut) {
  const auto records = testing::realHistory();
  replaceFileAtomically(dir.file(kDrawFileName), dir.file("tmp"), encodeDrawFile(records) + "abc");
  typeTip(1, {"1", "2", "3", "4", "5", "6"});
  try {
    search("6");
    FAIL() << "the cut was not met";
  } catch (const InOutError& error) {
    EXPECT_EQ(error.code(), kIoReadPastEnd);
  }
  EXPECT_EQ(form.drawOnShow.shownDate, records.back().date);
  EXPECT_EQ(form.tips.row(1).hitLabel.caption, "2");
}

// The fast search and the step-by-step one, side by side on the same window.
class SearchPaths : public ::testing::Test {
 protected:
  struct Side {
    testing::TempDir dir;
    testing::FakeServices fakes;
    MainWindow form{fakes.services(), dir.file("kalkuat")};
    explicit Side(const std::vector<DrawRecord>& records) {
      testing::writeRecords(dir.file(kDrawFileName), records);
      fakes.clock.todayValue = dayNumber(2026, 12, 9);
      form.onFirstShow();
      form.chartTab.statisticsStart.setDate(dayNumber(2024, 6, 1));
      fakes.ui.questions.clear();
    }
  };
};

TEST_F(SearchPaths, MasksAndTheTextRuleLeaveTheSameWindow) {
  std::vector<DrawRecord> records = testing::realHistory();
  // A Tuesday draw typed in by hand with a number twice.
  records.push_back(makeDraw(2026, 8, 25, {5, 5, 17, 20, 31, 44}, 9));
  const std::vector<std::array<const char*, 6>> tips = {
      {"5", "5", "17", "20", "31", "44"},  // a number twice
      {"1", "2", "", "24", "32", "36"},    // an empty field: a partial score
      {"1", "3", "24", "32", "36", "42"},  // the newest regular draw
      {"5", "17", "20", "31", "44", "9"},  // the Tuesday draw with its Zusatzzahl
      {"", "", "", "", "", ""},           {"10", "20", "30", "40", "41", "42"},
      {"3", "4", "5", "6", "7", "8"},     {"2", "3", "4", "22", "23", "24"},
  };
  struct Case {
    const char* threshold;
    std::vector<bool> answers;
  };
  for (const Case& c : {Case{"6", {}}, Case{"5", {true, true, true}}, Case{"4", {true, false}},
                        Case{"3", std::vector<bool>(400, true)}, Case{"0", {true, true, false}},
                        Case{"2", std::vector<bool>(50, true)}}) {
    SCOPED_TRACE(c.threshold);
    Side fast(records);
    Side literal(records);
    for (Side* side : {&fast, &literal}) {
      for (int tip = 1; tip <= 8; ++tip) {
        for (int index = 1; index <= 6; ++index) {
          side->form.setTipField(
              tip, index,
              tips[static_cast<std::size_t>(tip - 1)][static_cast<std::size_t>(index - 1)]);
        }
      }
      side->fakes.ui.inputs = {c.threshold};
      side->fakes.ui.answers = c.answers;
    }
    fast.form.searchHistoryForTips();
    testing::literalSearchHistoryForTips(literal.form, literal.fakes.ui);
    const auto expected = searchState(literal.form, literal.fakes.ui);
    const auto actual = searchState(fast.form, fast.fakes.ui);
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) EXPECT_EQ(actual[i], expected[i]) << i;
    EXPECT_FALSE(literal.fakes.ui.questions.empty() && std::string(c.threshold) != "6");
  }
}

}  // namespace
}  // namespace lotto
