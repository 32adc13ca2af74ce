// The program's generator run (history test with masks, the draw file read once, progress
// texts made only for a picture) against the run written out step by step: for the same
// seed, options and file both leave the same window.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "draws/draw_file.h"
#include "platform/dates.h"
#include "platform/errors.h"
#include "platform/file_io.h"
#include "support/generator_report.h"
#include "support/literal_generator.h"
#include "support/window_fixture.h"

namespace lotto {
namespace {

using testing::makeDraw;

// One window on a file, started and set up; then a run, fast or step by step.
class Side {
 public:
  Side(const std::string& bytes, const std::function<void(MainWindow&)>& setUp, std::int32_t seed) {
    replaceFileAtomically(dir_.file(kDrawFileName), dir_.file("tmp"), bytes);
    fakes_.clock.todayValue = dayNumber(2026, 12, 9);
    // The start may fail on a damaged file; the window is used as it is then.
    try {
      form.onFirstShow();
    } catch (const AppError&) {
    }
    form.drawOnShow.chosenDate.setDate(dayNumber(2026, 12, 9));
    setUp(form);
    form.random.setSeed(seed);
    fakes_.ui.picturesDue = false;  // the fast path then makes no progress text
  }

  std::vector<std::string> run(bool literal) {
    std::string failure;
    try {
      if (literal) {
        testing::literalGenerateTips(form, fakes_.ui);
      } else {
        form.generateTips();
      }
    } catch (const AppError& error) {
      failure = error.what();
      failure = failure.substr(0, failure.find('\n'));  // without the file's own path
    }
    std::vector<std::string> lines = testing::generatorTrace(form);
    for (const std::string& line : testing::generatorReport(form)) lines.push_back(line);
    lines.push_back("failure=" + failure);
    lines.push_back("sortieren=" + std::to_string(form.state.completeCheckEnabled) +
                    " seed=" + std::to_string(form.random.seed()));
    return lines;
  }

 private:
  testing::TempDir dir_;
  testing::FakeServices fakes_;

 public:
  MainWindow form{fakes_.services(), dir_.file("kalkuat")};
};

void markRows(MainWindow& form, int last) {
  for (int tip = 1; tip <= last; ++tip) {
    for (int index = 1; index <= 6; ++index) {
      form.setTipField(tip, index, std::to_string(tip + 6 * (index - 1)));
    }
    form.toggleTipMark(tip);
  }
}

void budget(MainWindow& form, int thousands) {
  form.options.runBudgetThousands.setValue(thousands);
  form.runBudgetStepped();
}

std::string realBytes() {
  return encodeDrawFile(testing::realHistory());
}

// The real history with Tuesday records (which no statistic counts) holding the bytes 0
// and 0xFF and numbers drawn twice, which the history test scores position by position.
// They stand first among the draws it counts, so every scan meets them.
std::string damagedBytes() {
  std::vector<DrawRecord> records = testing::realHistory();
  const DrawRecord damaged[] = {makeDraw(2010, 6, 1, {0, 0, 7, 9, 0, 12}, 0),
                                makeDraw(2010, 6, 8, {255, 255, 14, 21, 255, 33}, 255),
                                makeDraw(2010, 6, 15, {33, 33, 14, 14, 21, 21}, 9),
                                makeDraw(2010, 6, 22, {8, 8, 8, 19, 19, 19}, 9)};
  for (const DrawRecord& record : damaged) {
    const auto at = std::find_if(records.begin(), records.end(),
                                 [&record](const DrawRecord& r) { return r.date > record.date; });
    records.insert(at, record);
  }
  return encodeDrawFile(records);
}

// What a case must reach to be worth its place, judged on the step-by-step run's window.
using Reached = std::function<bool(const MainWindow&)>;

bool newTips(const MainWindow& f) {
  return f.statusBar.panels[1] == "Tipps wurden neu berechnet";
}
bool budgetSpent(const MainWindow& f) {
  return f.statusBar.panels[1] == "Ändern Sie die Parameter um 12 Tipps zuberechnen";
}

struct Case {
  const char* name;
  std::function<std::string()> bytes;
  std::function<void(MainWindow&)> setUp;
  Reached reached = newTips;
};

void PrintTo(const Case& c, std::ostream* out) {
  *out << c.name;
}

class GeneratorPaths : public ::testing::TestWithParam<Case> {};

TEST_P(GeneratorPaths, FastAndStepByStepLeaveTheSameWindow) {
  const Case& c = GetParam();
  const std::string bytes = c.bytes();
  for (const std::int32_t seed : {1, 42, -5, 2024}) {
    SCOPED_TRACE(::testing::Message() << c.name << ", seed " << seed);
    Side fast(bytes, c.setUp, seed);
    Side literal(bytes, c.setUp, seed);
    const auto expected = literal.run(true);
    const auto actual = fast.run(false);
    // The case reaches what it is there for.
    EXPECT_TRUE(c.reached(literal.form)) << ::testing::PrintToString(expected);
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) EXPECT_EQ(actual[i], expected[i]) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Runs, GeneratorPaths,
    ::testing::Values(
        Case{"default options", realBytes, [](MainWindow&) {}},
        Case{"history test with 3 numbers", realBytes,
             [](MainWindow& f) {
               f.options.pastDrawMatchSize.setValue(3);
               budget(f, 1);
             },
             budgetSpent},
        Case{"all passes", realBytes,
             [](MainWindow& f) {
               for (CheckBox* box :
                    {&f.options.preferFrequentPairs, &f.options.preferFrequentTriples,
                     &f.options.preferFrequentQuadruples, &f.options.preferRarePairs,
                     &f.options.preferRareTriples, &f.options.preferRareQuadruples}) {
                 box->checked = true;
               }
             }},
        Case{"only preferred numbers", realBytes,
             [](MainWindow& f) { f.options.onlyPreferredNumbers.checked = true; }},
        Case{"a marked row", realBytes, [](MainWindow& f) { markRows(f, 1); }},
        // Rows 1 and 2 kept and row 3 strict: the budget of 25000 lasts from row 3 on through
        // every fixed relaxation step (at 5000, 15000 and 20000).
        Case{"the budget lasts through the relaxation from row 3", realBytes,
             [](MainWindow& f) {
               markRows(f, 2);
               f.options.pastDrawMatchSize.setValue(3);
               f.options.overlapLimit.setValue(1);
               f.options.quersummeFrom.setValue(100);
               f.options.quersummeTo.setValue(100);
               budget(f, 25);
             },
             [](const MainWindow& f) { return f.lastRun.counter >= f.state.runBudget - 5000; }},
        // Rows 1 to 7 kept; row 8, which relaxes its own way, spends the whole budget.
        Case{"the budget runs out at row 8", realBytes,
             [](MainWindow& f) {
               markRows(f, 7);
               f.options.quersummeFrom.setValue(21);
               f.options.quersummeTo.setValue(21);
               budget(f, 30);
             },
             budgetSpent},
        Case{"a cut file", [] { return realBytes() + "cut"; },
             [](MainWindow& f) {
               f.options.preferFrequentNumbers.checked = false;
               f.options.preferRareNumbers.checked = false;
               budget(f, 1);
             },
             [](const MainWindow& f) {
               return !f.state.completeCheckEnabled || f.lastRun.counter < f.state.runBudget;
             }},
        Case{"records with bytes 0 and 0xFF", damagedBytes,
             [](MainWindow& f) {
               f.options.pastDrawMatchSize.setValue(3);
               f.options.secondLastDrawLimit.setValue(1);
               f.chartTab.statisticsStart.setDate(dayNumber(2010, 5, 30));
               budget(f, 3);
             },
             [](const MainWindow& f) { return f.lastRun.counter > 0; }}),
    [](const ::testing::TestParamInfo<Case>& info) {
      std::string name;
      for (const char c : std::string(info.param.name)) {
        if (std::isalnum(static_cast<unsigned char>(c))) name += c;
      }
      return name;
    });

}  // namespace
}  // namespace lotto
