// A damaged draw file: cut in a record (as after a crash while a record was appended), or
// holding a record whose date is no date. Each command uses what it can, says what is
// wrong where it meets the damage, and leaves the window ready for the next command.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

#include "draws/draw_display.h"
#include "draws/draw_entry.h"
#include "draws/draw_file.h"
#include "draws/draw_on_show.h"
#include "platform/dates.h"
#include "platform/errors.h"
#include "platform/file_io.h"
#include "support/window_fixture.h"

namespace lotto {
namespace {

using testing::makeDraw;

// Runs a command that must fail with "E/A-Fehler 100".
template <typename Command>
void expectReadPastTheCut(Command&& command) {
  try {
    command();
    FAIL() << "the partial record was not noticed";
  } catch (const InOutError& error) {
    EXPECT_EQ(error.code(), kIoReadPastEnd);
    EXPECT_NE(std::string(error.what()).find("E/A-Fehler 100"), std::string::npos);
  }
}

// The first 40 draws of the real history, then seven bytes of a 41st.
class CutDrawFile : public testing::WindowTest {
 protected:
  void SetUp() override {
    const auto real = testing::realHistory();
    whole.assign(real.begin(), real.begin() + 40);
    showWith(whole, dayNumber(2026, 12, 9));
    std::string bytes = encodeDrawFile(whole) + encodeDrawFile({real[40]}).substr(0, 7);
    replaceFileAtomically(dir.file(kDrawFileName), dir.file("tmp"), bytes);
    fileBefore = readWholeFile(dir.file(kDrawFileName));
  }

  void checkDate(double date) {
    form.drawOnShow.chosenDate.setDate(date);
    form.checkTipsAgainstChosenDraw();
  }

  std::vector<DrawRecord> whole;
  std::string fileBefore;
};

TEST_F(CutDrawFile, CheckingADateBeforeTheCutShowsItsDrawAndScoresTheTips) {
  const DrawRecord& draw = whole[19];
  for (int index = 1; index <= 6; ++index) {
    form.setTipField(1, index, std::to_string(draw.number(index)));
    if (index <= 3) form.setTipField(2, index, std::to_string(draw.number(index)));
  }

  EXPECT_NO_THROW(checkDate(draw.date));
  EXPECT_EQ(form.drawOnShow.shownPosition, 19);
  EXPECT_EQ(form.drawOnShow.shownDate, draw.date);
  EXPECT_EQ(form.drawOnShow.shownDrawText.caption, drawText(draw.date, drawNumbersOf(draw), 2));
  EXPECT_EQ(form.drawOnShow.drawBarText.caption, form.drawOnShow.shownDrawText.caption);
  EXPECT_EQ(form.tips.row(1).hitLabel.caption, "6");
  EXPECT_EQ(form.tips.colour(1, 1), Colour::Lime);
  EXPECT_EQ(form.tips.row(2).hitLabel.caption, "");  // three numbers only: not scored
  EXPECT_TRUE(fakes.ui.messages.empty());

  // A date between two draws before the cut shows the later one, the last whole record too.
  EXPECT_NO_THROW(checkDate(whole[5].date - 1));
  EXPECT_EQ(form.drawOnShow.shownPosition, 5);
  EXPECT_NO_THROW(checkDate(whole[39].date));
  EXPECT_EQ(form.drawOnShow.shownPosition, 39);
}

TEST_F(CutDrawFile, ADateAfterEveryWholeRecordFailsAtTheCutKeepingWhatWasShown) {
  checkDate(whole[10].date);
  typeTip(1, {"1", "2", "3", "4", "5", "6"});
  form.checkAllTips();
  const std::string shown = form.drawOnShow.shownDrawText.caption;
  const std::string hits = form.tips.row(1).hitLabel.caption;
  fakes.sound.played.clear();

  form.drawOnShow.chosenDate.setDate(dayNumber(2026, 1, 1));
  expectReadPastTheCut([&] { form.checkTipsAgainstChosenDraw(); });
  EXPECT_EQ(form.state.workingDate, dayNumber(2026, 1, 1));
  EXPECT_EQ(form.drawOnShow.shownPosition, 40);  // the search had counted every whole record
  EXPECT_EQ(form.drawOnShow.shownDrawText.caption, shown);
  EXPECT_EQ(form.tips.row(1).hitLabel.caption, hits);

  // The next command works, and the earlier-draw command steps back into the file.
  EXPECT_NO_THROW(form.showEarlierDraw());
  EXPECT_EQ(form.drawOnShow.shownDate, whole[39].date);
  EXPECT_EQ(readWholeFile(dir.file(kDrawFileName)), fileBefore);
}

TEST_F(CutDrawFile, NavigationStepsUpToTheLastWholeRecord) {
  checkDate(whole[39].date);
  form.showEarlierDraw();
  EXPECT_EQ(form.drawOnShow.shownDate, whole[38].date);
  form.showLaterDraw();
  EXPECT_EQ(form.drawOnShow.shownDate, whole[39].date);
  const std::string shown = form.drawOnShow.shownDrawText.caption;

  expectReadPastTheCut([&] { form.showLaterDraw(); });
  EXPECT_EQ(form.drawOnShow.shownDrawText.caption, shown);
  EXPECT_EQ(form.drawOnShow.shownPosition, 40);
  form.showEarlierDraw();
  EXPECT_EQ(form.drawOnShow.shownDate, whole[39].date);
  EXPECT_EQ(form.drawOnShow.shownPosition, 39);
}

TEST_F(CutDrawFile, StatisticsCountUpToTheCutAndFailThere) {
  form.chartTab.statisticsStart.setDate(whole[3].date);
  for (void (MainWindow::*command)() :
       {&MainWindow::showNumberFrequency, &MainWindow::showQuersummeDistribution,
        &MainWindow::showPairs, &MainWindow::showTriples, &MainWindow::showQuadruples,
        &MainWindow::showOverdueNumbers}) {
    form.state.workingDate = 0;
    form.chartTab.chart.addPoint(1, 99);
    expectReadPastTheCut([&] { (form.*command)(); });
    // The statistic had begun: the start date taken, the chart emptied.
    EXPECT_EQ(form.state.workingDate, whole[3].date);
    EXPECT_TRUE(form.chartTab.chart.bars.points.empty());
    EXPECT_EQ(fakes.ui.busyDepth, 0);
  }
  // The group searches had scored every counted draw: the last one before the cut.
  EXPECT_EQ(form.scoring.scoredDraw, drawNumbersOf(whole[39]));
  // The tip distribution does not read the file.
  EXPECT_NO_THROW(form.showTipDistribution());
}

TEST_F(CutDrawFile, EntryAndRemovalWriteNothing) {
  checkDate(whole[20].date);
  int dialogs = 0;
  fakes.ui.onModal = [&](ModalDialog&) {
    ++dialogs;
    return ModalResult::Ok;
  };
  expectReadPastTheCut([&] { form.typeInDraw(); });
  EXPECT_EQ(dialogs, 0);
  expectReadPastTheCut([&] { form.removeShownDraw(); });
  EXPECT_EQ(readWholeFile(dir.file(kDrawFileName)), fileBefore);
  EXPECT_FALSE(fileExists(dir.file("ZahlenAT.dat~")));
  EXPECT_FALSE(fileExists(dir.file("Zahlen.da~")));
  EXPECT_EQ(fakes.ui.busyDepth, 0);
  // Appending would put the new record out of step with all the others.
  expectReadPastTheCut([&] {
    appendDrawRecord(dir.file(kDrawFileName), makeDraw(2027, 1, 3, {1, 2, 3, 4, 5, 6}, 7));
  });
  EXPECT_EQ(readWholeFile(dir.file(kDrawFileName)), fileBefore);
}

// Dates no date field can hold, as a damaged record may carry them.
struct BadDate {
  const char* name;
  double date;
};
const BadDate kBadDates[] = {
    {"NaN", std::numeric_limits<double>::quiet_NaN()},
    {"all bytes 0xFF", std::bit_cast<double>(~std::uint64_t{0})},
    {"infinity", std::numeric_limits<double>::infinity()},
    {"minus infinity", -std::numeric_limits<double>::infinity()},
    {"1e300", 1e300},
    {"-1e300", -1e300},
    {"the day after 31.12.9999", kLatestDate + 1},
    {"the day before 01.01.0100", kEarliestDate - 1},
};

class BadDateInTheFile : public testing::WindowTest {
 protected:
  const DrawRecord first = makeDraw(2025, 1, 5, {3, 11, 19, 24, 37, 42}, 8);
  const DrawRecord second = makeDraw(2025, 1, 8, {1, 2, 3, 4, 5, 6}, 7);

  DrawRecord damaged(double date) {
    DrawRecord record = makeDraw(2025, 1, 12, {7, 8, 9, 10, 11, 12}, 13);
    record.date = date;
    return record;
  }
  void expectMessageNaming(int place, const std::function<void()>& command) {
    try {
      command();
      FAIL() << "no message";
    } catch (const AppError& error) {
      EXPECT_NE(std::string(error.what())
                    .find("Datensatz " + std::to_string(place) +
                          " der Ziehungsdatei hat kein "
                          "gültiges Datum"),
                std::string::npos)
          << error.what();
    }
    // Nothing that is no date reached a date field, and the next command works.
    EXPECT_TRUE(isShowableDate(form.drawOnShow.chosenDate.date()));
    form.drawOnShow.chosenDate.setDate(first.date);
    EXPECT_NO_THROW(form.checkTipsAgainstChosenDraw());
    EXPECT_EQ(form.drawOnShow.shownDrawText.caption, "So 05.01.25     3  11  19  24  37  42 Z:8");
  }
};

TEST_F(BadDateInTheFile, EveryCommandThatWouldShowItNamesTheRecord) {
  showWith({first, second}, dayNumber(2026, 1, 1));
  for (const BadDate& bad : kBadDates) {
    SCOPED_TRACE(bad.name);
    // As the newest record: the check of a late date ends on it, the entry dialog would
    // open with it.
    writeDraws({first, second, damaged(bad.date)});
    expectMessageNaming(3, [&] {
      form.drawOnShow.chosenDate.setDate(dayNumber(2026, 1, 1));
      form.checkTipsAgainstChosenDraw();
    });
    fakes.ui.modals = 0;
    expectMessageNaming(3, [&] { form.typeInDraw(); });
    EXPECT_EQ(fakes.ui.modals, 0);

    // Between two draws, damaged while the draw after it was on show: stepping onto it
    // from either side.
    writeDraws({first, damaged(first.date + 1), second});
    form.drawOnShow.chosenDate.setDate(second.date);
    form.checkTipsAgainstChosenDraw();
    ASSERT_EQ(form.drawOnShow.shownPosition, 2);
    writeDraws({first, damaged(bad.date), second});
    expectMessageNaming(2, [&] { form.showEarlierDraw(); });
    expectMessageNaming(2, [&] { form.showLaterDraw(); });

    // The statistics do not show dates: they count the draws that are draws.
    form.showNumberFrequency();
    form.showPairs();
    form.showOverdueNumbers();
    EXPECT_EQ(form.chartTab.chart.count(), 45u);
  }
}

TEST(RecordPlace, NamesTheDrawOrOnlyItsPlace) {
  DrawRecord record = makeDraw(2025, 1, 8, {1, 2, 3, 4, 5, 6}, 7);
  EXPECT_EQ(recordPlace(record, 4), "Die Ziehung vom Mi 08.01.25 (Datensatz 5 der Ziehungsdatei)");
  for (const BadDate& bad : kBadDates) {
    record.date = bad.date;
    EXPECT_EQ(recordPlace(record, 4), "Der Datensatz 5 der Ziehungsdatei") << bad.name;
  }
}

}  // namespace
}  // namespace lotto
