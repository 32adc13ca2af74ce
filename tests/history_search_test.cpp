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
std::vector<std::string> searchState(const TForm1& form, const testing::FakeUserInteraction& ui) {
  std::vector<std::string> lines;
  for (int tip = 1; tip <= 12; ++tip) {
    std::string line = "tip " + std::to_string(tip) + ":";
    for (int index = 1; index <= 6; ++index) {
      line += " " + form.Tips.text(tip, index) + "/" +
              std::to_string(static_cast<int>(form.Tips.colour(tip, index)));
    }
    const TipRow& row = form.Tips.row(tip);
    line += " | " + row.hitLabel.Caption + "/" +
            std::to_string(static_cast<int>(row.hitLabel.FontColour)) + " qs " +
            row.sumLabel.Caption;
    lines.push_back(line);
  }
  std::string zahl;
  for (std::size_t i = 1; i <= 8; ++i) zahl += std::to_string(form.Zahl[i]) + " ";
  std::string treffer;
  for (std::size_t i = 1; i <= 8; ++i) treffer += std::to_string(form.Treffer[i]) + " ";
  lines.push_back("zahl " + zahl + "treffer " + treffer + "gewinn " + std::to_string(form.Gewinn) +
                  " zusatz " + std::to_string(form.Zusatz));
  lines.push_back("datum1 " + std::to_string(form.Datum1) + " position " +
                  std::to_string(form.Position) + " date1 " +
                  std::to_string(form.DateTimePicker1.Date()));
  lines.push_back(form.Label29.Caption + " | " + form.Label35.Caption + " | " +
                  form.Label13.Caption);
  lines.push_back("points " + std::to_string(form.Chart1.count()) + " aktDatum " +
                  std::to_string(form.aktDatum));
  for (const std::string& question : ui.questions) lines.push_back("asked " + question);
  return lines;
}

class HistorySearch : public testing::WindowTest {
 protected:
  void SetUp() override {
    showWith(testing::realHistory(), dayNumber(2026, 12, 9));
    form.DateTimePicker2.setDate(dayNumber(2020, 1, 1));
    fakes.ui.questions.clear();
  }
  void search(const char* threshold, std::vector<bool> answers = {}) {
    fakes.ui.inputs = {threshold};
    fakes.ui.answers = std::move(answers);
    form.SpeedButton4Click();
  }
};

TEST_F(HistorySearch, WithoutAHitItEndsOnTheLastDrawWithTenZeroPoints) {
  typeTip(1, {"1", "2", "3", "4", "5", "6"});
  typeTip(9, {"1", "3", "24", "32", "36", "42"});  // the newest draw: tips 9..12 never stop
  const std::int32_t position = form.Position;
  form.DateTimePicker1.setDate(dayNumber(2024, 1, 1));
  search("6");
  EXPECT_TRUE(fakes.ui.questions.empty());
  EXPECT_EQ(fakes.ui.inputBoxes.back(),
            "Bei wie vielen Zahlen Übereinstimmung stoppen?: Tipp-Test [6]");
  EXPECT_EQ(form.Label29.Caption, "Fr 21.08.26    1  3  24  32  36  42 Z:37");
  EXPECT_EQ(form.Label35.Caption, form.Label29.Caption);
  EXPECT_EQ(form.Label13.Caption, "Quersumme: 138");
  EXPECT_EQ(form.Tips.row(1).hitLabel.Caption, "2");  // 1 and 3 against the newest draw
  EXPECT_EQ(form.Tips.row(1).hitLabel.FontColour, Colour::Black);
  EXPECT_EQ(form.Chart1.Series2.Points,
            (std::vector<ChartPoint>{
                {0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0}, {8, 0}, {9, 0}}));
  EXPECT_EQ(form.aktDatum, dayNumber(2020, 1, 1));
  EXPECT_EQ(form.Position, position);  // the navigation goes on from where it was
  EXPECT_EQ(form.DateTimePicker1.Date(), dayNumber(2024, 1, 1));
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
  EXPECT_EQ(form.Datum1, first.date);
  EXPECT_EQ(form.Chart1.count(), 0u);  // ended early: no points
}

TEST_F(HistorySearch, ATipEqualToAPastDrawStopsThere) {
  const DrawRecord past = testing::realHistory()[3000];
  std::array<std::string, 6> numbers;
  for (int i = 1; i <= 6; ++i)
    numbers[static_cast<std::size_t>(i - 1)] = std::to_string(past.number(i));
  for (int i = 1; i <= 6; ++i) form.TipFieldChange(3, i, numbers[static_cast<std::size_t>(i - 1)]);
  form.DateTimePicker2.setDate(dayNumber(1986, 9, 7));
  search("6", {false});
  ASSERT_EQ(fakes.ui.questions.size(), 1u);
  EXPECT_EQ(fakes.ui.questions[0], "Weiter?: Ein Treffer am: " + formatShortDate(past.date));
  EXPECT_EQ(form.Datum1, past.date);
  EXPECT_EQ(form.Label29.Caption, drawText(past.date, drawNumbersOf(past), 2));
  EXPECT_EQ(form.Tips.row(3).hitLabel.Caption, "6");
  EXPECT_EQ(form.Tips.colour(3, 1), Colour::Lime);  // the complete check ran against it
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
  EXPECT_EQ(form.Datum1, records.back().date);
  EXPECT_EQ(form.Tips.row(1).hitLabel.Caption, "2");
}

// The fast search and the step-by-step one, side by side on the same window.
class SearchPaths : public ::testing::Test {
 protected:
  struct Side {
    testing::TempDir dir;
    testing::FakeServices fakes;
    TForm1 form{fakes.services(), dir.file("kalkuat")};
    explicit Side(const std::vector<DrawRecord>& records) {
      testing::writeRecords(dir.file(kDrawFileName), records);
      fakes.clock.todayValue = dayNumber(2026, 12, 9);
      form.FormShow();
      form.DateTimePicker2.setDate(dayNumber(2024, 6, 1));
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
          side->form.TipFieldChange(
              tip, index,
              tips[static_cast<std::size_t>(tip - 1)][static_cast<std::size_t>(index - 1)]);
        }
      }
      side->fakes.ui.inputs = {c.threshold};
      side->fakes.ui.answers = c.answers;
    }
    fast.form.SpeedButton4Click();
    testing::literalSpeedButton4Click(literal.form, literal.fakes.ui);
    const auto expected = searchState(literal.form, literal.fakes.ui);
    const auto actual = searchState(fast.form, fast.fakes.ui);
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) EXPECT_EQ(actual[i], expected[i]) << i;
    EXPECT_FALSE(literal.fakes.ui.questions.empty() && std::string(c.threshold) != "6");
  }
}

}  // namespace
}  // namespace lotto
