#include <gtest/gtest.h>

#include <functional>

#include "evaluation/scoring.h"
#include "platform/dates.h"
#include "platform/errors.h"
#include "stats/statistics.h"
#include "support/window_fixture.h"

namespace lotto {
namespace {

using testing::makeDraw;

class Statistics : public testing::WindowTest {
 protected:
  // Statistics run on the window as after start, without the show sequence.
  void useDraws(const std::vector<DrawRecord>& records) {
    writeDraws(records);
    form.files.dataFolder = dir.path();
    form.files.drawFileName = kDrawFileName;
  }
  static std::vector<double> zerosWithOnes(std::size_t size, std::initializer_list<int> onesAt) {
    std::vector<double> values(size, 0.0);
    for (int k : onesAt) values[static_cast<std::size_t>(k - 1)] = 1;
    return values;
  }
};

TEST_F(Statistics, FrequencyCountsTheZusatzzahlAndSwitchesTheMarksOff) {
  useDraws({makeDraw(2025, 1, 5, {1, 2, 3, 4, 5, 6}, 7)});
  EXPECT_TRUE(form.chartTab.chart.bars.marks);
  form.showNumberFrequency();
  EXPECT_EQ(chartValues(), zerosWithOnes(45, {1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(form.chartTab.chart.bars.points.front(), (ChartPoint{1, 1}));
  EXPECT_EQ(form.chartTab.chart.bars.points.back(), (ChartPoint{45, 0}));
  EXPECT_FALSE(form.chartTab.chart.valueAxis.automatic);
  EXPECT_EQ(form.chartTab.chart.rangeMinimum(), 0);
  EXPECT_EQ(form.chartTab.chart.rangeMaximum(), 1);
  EXPECT_EQ(form.chartTab.chart.caption, "Zahlenverteilung     Ziehungen: 1    Quersumme: 21");
  EXPECT_TRUE(form.chartTab.chart.bars.active);
  EXPECT_FALSE(form.chartTab.chart.spareSeries.active);
  EXPECT_EQ(form.frame.activePage, MainPage::Tips);  // the frequency does not switch tabs

  // The marks stay off for every later statistic.
  form.showQuersummeDistribution();
  EXPECT_FALSE(form.chartTab.chart.bars.marks);
  EXPECT_FALSE(form.chartTab.chart.spareSeries.marks);
}

TEST_F(Statistics, QuersummeDistributionAndTheHalfToEvenAverage) {
  struct Case {
    std::array<int, 6> first, second;
    std::vector<ChartPoint> points;
    const char* average;
  };
  // Quersummen 150, 151 and 152 from draws of six numbers.
  const std::array<int, 6> q150 = {10, 20, 25, 30, 31, 34};
  const std::array<int, 6> q151 = {10, 20, 25, 30, 31, 35};
  const std::array<int, 6> q152 = {10, 20, 25, 30, 31, 36};
  const Case cases[] = {
      {q150, q152, {{150, 1}, {151, 0}, {152, 1}}, "151"},
      {q150, q151, {{150, 1}, {151, 1}}, "150"},  // 150.5 goes to the even 150
      {q151, q152, {{151, 1}, {152, 1}}, "152"},  // 151.5 goes to the even 152
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.average);
    useDraws({makeDraw(2025, 1, 5, c.first, 1), makeDraw(2025, 1, 8, c.second, 1)});
    form.showQuersummeDistribution();
    EXPECT_EQ(form.chartTab.chart.bars.points, c.points);
    EXPECT_TRUE(form.chartTab.chart.valueAxis.automatic);
    EXPECT_EQ(form.chartTab.chart.rangeMinimum(), 0);
    EXPECT_EQ(form.chartTab.chart.rangeMaximum(), 1);
    EXPECT_EQ(form.chartTab.chart.caption,
              std::string("Quersummenverteilung     Ziehungen: 2    Quersumme: ") + c.average);
  }
}

TEST_F(Statistics, FilterByStartDateAndDrawDays) {
  useDraws({
      makeDraw(2025, 1, 4, {1, 2, 3, 4, 5, 6}, 7),          // Saturday
      makeDraw(2025, 1, 5, {1, 2, 3, 4, 5, 6}, 7),          // Sunday, before the start date
      makeDraw(2025, 1, 8, {10, 11, 12, 13, 14, 15}, 16),   // Wednesday, on the start date
      makeDraw(2025, 1, 10, {1, 2, 3, 4, 5, 6}, 7),         // Friday
      makeDraw(2025, 1, 12, {20, 21, 22, 23, 24, 25}, 26),  // Sunday
      makeDraw(2025, 1, 14, {1, 2, 3, 4, 5, 6}, 7),         // Tuesday
  });
  form.chartTab.statisticsStart.setDate(dayNumber(2025, 1, 8));
  form.showNumberFrequency();
  EXPECT_EQ(form.state.workingDate, dayNumber(2025, 1, 8));
  EXPECT_EQ(form.chartTab.chart.caption, "Zahlenverteilung     Ziehungen: 2    Quersumme: 105");
  EXPECT_EQ(form.chartTab.chart.y(0), 0);   // number 1 only came on excluded days
  EXPECT_EQ(form.chartTab.chart.y(9), 1);   // 10 on Wednesday
  EXPECT_EQ(form.chartTab.chart.y(19), 1);  // 20 on Sunday

  form.dayFilter.sundayDraws.checked = false;  // only Wednesday draws
  form.showNumberFrequency();
  EXPECT_EQ(form.chartTab.chart.caption, "Zahlenverteilung     Ziehungen: 1    Quersumme: 75");
  EXPECT_EQ(form.chartTab.chart.y(19), 0);

  form.dayFilter.wednesdayDraws.checked =
      false;  // nothing passes: zero counts, average 0, no error
  form.showQuersummeDistribution();
  EXPECT_TRUE(form.chartTab.chart.bars.points.empty());
  EXPECT_EQ(form.chartTab.chart.rangeMaximum(), 0);
  EXPECT_EQ(form.chartTab.chart.caption, "Quersummenverteilung     Ziehungen: 0    Quersumme: 0");
  form.showNumberFrequency();
  EXPECT_EQ(chartValues(), std::vector<double>(45, 0.0));
  EXPECT_EQ(form.chartTab.chart.caption, "Zahlenverteilung     Ziehungen: 0    Quersumme: 0");
}

TEST_F(Statistics, NeighbourGroupsOfOneDraw) {
  const DrawRecord draw = makeDraw(2025, 1, 5, {4, 5, 6, 20, 30, 45}, 21, 9);
  useDraws({draw});

  form.showPairs();
  EXPECT_EQ(chartValues(), zerosWithOnes(44, {4, 5}));  // no pair at 20: 21 is the Zusatzzahl
  EXPECT_EQ(form.chartTab.chart.caption, "Bei 1 Ziehungen wurden 2 Paare gefunden!");
  EXPECT_EQ(form.chartTab.chart.rangeMinimum(), 0);
  EXPECT_EQ(form.chartTab.chart.rangeMaximum(), 1);
  EXPECT_EQ(form.frame.activePage, MainPage::Chart);
  // The score of the last group, 44 45, stays in the scoring fields (the generator reads
  // it); the tips are scored against the draw on show again.
  EXPECT_EQ(form.scoring.scoredDraw, drawNumbersOf(form.drawOnShow.shownRecord));
  EXPECT_EQ(form.scoring.hits, 1);
  EXPECT_EQ(form.scoring.hitKinds[2], 1);
  EXPECT_FALSE(form.scoring.zusatzzahlHit);

  form.showTriples();
  EXPECT_EQ(chartValues(), zerosWithOnes(43, {4}));
  EXPECT_EQ(form.chartTab.chart.caption, "Bei 1 Ziehungen wurden 1 Dreier gefunden!");

  form.showQuadruples();
  EXPECT_EQ(chartValues(), std::vector<double>(45, 0.0));
  EXPECT_TRUE(form.chartTab.chart.valueAxis.automatic);
  EXPECT_EQ(form.chartTab.chart.caption, "Bei 1 Ziehungen wurden 0 Vierer gefunden!");
}

// The group searches score groups against every draw on the way; the tips are still
// scored against the draw the window shows when one has run.
TEST(TipsAfterAStatistic, AreScoredAgainstTheDrawOnShow) {
  testing::TempDir dir;
  testing::FakeServices fakes;
  MainWindow form(fakes.services(), dir.file("kalkuat"));
  testing::writeRecords(dir.file(kDrawFileName), testing::realHistory());
  fakes.clock.todayValue = dayNumber(2026, 12, 9);
  form.onFirstShow();
  const std::array<const char*, 6> newest = {"1", "3", "24", "32", "36", "42"};
  for (int index = 1; index <= 6; ++index) form.setTipField(1, index, newest[index - 1]);
  form.leaveTipField();
  ASSERT_EQ(form.tips.row(1).hitLabel.caption, "6");
  for (void (MainWindow::*statistic)() :
       {&MainWindow::showPairs, &MainWindow::showTriples, &MainWindow::showQuadruples,
        &MainWindow::showOverdueNumbers, &MainWindow::showNumberFrequency}) {
    (form.*statistic)();
    form.setTipField(2, 1, "7");
    form.leaveTipField();
    EXPECT_EQ(form.tips.row(1).hitLabel.caption, "6");
    EXPECT_EQ(form.drawOnShow.drawBarText.caption, "Fr 21.08.26    1  3  24  32  36  42 Z:37");
  }
}

TEST_F(Statistics, QuadruplesEndWithThreeZeros) {
  useDraws({makeDraw(2025, 1, 5, {40, 41, 42, 43, 44, 45}, 1),
            makeDraw(2025, 1, 8, {1, 2, 3, 4, 9, 10}, 11)});
  form.showQuadruples();
  const std::vector<double> values = chartValues();
  ASSERT_EQ(values.size(), 45u);
  EXPECT_EQ(values[0], 1);   // 1 2 3 4
  EXPECT_EQ(values[39], 1);  // 40 41 42 43
  EXPECT_EQ(values[41], 1);  // 42 43 44 45
  EXPECT_EQ((std::vector<double>(values.end() - 3, values.end())), (std::vector<double>{0, 0, 0}));
  EXPECT_EQ(form.chartTab.chart.rangeMaximum(), 1);
}

TEST_F(Statistics, GroupSearchesEqualScoringEveryGroupWithTheTipCheck) {
  // The real history plus a hand-typed draw naming 5 six times (the tip check counts a
  // hit for every drawn place, so the pair 5 6 scores 6 there and is not counted).
  std::vector<DrawRecord> records = testing::realHistory();
  records.push_back(makeDraw(2026, 8, 23, {5, 5, 5, 5, 5, 5}, 6, 3));
  useDraws(records);
  const StatisticsFilter filter{dayNumber(1986, 9, 7), true, true};

  for (int g = 2; g <= 4; ++g) {
    SCOPED_TRACE(g);
    std::array<int, 46> expected{};
    int groups = 0;
    int draws = 0;
    ScoringFields reference;
    for (const DrawRecord& record : records) {
      if (!filter.passes(record)) continue;
      reference.scoredDraw = drawNumbersOf(record);
      for (int k = 1; k <= lastGroupStart(g); ++k) {
        std::array<std::string, 6> texts;
        for (int p = 0; p < 6; ++p)
          texts[static_cast<std::size_t>(p)] = p < g ? std::to_string(k + p) : "0";
        reference.scoreTip({texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]});
        if (reference.hits == g) {
          ++expected[static_cast<std::size_t>(k)];
          ++groups;
        }
      }
      ++draws;
    }

    (g == 2 ? form.showPairs() : g == 3 ? form.showTriples() : form.showQuadruples());
    for (int k = 1; k <= lastGroupStart(g); ++k) {
      EXPECT_EQ(form.chartTab.chart.y(static_cast<std::size_t>(k - 1)),
                expected[static_cast<std::size_t>(k)])
          << k;
    }
    const std::string word = g == 2 ? "Paare" : g == 3 ? "Dreier" : "Vierer";
    EXPECT_EQ(form.chartTab.chart.caption, "Bei " + std::to_string(draws) + " Ziehungen wurden " +
                                               std::to_string(groups) + " " + word + " gefunden!");
    EXPECT_EQ(form.scoring.scoredDraw, drawNumbersOf(form.drawOnShow.shownRecord));
    EXPECT_EQ(form.scoring.hitKinds, reference.hitKinds);
    EXPECT_EQ(form.scoring.hits, reference.hits);
    EXPECT_EQ(form.scoring.zusatzzahlHit, reference.zusatzzahlHit);
  }
}

TEST_F(Statistics, OverdueNumbers) {
  useDraws({
      makeDraw(2025, 1, 5, {1, 2, 3, 4, 5, 6}, 7),         // A
      makeDraw(2025, 1, 8, {2, 10, 11, 12, 13, 14}, 15),   // B
      makeDraw(2025, 1, 12, {3, 20, 21, 22, 23, 24}, 40),  // C
  });
  form.scoring.scoredDraw = DrawNumbers{0, 9, 9, 9, 9, 9, 9, 9, 9};
  form.showOverdueNumbers();
  ASSERT_EQ(form.chartTab.chart.count(), 45u);
  EXPECT_EQ(form.chartTab.chart.y(0), 3);   // 1 came only in A
  EXPECT_EQ(form.chartTab.chart.y(1), 2);   // 2 last came in B
  EXPECT_EQ(form.chartTab.chart.y(2), 1);   // 3 came in C
  EXPECT_EQ(form.chartTab.chart.y(39), 1);  // 40 was only the Zusatzzahl of C
  EXPECT_EQ(form.chartTab.chart.y(44), 4);  // 45 never came
  EXPECT_EQ(form.chartTab.chart.rangeMinimum(), 1);
  EXPECT_EQ(form.chartTab.chart.rangeMaximum(), 4);
  EXPECT_EQ(form.chartTab.chart.caption,
            "Welche Zahl ist überfällig, wurde also seit wie vielen Ziehungen nicht gezogen?");
  EXPECT_EQ(form.frame.activePage, MainPage::Chart);
  EXPECT_EQ(form.scoring.scoredDraw[1], 9);  // the overdue statistic leaves the draw fields alone

  form.dayFilter.sundayDraws.checked = false;
  form.dayFilter.wednesdayDraws.checked = false;
  form.showOverdueNumbers();
  EXPECT_EQ(chartValues(), std::vector<double>(45, 1.0));
}

TEST_F(Statistics, FailuresLeaveTheChartAsItWas) {
  useDraws({makeDraw(2025, 1, 5, {1, 2, 3, 4, 5, 6}, 7)});
  form.showNumberFrequency();
  const auto before = form.chartTab.chart.bars.points;
  const std::string caption = form.chartTab.chart.caption;

  useDraws(
      {makeDraw(2025, 1, 5, {1, 2, 3, 4, 5, 6}, 7), makeDraw(2025, 1, 8, {1, 2, 3, 4, 5, 46}, 7)});
  for (void (MainWindow::*command)() :
       {&MainWindow::showNumberFrequency, &MainWindow::showQuersummeDistribution,
        &MainWindow::showPairs, &MainWindow::showTriples, &MainWindow::showQuadruples,
        &MainWindow::showOverdueNumbers}) {
    try {
      (form.*command)();
      FAIL() << "a damaged record was counted";
    } catch (const AppError& e) {
      EXPECT_NE(std::string(e.what()).find(
                    "Mi 08.01.25 (Datensatz 2 der Ziehungsdatei) enthält die ungültige Zahl 46"),
                std::string::npos)
          << e.what();
    }
    EXPECT_EQ(form.chartTab.chart.bars.points, before);
    EXPECT_EQ(form.chartTab.chart.caption, caption);
    EXPECT_EQ(fakes.ui.busyDepth, 0);
  }

  std::remove(dir.file(kDrawFileName).c_str());
  EXPECT_THROW(form.showPairs(), InOutError);
  EXPECT_EQ(form.chartTab.chart.bars.points, before);
}

TEST_F(Statistics, TipDistribution) {
  struct Case {
    const char* name;
    int filledTips;
    bool gapInTipTwo;
    std::vector<double> expected;
    double maximum;
  };
  std::vector<double> twelve(45, 0.0), one(45, 0.0), gap(45, 0.0);
  for (int k = 0; k < 6; ++k) {
    twelve[static_cast<std::size_t>(k)] = 12;
    one[static_cast<std::size_t>(k)] = 1;
    gap[static_cast<std::size_t>(k)] =
        k < 2 ? 2 : 1;  // tip 1 and the two numbers of tip 2 before its gap
  }
  const Case cases[] = {
      {"all twelve tips", 12, false, twelve, 12},
      {"only tip 1", 1, false, one, 1},
      {"tip 1 empty", 0, false, std::vector<double>(45, 0.0), 0},
      {"a gap in tip 2 ends the counting", 12, true, gap, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    form.clearUnmarkedTips();
    for (int tip = 1; tip <= c.filledTips; ++tip) typeTip(tip, {"1", "2", "3", "4", "5", "6"});
    if (c.gapInTipTwo) form.setTipField(2, 3, "");
    form.showTipDistribution();
    EXPECT_EQ(chartValues(), c.expected);
    EXPECT_EQ(form.chartTab.chart.rangeMinimum(), 0);
    EXPECT_EQ(form.chartTab.chart.rangeMaximum(), c.maximum);
    EXPECT_EQ(form.chartTab.chart.caption, "Zahlenverteilung des Tippes");
    EXPECT_EQ(form.frame.activePage, MainPage::Chart);
  }
}

// Each statistic names what its bars count, in the words its tooltips show.
TEST_F(Statistics, EveryStatisticDescribesItsBars) {
  useDraws({makeDraw(2025, 1, 5, {1, 2, 3, 17, 18, 44}, 7),
            makeDraw(2025, 1, 8, {1, 2, 3, 4, 17, 18}, 9)});
  struct Case {
    const char* name;
    std::function<void()> run;
    std::size_t bar;
    std::string description;
  };
  const Case cases[] = {
      {"frequency", [&] { form.showNumberFrequency(); }, 16, "Zahl 17: 2 Ziehungen"},
      {"one draw", [&] { form.showNumberFrequency(); }, 43, "Zahl 44: 1 Ziehung"},
      {"no draw", [&] { form.showNumberFrequency(); }, 44, "Zahl 45: 0 Ziehungen"},
      {"pairs", [&] { form.showPairs(); }, 16, "Paar 17–18: 2 Ziehungen"},
      {"triples", [&] { form.showTriples(); }, 0, "Dreier 1–3: 2 Ziehungen"},
      {"quadruples", [&] { form.showQuadruples(); }, 0, "Vierer 1–4: 1 Ziehung"},
      // The words say what the bar and the caption say: the newest draw counts as one.
      {"overdue", [&] { form.showOverdueNumbers(); }, 43,
       "Zahl 44: seit 2 Ziehungen nicht gezogen"},
      {"overdue, in the newest draw", [&] { form.showOverdueNumbers(); }, 0,
       "Zahl 1: seit 1 Ziehung nicht gezogen"},
      {"a bar past the end", [&] { form.showOverdueNumbers(); }, 45, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.run();
    EXPECT_EQ(barDescription(form.chartTab.chart, c.bar), c.description);
  }

  form.showQuersummeDistribution();
  const ChartPoint first = form.chartTab.chart.bars.points.front();
  EXPECT_EQ(barDescription(form.chartTab.chart, 0),
            "Quersumme " + std::to_string(static_cast<int>(first.x)) + ": 1 Ziehung");

  form.clearUnmarkedTips();
  typeTip(1, {"1", "2", "3", "4", "5", "6"});
  typeTip(2, {"1", "7", "8", "9", "10", "11"});
  form.showTipDistribution();
  EXPECT_EQ(barDescription(form.chartTab.chart, 0), "Zahl 1: 2-mal in den Tipps");

  // A chart no statistic has named yet speaks in bare numbers.
  StatisticSeries plain;
  plain.beginStatistic();
  plain.addPoint(3, 7);
  EXPECT_EQ(barDescription(plain, 0), "3: 7");
}

TEST(ChartPicture, TheProposedNameComesFromTheCaption) {
  const std::pair<std::string, std::string> cases[] = {
      {"Zahlenverteilung     Ziehungen: 3586    Quersumme: 138", "Zahlenverteilung.png"},
      {"Bei 3586 Ziehungen wurden 3012 Paare gefunden!",
       "Bei 3586 Ziehungen wurden 3012 Paare gefunden.png"},
      {"Welche Zahl ist überfällig, wurde also seit wie vielen Ziehungen nicht gezogen?",
       "Welche Zahl ist überfällig.png"},
      {"Zahlenverteilung des Tippes", "Zahlenverteilung des Tippes.png"},
      {"", "Diagramm.png"},
      {"  ", "Diagramm.png"},
      {"a/b\\c*d\"e<f>g|h\ti", "a_b_c_d_e_f_g_h_i.png"},
      {"..versteckt", "versteckt.png"},
      // Cut at 80 bytes, never inside a character: "ü" is two bytes.
      {std::string(79, 'x') + "ü", std::string(79, 'x') + ".png"},
  };
  for (const auto& [caption, name] : cases) {
    SCOPED_TRACE(caption);
    EXPECT_EQ(chartFileName(caption), name);
  }
}

}  // namespace
}  // namespace lotto
