#include <gtest/gtest.h>

#include "app/main_window.h"
#include "draws/draw_file.h"
#include "evaluation/complete_check.h"
#include "evaluation/draw_choice.h"
#include "evaluation/scoring.h"
#include "platform/dates.h"
#include "platform/errors.h"
#include "platform/file_io.h"
#include "support/fakes.h"
#include "support/fixtures.h"
#include "support/window_fixture.h"

namespace lotto {
namespace {

using testing::makeDraw;

DrawNumbers drawOf(std::array<int, 6> numbers, int zusatzzahl) {
  return drawNumbersOf(makeDraw(2025, 1, 5, numbers, zusatzzahl));
}

TEST(TipScoring, ScoresHitsZusatzzahlAndStopsAtTheFirstNonNumber) {
  struct Case {
    TipTexts tip;
    int hits;
    bool zusatzzahlHit;
    std::array<int, 6> hitKinds;
  };
  const Case cases[] = {
      {{"3", "7", "11", "20", "30", "40"}, 2, true, {1, 2, 1, 0, 0, 0}},
      // Each comparison counts on its own: a number named twice scores twice.
      {{"3", "3", "11", "20", "30", "40"}, 3, false, {1, 1, 1, 0, 0, 0}},
      {{"3", "11", "19", "25", "33", "41"}, 6, false, {1, 1, 1, 1, 1, 1}},
      // The third field is empty: positions 1 and 2 were compared with scoredDraw[1] only,
      // so 11 is not counted although it was drawn.
      {{"3", "11", "", "25", "33", "7"}, 1, false, {1, 0, 0, 0, 0, 0}},
      {{"", "3", "11", "19", "25", "33"}, 0, false, {0, 0, 0, 0, 0, 0}},
      // Group searches pass "0" for the positions they do not use.
      {{"19", "20", "0", "0", "0", "0"}, 1, false, {1, 0, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.tip[0] << " " << c.tip[1] << " " << c.tip[2] << " "
                                      << c.tip[3] << " " << c.tip[4] << " " << c.tip[5]);
    ScoringFields scoring;
    scoring.scoredDraw = drawOf({3, 11, 19, 25, 33, 41}, 7);
    scoring.hitKinds.fill(9);  // everything is reset first
    scoring.zusatzzahlHit = true;
    scoring.scoreTip(c.tip);
    EXPECT_EQ(scoring.hits, c.hits);
    EXPECT_EQ(scoring.zusatzzahlHit, c.zusatzzahlHit);
    for (std::size_t k = 1; k <= 6; ++k) EXPECT_EQ(scoring.hitKinds[k], c.hitKinds[k - 1]) << k;
    EXPECT_EQ(scoring.hitKinds[7], 0);
    EXPECT_EQ(scoring.hitKinds[8], 0);
  }
}

TEST(DrawChoice, FirstDrawOnOrAfterTheDateElseTheNewest) {
  const std::vector<DrawRecord> three = {makeDraw(2025, 1, 5, {1, 2, 3, 4, 5, 6}, 7),
                                         makeDraw(2025, 1, 8, {1, 2, 3, 4, 5, 6}, 7),
                                         makeDraw(2025, 1, 12, {1, 2, 3, 4, 5, 6}, 7)};
  const std::vector<DrawRecord> one = {three[0]};
  const std::vector<DrawRecord> none;
  struct Case {
    const char* name;
    const std::vector<DrawRecord>* records;
    bool cut;  // a partial record follows
    double date;
    std::optional<std::size_t> shown;
    int blanks;
    int position;
    bool failedAtCut;
  };
  const Case cases[] = {
      {"exact date of the middle draw", &three, false, dayNumber(2025, 1, 8), 1, 2, 1, false},
      {"between two draws", &three, false, dayNumber(2025, 1, 6), 1, 2, 1, false},
      {"after the last draw", &three, false, dayNumber(2025, 3, 1), 2, 2, 2, false},
      {"exact date of the last draw", &three, false, dayNumber(2025, 1, 12), 2, 2, 2, false},
      {"before the first draw", &three, false, dayNumber(2024, 12, 1), 0, 3, 0, false},
      {"exact date of the first draw", &three, false, dayNumber(2025, 1, 5), 0, 3, 0, false},
      {"before the only draw", &one, false, dayNumber(2024, 12, 1), 0, 2, 0, false},
      {"after the only draw", &one, false, dayNumber(2025, 2, 1), 0, 2, 0, false},
      {"empty file", &none, false, dayNumber(2025, 1, 1), std::nullopt, 2, 0, false},
      // A cut file: the search stops at a whole record on or after the date; only a
      // search past every whole record reads the partial one and fails there.
      {"cut: between two draws", &three, true, dayNumber(2025, 1, 6), 1, 2, 1, false},
      {"cut: exact date of the last draw", &three, true, dayNumber(2025, 1, 12), 2, 2, 2, false},
      {"cut: after the last draw", &three, true, dayNumber(2025, 3, 1), std::nullopt, 2, 3, true},
      {"cut: before the only draw", &one, true, dayNumber(2024, 12, 1), 0, 3, 0, false},
      {"cut: after the only draw", &one, true, dayNumber(2025, 2, 1), std::nullopt, 2, 1, true},
      {"cut: no whole record", &none, true, dayNumber(2025, 1, 1), std::nullopt, 2, 1, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const DrawChoice choice = chooseDrawByDate({*c.records, c.cut, "f"}, c.date);
    EXPECT_EQ(choice.shown, c.shown);
    EXPECT_EQ(choice.blanksAfterDate, c.blanks);
    EXPECT_EQ(choice.position, c.position);
    EXPECT_EQ(choice.failedAtCut, c.failedAtCut);
  }
}

using testing::WindowTest;

using DrawChoiceCommand = WindowTest;

TEST_F(DrawChoiceCommand, ShowsTheChosenDrawEverywhere) {
  const std::vector<DrawRecord> records = {makeDraw(2025, 1, 5, {3, 11, 19, 24, 37, 42}, 8, 6),
                                           makeDraw(2025, 1, 8, {40, 1, 17, 9, 22, 30}, 5, 6),
                                           makeDraw(2025, 1, 12, {2, 4, 6, 8, 10, 12}, 14, 6)};
  showWith(records, dayNumber(2026, 1, 1));
  EXPECT_EQ(form.drawOnShow.shownPosition, 2);

  form.drawOnShow.chosenDate.setDate(dayNumber(2025, 1, 6));
  form.chartTab.statisticsStart.setDate(
      dayNumber(2025, 1, 10));  // after the draw that will be shown
  form.checkTipsAgainstChosenDraw();
  EXPECT_EQ(form.drawOnShow.shownPosition, 1);
  EXPECT_EQ(form.drawOnShow.shownDate, dayNumber(2025, 1, 8));
  EXPECT_EQ(form.scoring.scoredDraw,
            (DrawNumbers{0, 40, 1, 17, 9, 22, 30, 5, 6}));  // stored order kept
  EXPECT_EQ(form.drawOnShow.shownDrawText.caption, "Mi 08.01.25    40  1  17  9  22  30 Z:5");
  EXPECT_EQ(form.drawOnShow.drawBarText.caption, form.drawOnShow.shownDrawText.caption);
  EXPECT_EQ(form.drawOnShow.drawBarQuersumme.caption, "Quersumme: 119");
  EXPECT_EQ(form.drawOnShow.chosenDate.date(), dayNumber(2025, 1, 8));
  EXPECT_EQ(form.chartTab.statisticsStart.date(), form.chartTab.statisticsStart.minDate);
  EXPECT_EQ(form.state.workingDate, dayNumber(2025, 1, 6));

  form.drawOnShow.chosenDate.setDate(dayNumber(1990, 1, 1));
  form.checkTipsAgainstChosenDraw();
  EXPECT_EQ(form.drawOnShow.shownPosition, 0);
  EXPECT_EQ(form.drawOnShow.shownDrawText.caption, "So 05.01.25     3  11  19  24  37  42 Z:8");
}

TEST_F(DrawChoiceCommand, MissingFileShowsAMessageAndChangesNothing) {
  // At start the check shows its message; the frequency chart after it then fails with
  // the file error, which ends the show sequence.
  EXPECT_THROW(form.onFirstShow(), InOutError);
  EXPECT_EQ(fakes.ui.messages,
            std::vector<std::string>{"Lesen Sie zuerst du Daten der Ziehungen ein"});
  EXPECT_EQ(form.drawOnShow.shownDrawText.caption, "");
  EXPECT_EQ(form.drawOnShow.drawBarQuersumme.caption, "Quersumme");
  EXPECT_EQ(form.drawOnShow.shownPosition, 0);
}

TEST_F(DrawChoiceCommand, EmptyFileShowsNothingAndScoresNothing) {
  showWith({}, dayNumber(2026, 1, 1));
  EXPECT_TRUE(fakes.ui.messages.empty());
  EXPECT_EQ(form.drawOnShow.shownDrawText.caption, "");
  EXPECT_EQ(form.drawOnShow.shownPosition, 0);
  // The picker follows shownDate, which nothing has set: it stops at its earliest date.
  EXPECT_EQ(form.drawOnShow.chosenDate.date(), form.drawOnShow.chosenDate.minDate);
  typeTip(1, {"1", "2", "3", "4", "5", "6"});
  form.checkTipsAgainstChosenDraw();
  EXPECT_EQ(form.tips.row(1).hitLabel.caption, "");  // no draw, no score
  EXPECT_EQ(form.tips.row(1).sumLabel.caption, "");
}

TEST_F(DrawChoiceCommand, DamagedRecordIsShownMarkedAndNeverScored) {
  testing::writeRecords(dir.file(kDrawFileName),
                        {makeDraw(2025, 1, 5, {0, 46, 255, 3, 4, 5}, 200)});
  fakes.clock.todayValue = dayNumber(2026, 1, 1);
  // The show sequence shows the draw; the frequency chart after it refuses the record.
  try {
    form.onFirstShow();
    FAIL() << "the statistic counted a damaged record";
  } catch (const AppError& e) {
    EXPECT_NE(std::string(e.what()).find(
                  "So 05.01.25 (Datensatz 1 der Ziehungsdatei) enthält die ungültige Zahl 0"),
              std::string::npos)
        << e.what();
  }
  EXPECT_EQ(form.drawOnShow.shownDrawText.caption,
            "So 05.01.25    0  46  255  3  4  5 Z:200  (ungültig)");
  EXPECT_EQ(form.drawOnShow.drawBarQuersumme.caption, "Quersumme: 313");
  typeTip(1, {"3", "4", "5", "45", "44", "43"});
  form.leaveTipField();
  EXPECT_EQ(form.tips.row(1).hitLabel.caption, "");
  EXPECT_EQ(form.tips.colour(1, 1), Colour::Window);
}

using CompleteCheck = WindowTest;

TEST_F(CompleteCheck, SortsColoursAndLabelsATip) {
  showWith({makeDraw(2025, 1, 5, {3, 11, 19, 25, 33, 41}, 7)}, dayNumber(2026, 1, 1));
  typeTip(1, {"40", "7", "3", "11", "19", "2"});
  EXPECT_TRUE(fakes.sound.played.empty());
  EXPECT_EQ(form.checkAllTips(), 3);

  EXPECT_EQ(tipTexts(1), (std::array<std::string, 6>{"2", "3", "7", "11", "19", "40"}));
  const Colour expected[] = {Colour::Window, Colour::Lime, Colour::Yellow,
                             Colour::Lime,   Colour::Lime, Colour::Window};
  for (int index = 1; index <= 6; ++index)
    EXPECT_EQ(form.tips.colour(1, index), expected[index - 1]);
  EXPECT_EQ(form.tips.row(1).sumLabel.caption, "82");
  EXPECT_EQ(form.tips.row(1).hitLabel.caption, "3 + Z");
  EXPECT_EQ(form.tips.row(1).hitLabel.colour, Colour::Red);
  // The sound is looked up in the program folder, whatever the current folder is.
  EXPECT_EQ(fakes.sound.played, std::vector<std::string>{dir.file("yippee.wav")});
}

TEST_F(CompleteCheck, IncompleteTipsArePlainAndTipTwelveDecidesTheHits) {
  showWith({makeDraw(2025, 1, 5, {3, 11, 19, 25, 33, 41}, 7)}, dayNumber(2026, 1, 1));
  typeTip(2, {"3", "11", "19", "25", "33", "41"});
  typeTip(3, {"3", "11", "19", "", "33", "41"});
  EXPECT_EQ(form.checkAllTips(), 6);
  EXPECT_EQ(form.tips.row(2).hitLabel.caption, "6");
  EXPECT_EQ(form.scoring.hits, 0);  // tip 12 is empty
  EXPECT_FALSE(form.scoring.zusatzzahlHit);

  // A tip that loses a number after it was coloured is shown plain with empty labels.
  form.setTipField(2, 4, "");
  form.checkAllTips();
  for (int index = 1; index <= 6; ++index) EXPECT_EQ(form.tips.colour(2, index), Colour::Window);
  EXPECT_EQ(form.tips.row(2).hitLabel.caption, "");
  EXPECT_EQ(form.tips.row(2).sumLabel.caption, "");
  EXPECT_EQ(form.tips.row(3).hitLabel.caption, "");

  typeTip(12, {"7", "3", "1", "2", "4", "5"});
  EXPECT_EQ(form.checkAllTips(), 1);
  EXPECT_EQ(form.scoring.hits, 1);
  EXPECT_TRUE(form.scoring.zusatzzahlHit);
  EXPECT_EQ(form.tips.row(12).hitLabel.colour, Colour::Black);
}

TEST_F(CompleteCheck, EmptyGridAndTwoWinningTips) {
  showWith({makeDraw(2025, 1, 5, {3, 11, 19, 25, 33, 41}, 7)}, dayNumber(2026, 1, 1));
  form.scoring.hits = 4;
  form.scoring.zusatzzahlHit = true;
  EXPECT_EQ(form.checkAllTips(), 0);
  EXPECT_EQ(form.scoring.hits, 0);
  EXPECT_FALSE(form.scoring.zusatzzahlHit);

  typeTip(4, {"3", "11", "19", "1", "2", "4"});
  typeTip(9, {"25", "33", "41", "1", "2", "4"});
  form.checkAllTips();
  EXPECT_EQ(fakes.sound.played.size(), 2u);
}

TEST_F(CompleteCheck, DoesNothingWhileSortierenIsFalse) {
  showWith({makeDraw(2025, 1, 5, {3, 11, 19, 25, 33, 41}, 7)}, dayNumber(2026, 1, 1));
  typeTip(1, {"40", "7", "3", "11", "19", "2"});
  form.state.completeCheckEnabled = false;
  form.leaveTipField();
  EXPECT_EQ(tipTexts(1), (std::array<std::string, 6>{"40", "7", "3", "11", "19", "2"}));
  EXPECT_EQ(form.tips.row(1).hitLabel.caption, "");
  EXPECT_EQ(form.tips.colour(1, 3), Colour::Window);
  EXPECT_TRUE(fakes.sound.played.empty());
}

// ---- a row that holds a number more than once is no tip

class RepeatedNumbers : public testing::WindowTest {
 protected:
  void SetUp() override {
    showWith({makeDraw(2025, 1, 5, {3, 5, 19, 24, 33, 41}, 1)}, dayNumber(2026, 1, 1));
    typeTip(2, {"5", "5", "5", "24", "24", "1"});
    typeTip(4, {"3", "5", "19", "24", "33", "41"});
    fakes.http.requests.clear();  // the start's update
  }
};

TEST_F(RepeatedNumbers, IsShownAsNoTipAndNeverScored) {
  EXPECT_EQ(form.checkAllTips(), 6);  // tip 4 alone is scored
  EXPECT_EQ(form.tips.row(2).hitLabel.caption, "5 mehrfach");
  EXPECT_EQ(form.tips.row(2).hitLabel.colour, Colour::Red);
  EXPECT_EQ(form.tips.row(2).sumLabel.caption, "");
  const Colour expected[] = {Colour::Red,    Colour::Red,    Colour::Red,
                             Colour::Window, Colour::Window, Colour::Window};
  for (int index = 1; index <= 6; ++index) {
    EXPECT_EQ(form.tips.colour(2, index), expected[index - 1]) << index;
  }
  EXPECT_EQ(tipTexts(2), (std::array<std::string, 6>{"5", "5", "5", "24", "24", "1"}));  // unsorted
  // Only tip 4's six hits played the jingle.
  EXPECT_EQ(fakes.sound.played.size(), 1u);

  // The row stays editable: a mended tip is scored at once.
  form.setTipField(2, 2, "7");
  form.setTipField(2, 3, "9");
  form.setTipField(2, 5, "30");
  form.leaveTipField();
  EXPECT_EQ(form.tips.row(2).hitLabel.caption, "2 + Z");
  EXPECT_EQ(form.tips.row(2).hitLabel.colour, Colour::Black);
}

TEST_F(RepeatedNumbers, NothingIsSavedPrintedOrHandedOver) {
  const std::string message =
      "Der 2. Tipp enthält die Zahl 5 mehrfach; ein Tipp braucht sechs "
      "verschiedene Zahlen. Es wurde nichts ";
  fakes.ui.files = {ChosenFile{dir.file("gewählt.blt"), 1}};
  const std::pair<const char*, void (MainWindow::*)()> commands[] = {
      {"gespeichert.", &MainWindow::saveTips},   {"gespeichert.", &MainWindow::saveTipsForNextDraw},
      {"gedruckt.", &MainWindow::printTipSheet}, {"gedruckt.", &MainWindow::printOnSlip},
      {"übergeben.", &MainWindow::sendToBasket}, {"übergeben.", &MainWindow::startClickScript},
  };
  for (const auto& [notDone, command] : commands) {
    SCOPED_TRACE(notDone);
    try {
      (form.*command)();
      ADD_FAILURE() << "done with a row that is no tip";
    } catch (const AppError& error) {
      EXPECT_EQ(error.what(), message + notDone);
    }
  }
  EXPECT_TRUE(fakes.ui.fileDialogs.empty());
  EXPECT_EQ(fakes.ui.modals, 0);
  EXPECT_TRUE(fakes.http.requests.empty());
  EXPECT_TRUE(fakes.shell.opened.empty());
  EXPECT_FALSE(fileExists(dir.file("gewählt.blt")));
  EXPECT_FALSE(fileExists(dir.file("Tipps")));
  EXPECT_FALSE(fileExists(dir.file("Tipp.txt")));
}

TEST_F(RepeatedNumbers, TheTipDistributionAndTheSearchPassItOver) {
  typeTip(1, {"1", "2", "3", "4", "5", "6"});
  typeTip(3, {"7", "8", "9", "10", "11", "12"});
  form.showTipDistribution();
  // Tip 2 counts nothing and ends nothing; tips 1, 3 and 4 count, tip 5 ends the counting.
  EXPECT_EQ(form.chartTab.chart.y(4), 2);   // number 5: tips 1 and 4
  EXPECT_EQ(form.chartTab.chart.y(23), 1);  // number 24: tip 4
  EXPECT_EQ(form.chartTab.chart.y(0), 1);   // number 1: tip 1, not tip 2
  // The search passes it over too.
  for (int tip : {1, 3}) {
    for (int index = 1; index <= 6; ++index) form.setTipField(tip, index, "");
  }
  // Scored as it stands, tip 2 would hit five times (5 thrice, 24 twice) and stop first.
  fakes.ui.inputs = {"5"};
  fakes.ui.answers = {true, true};
  form.searchHistoryForTips();
  EXPECT_EQ(fakes.ui.questions.size(), 1u);  // tip 4 alone
  EXPECT_EQ(form.tips.row(2).hitLabel.caption, "5 mehrfach");
}

TEST_F(RepeatedNumbers, ATypedTextTheFieldRefusesIsNamed) {
  form.typeIntoTipField(5, 1, "4");
  EXPECT_EQ(form.statusBar.panels[1], "");
  form.typeIntoTipField(5, 1, "46");
  EXPECT_EQ(form.tips.text(5, 1), "");
  EXPECT_EQ(form.statusBar.panels[1],
            "„46“ ist keine Zahl von 1 bis 45: Tipp 5, Zahl 1 bleibt leer.");
  form.typeIntoTipField(5, 2, "x<b>y</b>und noch viel mehr");
  EXPECT_EQ(form.statusBar.panels[1],
            "„x<b>y</b>und…“ ist keine Zahl von 1 bis 45: Tipp 5, Zahl 2 bleibt leer.");
  form.typeIntoTipField(5, 2, "07");  // taken as 7: the note goes
  EXPECT_EQ(form.tips.text(5, 2), "7");
  EXPECT_EQ(form.statusBar.panels[1], "");
}

}  // namespace
}  // namespace lotto
