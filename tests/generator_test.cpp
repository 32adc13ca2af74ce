// Tip generation: the random generator, the candidate pool, the generator run and the lucky
// number, on the bundled history and on small fixtures.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/settings.h"
#include "draws/draw_file.h"
#include "generator/candidate_pool.h"
#include "generator/generator_run.h"
#include "generator/random.h"
#include "platform/convert.h"
#include "platform/dates.h"
#include "platform/errors.h"
#include "platform/file_io.h"
#include "support/generator_report.h"
#include "support/window_fixture.h"

namespace lotto {
namespace {

using testing::makeDraw;

// A reference run: its input lines and its expected result lines.
struct ReferenceRun {
  std::vector<std::pair<std::string, std::string>> inputs;
  std::vector<std::string> result;
};

ReferenceRun readReference(const std::string& name) {
  std::ifstream in(std::string(LOTTO_SOURCE_DIR) + "/tests/fixtures/generator/" + name);
  ReferenceRun run;
  std::string line;
  bool inResult = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line == "# Result") {
      inResult = true;
    } else if (line.rfind("input ", 0) == 0) {
      const std::size_t equals = line.find('=');
      run.inputs.emplace_back(line.substr(6, equals - 6), line.substr(equals + 1));
    } else if (inResult && !line.empty()) {
      run.result.push_back(line);
    }
  }
  return run;
}

// The window after its start on the bundled history, set as a run's input says.
class BundledWindow : public testing::WindowTest {
 protected:
  void SetUp() override { showWith(testing::realHistory(), dayNumber(2026, 12, 9)); }

  void apply(const std::vector<std::pair<std::string, std::string>>& inputs) {
    for (const auto& [name, value] : inputs) {
      if (name == "seed") {
        form.random.setSeed(toInteger(value));
      } else if (name == "date1") {
        form.drawOnShow.chosenDate.setDate(dayNumber(std::stoi(value.substr(0, 4)),
                                                     std::stoi(value.substr(5, 2)),
                                                     std::stoi(value.substr(8, 2))));
      } else if (name.rfind("CheckBox", 0) == 0) {
        // The runs name the boxes as the settings store them, less their spelling.
        const std::string stored = "Chekcbox" + name.substr(8);
        for (const StoredCheckBox& box : kStoredCheckBoxes) {
          if (box.name == stored) (form.options.*box.box).checked = value == "1";
        }
      } else if (name.rfind("UpDown", 0) == 0) {
        for (const StoredSpinner& spinner : kStoredSpinners) {
          if (spinner.name == name) (form.options.*spinner.spinner).setValue(std::stoi(value));
        }
        if (name == "UpDown7") form.runBudgetStepped();
      } else {
        FAIL() << "unknown input " << name;
      }
    }
  }
};

class ReferenceRuns : public BundledWindow, public ::testing::WithParamInterface<const char*> {};

TEST_P(ReferenceRuns, MatchLineByLine) {
  const ReferenceRun reference = readReference(GetParam());
  ASSERT_FALSE(reference.result.empty());
  apply(reference.inputs);
  form.generateTips();

  std::vector<std::string> lines = testing::generatorTrace(form);
  for (const std::string& line : testing::generatorReport(form)) lines.push_back(line);
  for (std::size_t i = 0; i < std::max(lines.size(), reference.result.size()); ++i) {
    EXPECT_EQ(i < lines.size() ? lines[i] : "(none)",
              i < reference.result.size() ? reference.result[i] : "(none)")
        << "line " << i + 1;
  }
}

INSTANTIATE_TEST_SUITE_P(Bundled, ReferenceRuns,
                         ::testing::Values("generator-run-1.txt", "generator-run-42.txt",
                                           "generator-run--5.txt", "generator-run-allpasses.txt"));

TEST(RandomGenerator, FollowsItsRecurrence) {
  RandomGenerator random;
  random.setSeed(0);
  std::vector<int> drawn(5);
  for (int& number : drawn) number = random.next(45);
  EXPECT_EQ(drawn, (std::vector<int>{0, 1, 38, 9, 12}));
  // next(1) is always 0 and still advances the seed.
  const std::uint32_t before = random.seed();
  EXPECT_EQ(random.next(1), 0);
  EXPECT_NE(random.seed(), before);
  random.setSeed(-5);
  EXPECT_EQ(random.seed(), 4294967291u);
  // Equal seeds, equal numbers.
  RandomGenerator again;
  again.setSeed(-5);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(random.next(99999), again.next(99999));
}

TEST(GeneratorHelpers, ProgressTextAndSharedNumbers) {
  EXPECT_EQ(progressText(3, {3, 11, 17, 24, 36, 42}, 133),
            "3.Tipp:  3 11  17  24  36  42    QS: 133");
  EXPECT_EQ(progressText(1, {1, 2, 3, 4, 5, 6}, 21), "1.Tipp:  1 2  3  4  5  6  QS: 21");
  EXPECT_EQ(progressText(4, {1, 2, 3, 4, 5, 6}, 21), "4.Tipp:  1 2  3  4  5  6   QS: 21");
  EXPECT_EQ(progressText(12, {1, 2, 3, 4, 5, 6}, 21), "12.Tipp:  1 2  3  4  5  6  QS: 21");
  EXPECT_EQ(sharedNumbers({1, 2, 3, 4, 5, 6}, {4, 5, 6, 7, 8, 9}), 3);
  EXPECT_EQ(sharedNumbers({1, 2, 3, 4, 5, 6}, {0, 0, 0, 0, 0, 0}), 0);
  EXPECT_EQ(sharedNumbers({0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}), 0);
}

TEST(PoolBounds, AreRoundedExactlyWithAHalfToEven) {
  // 100 - (100 - 75) * 0.3 = 92.5 -> 92; 100 - (100 - 85) * 0.3 = 95.5 -> 96.
  EXPECT_EQ(lowerBoundOfFrequent(75, 100, 3), 92);
  EXPECT_EQ(lowerBoundOfFrequent(85, 100, 3), 96);
  // 10 + (15 - 10) * 0.5 = 12.5 -> 12; 11 + (16 - 11) * 0.3 = 12.5 -> 12; 13 + 5*0.3 = 14.5 -> 14.
  EXPECT_EQ(upperBoundOfRare(10, 15, 5), 12);
  EXPECT_EQ(upperBoundOfRare(11, 16, 3), 12);
  EXPECT_EQ(upperBoundOfRare(13, 18, 3), 14);
  EXPECT_EQ(lowerBoundOfFrequent(7, 7, 2), 7);
  EXPECT_EQ(upperBoundOfRare(0, 0, 1), 0);
}

// A small window for runs on hand-made histories.
class Generator : public testing::WindowTest {
 protected:
  // Every number 1..45 seven times among the numbers and Zusatzzahlen: 45 Sunday draws.
  static std::vector<DrawRecord> evenHistory() {
    std::vector<DrawRecord> records;
    for (int k = 0; k < 45; ++k) {
      std::array<int, 6> numbers{};
      for (int i = 0; i < 6; ++i) numbers[static_cast<std::size_t>(i)] = (k + i) % 45 + 1;
      records.push_back(makeDraw(2000, 1, 2 + 7 * k, numbers, (k + 6) % 45 + 1));
    }
    return records;
  }
  void start(const std::vector<DrawRecord>& records) {
    showWith(records, dayNumber(2026, 12, 9));
    form.drawOnShow.chosenDate.setDate(dayNumber(2026, 12, 9));
  }
  // Only the tests and passes a case names.
  void noTestsNoPasses() {
    for (CheckBox* box : {&form.options.preferFrequentNumbers, &form.options.preferRareNumbers,
                          &form.options.limitOverlap, &form.options.limitLastDraw,
                          &form.options.limitSecondLastDraw, &form.options.forcePair,
                          &form.options.rejectRunOfThree, &form.options.rejectPastDrawMatches}) {
      box->checked = false;
    }
    form.options.quersummeFrom.setValue(21);
    form.options.quersummeTo.setValue(279);
  }
  void budget(int thousands) {
    form.options.runBudgetThousands.setValue(thousands);
    form.runBudgetStepped();
  }
  std::vector<std::string> rowTexts(int tip) const {
    std::vector<std::string> texts;
    for (int index = 1; index <= 6; ++index) texts.push_back(form.tips.text(tip, index));
    return texts;
  }
};

TEST_F(Generator, EqualCountsGiveEveryNumberThreeEntriesFromEachFrequencyPass) {
  start(evenHistory());
  form.options.limitLastDraw.checked = false;
  form.options.limitSecondLastDraw.checked = false;
  std::vector<std::string> texts;
  fakes.ui.onRedraw = [this, &texts] {
    if (texts.empty() || texts.back() != form.statusBar.panels[1])
      texts.push_back(form.statusBar.panels[1]);
  };
  form.generateTips();
  const CandidatePool& pool = form.lastRun.pool;
  EXPECT_EQ(pool.count(), 45 * 7);
  for (int n = 1; n <= 45; ++n) EXPECT_EQ(pool.countOf(n), 7) << n;
  EXPECT_EQ(form.lastRun.statisticsRun, 1);
  // The frequency runs once; the rare pass reads its chart and writes only its bounds,
  // the first of them with one blank before "Max:".
  ASSERT_GE(texts.size(), 5u);
  EXPECT_EQ(texts[0], "Berechnung der Zahlenverteilung");
  EXPECT_EQ(texts[1], "Min: 7  Max: 7  0");
  EXPECT_EQ(texts[2], "Min: 7  Max: 7  90");
  EXPECT_EQ(texts[3], "Min: 0 Max: 7  135");
  EXPECT_EQ(texts[4], "Min: 0  Max: 7  225");
}

TEST_F(Generator, RarePairsNeverAddAPairThatWasNeverDrawnAndShareTheStatistic) {
  // Pairs 1-2 drawn three times, 10-11 once, 30-31 once; the rest never.
  start({makeDraw(2025, 1, 5, {1, 2, 20, 30, 31, 40}, 44),
         makeDraw(2025, 1, 12, {1, 2, 5, 10, 11, 42}, 44),
         makeDraw(2025, 1, 19, {1, 2, 7, 14, 25, 36}, 44)});
  noTestsNoPasses();
  form.options.onlyPreferredNumbers.checked = true;  // nothing but the passes
  form.options.preferRarePairs.checked = true;
  budget(1);
  form.generateTips();
  std::vector<std::int32_t> expected;
  for (const int k : {10, 30}) {  // y in 1 .. Round(0 + 3 * 0.3) = 1
    expected.push_back(k);
    expected.push_back(k + 1);
  }
  EXPECT_EQ(form.lastRun.pool.entries(), expected);
  EXPECT_EQ(form.lastRun.statisticsRun, 1);

  // With preferFrequentPairs as well, the overdue and pair statistics run once each; the rare pass
  // reads the pairs' chart.
  writeDraws({makeDraw(2025, 1, 5, {1, 2, 20, 30, 31, 40}, 44)});
  form.options.preferFrequentPairs.checked = true;
  form.generateTips();
  EXPECT_EQ(form.lastRun.statisticsRun, 2);
}

TEST_F(Generator, TheRebuiltPoolHoldsTheSameEntriesGroupedByNumber) {
  start(testing::realHistory());
  form.generateTips();
  std::vector<std::int32_t> grouped = form.lastRun.pool.entries();
  std::stable_sort(grouped.begin(), grouped.end());

  form.options.editPoolBeforeDrawing.checked = true;
  ModalResult answer = ModalResult::Retry;
  std::vector<std::string> weights;
  fakes.ui.onModal = [&](ModalDialog& dialog) {
    auto& numbers = dynamic_cast<NumberDialog&>(dialog);
    weights.clear();
    for (int n = 1; n <= 45; ++n)
      weights.push_back(numbers.box(n).checked ? numbers.box(n).weight : "-");
    return answer;
  };
  form.generateTips();
  EXPECT_EQ(form.lastRun.pool.entries(), grouped);
  EXPECT_EQ(weights[0], "-");  // 1 is a number of the last draw: no entries, unchecked
  EXPECT_EQ(weights[1], std::to_string(std::count(grouped.begin(), grouped.end(), 2)));
  EXPECT_EQ(form.statusBar.panels[1], "Tipps wurden neu berechnet");

  // Enter (OK) counts as "&Rechnen"; "Abbrechen" abandons the run after the clearing.
  answer = ModalResult::Ok;
  form.generateTips();
  EXPECT_EQ(form.lastRun.pool.entries(), grouped);
  answer = ModalResult::Abort;
  form.generateTips();
  EXPECT_TRUE(form.lastRun.abandoned);
  EXPECT_TRUE(form.state.completeCheckEnabled);
  EXPECT_EQ(form.tips.text(1, 1), "");
  EXPECT_EQ(fakes.ui.busyDepth, 0);
}

TEST_F(Generator, AMarkedRowIsKeptAndTheTipCountLimitsTheRows) {
  start(testing::realHistory());
  typeTip(3, {"2", "4", "11", "20", "33", "41"});
  form.toggleTipMark(3);
  form.options.tipCount.setValue(5);
  form.random.setSeed(7);
  form.generateTips();
  EXPECT_EQ(rowTexts(3), (std::vector<std::string>{"2", "4", "11", "20", "33", "41"}));
  for (const int tip : {1, 2, 4, 5}) EXPECT_NE(form.tips.text(tip, 1), "") << tip;
  for (int tip = 6; tip <= 12; ++tip) EXPECT_EQ(form.tips.text(tip, 1), "") << tip;
  EXPECT_EQ(form.lastRun.accepted[2], (Tip{}));  // a skipped row takes no part
}

TEST_F(Generator, QuersummeBoundsAt21SpendTheWholeBudgetOnRowOne) {
  start(testing::realHistory());
  form.options.quersummeFrom.setValue(21);
  form.options.quersummeTo.setValue(21);
  budget(2);
  bool halfBudgetDroppedThePairTest = false;
  std::vector<std::int64_t> progress;  // the bar's position at each picture of the run
  fakes.ui.onRedraw = [&] {
    if (form.statusBar.progress.visible) {
      EXPECT_EQ(form.statusBar.progress.maximum, form.state.runBudget);
      progress.push_back(form.statusBar.progress.position);
    }
    if (form.lastRun.counter == form.state.runBudget && !form.options.forcePair.checked) {
      halfBudgetDroppedThePairTest = true;
    }
  };
  form.generateTips();
  EXPECT_EQ(form.lastRun.counter, 2000);
  EXPECT_EQ(rowTexts(1), std::vector<std::string>(6, ""));
  EXPECT_EQ(form.tips.row(1).sumLabel.caption, "");  // the complete check clears it at the end
  for (int tip = 2; tip <= 12; ++tip) EXPECT_EQ(form.tips.text(tip, 1), "") << tip;
  EXPECT_EQ(form.statusBar.panels[1], "Ändern Sie die Parameter um 12 Tipps zuberechnen");
  EXPECT_TRUE(halfBudgetDroppedThePairTest);
  EXPECT_TRUE(form.options.forcePair.checked);  // put back at the end
  // The progress bar follows the spent budget up to its whole and is gone afterwards.
  ASSERT_GT(progress.size(), 2u);
  EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
  EXPECT_LT(progress.front(), 2000);
  EXPECT_EQ(progress.back(), 2000);
  EXPECT_FALSE(form.statusBar.progress.visible);
}

TEST_F(Generator, AnIdenticalCandidateIsRejectedEvenWithoutTheOverlapTest) {
  start(testing::realHistory());
  noTestsNoPasses();
  form.options.onlyPreferredNumbers.checked = true;
  form.options.editPoolBeforeDrawing.checked = true;
  fakes.ui.onModal = [](ModalDialog& dialog) {
    auto& numbers = dynamic_cast<NumberDialog&>(dialog);
    for (int n = 1; n <= 45; ++n) {
      numbers.setChecked(n, n >= 10 && n <= 15);
      numbers.setWeight(n, "1");
    }
    return ModalResult::Retry;
  };
  budget(1);
  form.generateTips();
  EXPECT_EQ(rowTexts(1), (std::vector<std::string>{"10", "11", "12", "13", "14", "15"}));
  EXPECT_EQ(rowTexts(2), std::vector<std::string>(6, ""));
  EXPECT_EQ(form.statusBar.panels[1], "Ändern Sie die Parameter um 12 Tipps zuberechnen");
}

TEST_F(Generator, AnEmptyPoolDrawsNothingAndEndsAsASpentBudget) {
  start(testing::realHistory());
  noTestsNoPasses();
  form.options.onlyPreferredNumbers.checked = true;
  form.random.setSeed(99);
  form.generateTips();
  EXPECT_EQ(form.lastRun.pool.count(), 0);
  EXPECT_EQ(form.random.seed(), 99u);  // no random number drawn
  EXPECT_EQ(form.lastRun.counter, form.state.runBudget);
  EXPECT_EQ(rowTexts(1), std::vector<std::string>(6, ""));
  EXPECT_EQ(form.statusBar.panels[1], "Ändern Sie die Parameter um 12 Tipps zuberechnen");
}

TEST_F(Generator, AnErrorInsideTheRunLeavesTheWindowAsAfterItsEnd) {
  start(testing::realHistory());
  // No statistic reads the file; the history test meets its cut.
  form.options.preferFrequentNumbers.checked = false;
  form.options.preferRareNumbers.checked = false;
  form.options.lastDrawLimit.setValue(1);
  const std::string bytes = encodeDrawFile(testing::realHistory()) + "xyz";
  replaceFileAtomically(dir.file(kDrawFileName), dir.file("tmp"), bytes);
  budget(1);
  try {
    form.generateTips();
    FAIL() << "the cut was not met";
  } catch (const InOutError& error) {
    EXPECT_EQ(error.code(), kIoReadPastEnd);
  }
  EXPECT_TRUE(form.state.completeCheckEnabled);
  EXPECT_FALSE(form.state.generatorRunning);
  EXPECT_FALSE(form.statusBar.progress.visible);
  EXPECT_TRUE(form.options.forcePair.checked);
  EXPECT_EQ(form.options.lastDrawLimit.value(), 1);
  EXPECT_EQ(form.options.pastDrawMatchSize.value(), 5);
  EXPECT_EQ(fakes.ui.busyDepth, 0);
  // The history test had scored the last whole draw.
  EXPECT_EQ(form.scoring.scoredDraw, drawNumbersOf(testing::realHistory().back()));
  // The complete check works again.
  typeTip(1, {"1", "3", "24", "32", "36", "42"});
  form.scoring.scoredDraw = drawNumbersOf(testing::realHistory().back());
  form.leaveTipField();
  EXPECT_EQ(form.tips.row(1).hitLabel.caption, "6");
}

TEST_F(Generator, TheLuckyNumberSeedsAndAsks) {
  start(testing::realHistory());
  fakes.clock.counterValue = 777;
  struct Case {
    const char* typed;
    bool seeded;
    std::uint32_t seed;
  };
  for (const Case& c : {Case{"abc", false, 777}, Case{"99999999999", false, 777},
                        Case{"-5", true, 4294967291u}, Case{"0", true, 0}}) {
    SCOPED_TRACE(c.typed);
    fakes.ui.questions.clear();
    fakes.ui.inputs = {c.typed};
    fakes.ui.answers = {false};
    form.statusBar.panels[1] = "";
    form.setLuckyNumber();
    EXPECT_EQ(form.random.seed(), c.seed);
    EXPECT_EQ(fakes.ui.questions.size(), c.seeded ? 1u : 0u);
    EXPECT_EQ(form.statusBar.panels[1],
              c.seeded ? "Glückszahl " + std::string(c.typed) + " gesetzt" : "");
  }
  EXPECT_EQ(fakes.ui.questions.back(), "Jetzt berechnen??: Soll der Tipp jetzt berechnet werden?");
  EXPECT_TRUE(fakes.ui.messages.empty());
  // The last box proposed the number drawn from the seed "-5" had set.
  RandomGenerator afterMinusFive;
  afterMinusFive.setSeed(-5);
  EXPECT_EQ(fakes.ui.inputBoxes.back(),
            "Ihre Glückszahl (1-99999999)?: Geben Sie Ihre Glückszahl für den Zufallsgenerator "
            "ein! [" +
                std::to_string(afterMinusFive.next(99999)) + "]");

  // Cancelled: the proposal is the seed, and the question still comes.
  form.random.setSeed(3);
  RandomGenerator copy;
  copy.setSeed(3);
  const std::int32_t proposal = copy.next(99999);
  fakes.ui.inputs.clear();
  fakes.ui.answers = {false};
  form.setLuckyNumber();
  EXPECT_EQ(form.random.seed(), static_cast<std::uint32_t>(proposal));
  EXPECT_EQ(form.statusBar.panels[1], "Glückszahl " + std::to_string(proposal) + " gesetzt");
}

TEST_F(Generator, TheSameLuckyNumberTwiceGivesTheSameTips) {
  start(testing::realHistory());
  std::vector<std::vector<std::string>> runs;
  for (int run = 0; run < 2; ++run) {
    fakes.ui.inputs = {"4711"};
    fakes.ui.answers = {true};
    form.setLuckyNumber();
    std::vector<std::string> tips;
    for (int tip = 1; tip <= 12; ++tip) {
      for (const std::string& text : rowTexts(tip)) tips.push_back(text);
    }
    runs.push_back(tips);
  }
  EXPECT_EQ(runs[0], runs[1]);
  EXPECT_NE(runs[0][0], "");
  EXPECT_EQ(form.statusBar.panels[1], "Tipps wurden neu berechnet");

  // An error in the run it starts ends silently, with the seed from the clock.
  std::remove(dir.file(kDrawFileName).c_str());
  fakes.clock.counterValue = 4242;
  fakes.ui.inputs = {"4711"};
  fakes.ui.answers = {true};
  EXPECT_NO_THROW(form.setLuckyNumber());
  EXPECT_EQ(form.random.seed(), 4242u);
  EXPECT_TRUE(form.state.completeCheckEnabled);
}

}  // namespace
}  // namespace lotto
