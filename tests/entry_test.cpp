#include <gtest/gtest.h>
#include <unistd.h>

#include "draws/draw_entry.h"
#include "platform/dates.h"
#include "platform/errors.h"
#include "platform/file_io.h"
#include "support/window_fixture.h"

namespace lotto {
namespace {

using testing::makeDraw;

const std::vector<DrawRecord> kHistory = {
    makeDraw(2025, 1, 5, {3, 11, 19, 24, 37, 42}, 8, 4),
    makeDraw(2025, 1, 12, {1, 2, 3, 4, 5, 6}, 7, 4),
    makeDraw(2025, 1, 15, {10, 20, 30, 40, 41, 45}, 9, 7),
};

class DrawEntry : public testing::WindowTest {
 protected:
  void SetUp() override { showWith(kHistory, dayNumber(2026, 1, 1)); }

  std::vector<DrawRecord> stored() { return readDrawFile(dir.file(kDrawFileName)); }
  std::size_t fileSize() { return readWholeFile(dir.file(kDrawFileName)).size(); }

  // The user types this draw into the dialog and presses OK.
  void enter(int year, int month, int day, std::array<int, 6> numbers, int zusatzzahl) {
    fakes.ui.onModal = [=, this](ModalDialog& modal) {
      auto& dialog = dynamic_cast<DrawEntryDialog&>(modal);
      presets.push_back(dialog.enteredDraw());
      spareVisible = dialog.spareVisible;
      dialog.date.setDate(dayNumber(year, month, day));
      for (std::size_t i = 0; i < 6; ++i) dialog.numbers[i].setValue(numbers[i]);
      dialog.numbers[6].setValue(zusatzzahl);
      return ModalResult::Ok;
    };
    form.typeInDraw();
  }

  std::vector<DrawRecord> presets;  // what the dialog showed when it opened
  bool spareVisible = true;
};

TEST_F(DrawEntry, ANewerDrawIsAppendedWithItsNumbersSorted) {
  const std::size_t before = fileSize();
  enter(2025, 1, 19, {40, 3, 17, 8, 45, 1}, 2);
  EXPECT_EQ(fileSize(), before + 16);
  // The dialog opened with the newest draw and its spare byte, "S:" hidden.
  ASSERT_EQ(presets.size(), 1u);
  EXPECT_EQ(presets[0].date, kHistory.back().date);
  EXPECT_EQ(presets[0].spare(), 7);
  EXPECT_FALSE(spareVisible);

  EXPECT_EQ(stored().back(), makeDraw(2025, 1, 19, {1, 3, 8, 17, 40, 45}, 2, 7));
  EXPECT_EQ(form.state.workingDate, dayNumber(2025, 1, 19));
  EXPECT_EQ(form.drawOnShow.chosenDate.date(), dayNumber(2025, 1, 19));
  EXPECT_EQ(form.drawOnShow.shownDrawText.caption, "So 19.01.25    1  3  8  17  40  45 Z:2");
  EXPECT_EQ(form.drawOnShow.shownPosition, 3);
}

TEST_F(DrawEntry, ADrawOfAStoredDateReplacesItWhenTheUserSaysSo) {
  const std::size_t before = fileSize();
  fakes.ui.answers = {true};
  enter(2025, 1, 12, {9, 8, 7, 6, 5, 4}, 3);
  EXPECT_EQ(fakes.ui.questions,
            std::vector<std::string>{"Ziehung eingeben: Am So 12.01.25 ist schon die Ziehung 1 2 "
                                     "3 4 5 6 Z:7 gespeichert. Durch 4 5 6 7 8 9 Z:3 ersetzen?"});
  EXPECT_EQ(fileSize(), before);
  const auto records = stored();
  EXPECT_EQ(records[1], makeDraw(2025, 1, 12, {4, 5, 6, 7, 8, 9}, 3, 7));
  EXPECT_EQ(records[0], kHistory[0]);
  EXPECT_EQ(records[2], kHistory[2]);
  EXPECT_FALSE(fileExists(dir.file("ZahlenAT.dat~")));
  EXPECT_EQ(form.state.workingDate, kHistory.back().date);  // the newest stored date
  EXPECT_EQ(form.drawOnShow.chosenDate.date(), kHistory.back().date);
}

TEST_F(DrawEntry, ADrawOfTheNewestDateReplacesItRatherThanFollowingIt) {
  const std::size_t before = fileSize();
  fakes.ui.answers = {true};
  enter(2025, 1, 15, {44, 2, 13, 26, 31, 5}, 18);
  EXPECT_EQ(fileSize(), before);
  const auto records = stored();
  ASSERT_EQ(records.size(), kHistory.size());
  EXPECT_EQ(records[0], kHistory[0]);
  EXPECT_EQ(records[1], kHistory[1]);
  EXPECT_EQ(records[2], makeDraw(2025, 1, 15, {2, 5, 13, 26, 31, 44}, 18, 7));
  EXPECT_EQ(form.drawOnShow.shownDrawText.caption, "Mi 15.01.25    2  5  13  26  31  44 Z:18");
}

TEST_F(DrawEntry, ADrawBetweenTwoIsInsertedThere) {
  enter(2025, 1, 8, {1, 2, 3, 4, 5, 6}, 7);
  const auto records = stored();
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[0], kHistory[0]);
  EXPECT_EQ(records[1].date, dayNumber(2025, 1, 8));
  EXPECT_EQ(records[2], kHistory[1]);
  EXPECT_EQ(records[3], kHistory[2]);
  // A draw before the first one goes to the front.
  enter(2024, 12, 29, {1, 2, 3, 4, 5, 6}, 7);
  EXPECT_EQ(stored().front().date, dayNumber(2024, 12, 29));
}

// What can be no draw is refused with a message that names why, and nothing is stored.
TEST_F(DrawEntry, AnImpossibleDrawIsRefusedAndNothingIsStored) {
  struct Case {
    std::array<int, 6> numbers;
    int zusatzzahl;
    int year, month, day;
    const char* message;
  };
  const Case cases[] = {
      {{1, 1, 24, 32, 36, 42}, 37, 2025, 1, 19,
       "Die Ziehung kann nicht gespeichert werden: die Zahl 1 steht zweimal darin."},
      {{1, 3, 24, 32, 36, 42}, 24, 2025, 1, 19,
       "Die Ziehung kann nicht gespeichert werden: die Zusatzzahl 24 ist eine der sechs "
       "Zahlen."},
      {{1, 3, 24, 32, 36, 42}, 37, 2026, 1, 4,
       "Die Ziehung kann nicht gespeichert werden: der 04.01.2026 liegt nach dem heutigen Tag."},
      // The newest draw's date: the preset with one number changed must not replace it.
      {{10, 10, 30, 40, 41, 45}, 9, 2025, 1, 15,
       "Die Ziehung kann nicht gespeichert werden: die Zahl 10 steht zweimal darin."},
  };
  const std::string before = readWholeFile(dir.file(kDrawFileName));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    fakes.ui.errors.clear();
    fakes.ui.answers = {true, true};
    enter(c.year, c.month, c.day, c.numbers, c.zusatzzahl);
    EXPECT_EQ(fakes.ui.errors, std::vector<std::string>{c.message});
    EXPECT_TRUE(fakes.ui.questions.empty());
    EXPECT_EQ(readWholeFile(dir.file(kDrawFileName)), before);
  }
  EXPECT_EQ(form.drawOnShow.chosenDate.date(), kHistory.back().date);
}

// A draw on another day than Wednesday or Sunday may be right (an extra draw): the entry
// asks, and a no stores nothing. Replacing a stored draw is asked too.
TEST_F(DrawEntry, AnOtherWeekdayAndAReplacementAreAsked) {
  const std::string before = readWholeFile(dir.file(kDrawFileName));
  enter(2025, 1, 17, {1, 2, 3, 4, 5, 6}, 7);  // a Friday, answered no
  EXPECT_EQ(fakes.ui.questions,
            std::vector<std::string>{"Ziehung eingeben: Der 17.01.2025 ist ein Freitag, kein "
                                     "Ziehungstag (Mittwoch oder Sonntag). Die Ziehung trotzdem "
                                     "speichern?"});
  EXPECT_EQ(readWholeFile(dir.file(kDrawFileName)), before);
  fakes.ui.questions.clear();
  enter(2025, 1, 12, {9, 8, 7, 6, 5, 4}, 3);  // a replacement, answered no
  EXPECT_EQ(fakes.ui.questions.size(), 1u);
  EXPECT_EQ(readWholeFile(dir.file(kDrawFileName)), before);
  fakes.ui.questions.clear();
  enter(2025, 1, 12, {6, 5, 4, 3, 2, 1}, 7);  // the stored draw as it is: nothing to ask
  EXPECT_TRUE(fakes.ui.questions.empty());
  EXPECT_EQ(readWholeFile(dir.file(kDrawFileName)), before);

  fakes.ui.answers = {true};
  enter(2025, 1, 17, {1, 2, 3, 4, 5, 6}, 7);
  EXPECT_EQ(stored().back(), makeDraw(2025, 1, 17, {1, 2, 3, 4, 5, 6}, 7, 7));
}

TEST_F(DrawEntry, TheSpareByteComesFromTheNewestDrawWithinOneToTen) {
  for (const auto& [spare, expected] : {std::pair{0, 1}, std::pair{200, 10}, std::pair{3, 3}}) {
    SCOPED_TRACE(spare);
    writeDraws({makeDraw(2025, 1, 5, {1, 2, 3, 4, 5, 6}, 7, spare)});
    enter(2025, 1, 8, {1, 2, 3, 4, 5, 6}, 7);
    EXPECT_EQ(stored().back().spare(), expected);
  }
}

TEST_F(DrawEntry, CancellingStoresNothing) {
  const std::string before = readWholeFile(dir.file(kDrawFileName));
  form.drawOnShow.chosenDate.setDate(dayNumber(2025, 1, 6));
  form.checkTipsAgainstChosenDraw();
  fakes.ui.onModal = [](ModalDialog&) { return ModalResult::Abort; };
  form.typeInDraw();
  EXPECT_EQ(readWholeFile(dir.file(kDrawFileName)), before);
  EXPECT_EQ(form.drawOnShow.chosenDate.date(),
            kHistory.back().date);  // the check shows the newest draw
  EXPECT_EQ(form.drawOnShow.shownPosition, 2);
}

TEST_F(DrawEntry, IntoAnEmptyFileTheDrawBecomesTheOnlyRecord) {
  writeDraws({});
  fakes.clock.todayValue = dayNumber(2026, 3, 4);
  enter(2026, 3, 1, {5, 4, 3, 2, 1, 45}, 44);
  ASSERT_EQ(presets.size(), 1u);
  EXPECT_EQ(presets[0], makeDraw(2026, 3, 4, {45, 45, 45, 45, 45, 45}, 45, 10));
  EXPECT_EQ(stored(), (std::vector<DrawRecord>{makeDraw(2026, 3, 1, {1, 2, 3, 4, 5, 45}, 44, 10)}));
  EXPECT_EQ(form.drawOnShow.shownDrawText.caption, "So 01.03.26    1  2  3  4  5  45 Z:44");
}

TEST_F(DrawEntry, MissingFileFailsBeforeTheDialog) {
  std::remove(dir.file(kDrawFileName).c_str());
  EXPECT_THROW(form.typeInDraw(), InOutError);
  EXPECT_EQ(fakes.ui.modals, 0);
  EXPECT_THROW(form.removeShownDraw(), InOutError);
  EXPECT_FALSE(fileExists(dir.file("Zahlen.da~")));
  EXPECT_EQ(fakes.ui.busyDepth, 0);
}

TEST_F(DrawEntry, AFailedRewriteLeavesTheOldHistoryWhole) {
  const std::string before = readWholeFile(dir.file(kDrawFileName));
  ASSERT_EQ(symlink("/dev/full", dir.file("ZahlenAT.dat~").c_str()), 0);
  fakes.ui.answers = {true};
  EXPECT_THROW(enter(2025, 1, 12, {9, 8, 7, 6, 5, 4}, 3), InOutError);
  EXPECT_EQ(readWholeFile(dir.file(kDrawFileName)), before);

  ASSERT_EQ(symlink("/dev/full", dir.file("Zahlen.da~").c_str()), 0);
  fakes.ui.answers = {true};
  EXPECT_THROW(form.removeShownDraw(), InOutError);
  EXPECT_EQ(readWholeFile(dir.file(kDrawFileName)), before);
  EXPECT_EQ(fakes.ui.busyDepth, 0);
}

using DrawRemoval = DrawEntry;

TEST_F(DrawRemoval, AsksFirstAndRemovesOnYesOnly) {
  form.drawOnShow.chosenDate.setDate(kHistory[1].date);
  form.checkTipsAgainstChosenDraw();
  const std::string before = readWholeFile(dir.file(kDrawFileName));
  form.removeShownDraw();  // answered no
  EXPECT_EQ(fakes.ui.questions,
            std::vector<std::string>{"Ziehung löschen: Ziehung vom So 12.01.25 löschen?"});
  EXPECT_EQ(readWholeFile(dir.file(kDrawFileName)), before);
  EXPECT_EQ(form.drawOnShow.shownDate, kHistory[1].date);
}

TEST_F(DrawRemoval, RemovesTheDrawOnShowAndShowsTheNextLaterOne) {
  form.drawOnShow.chosenDate.setDate(kHistory[1].date);
  form.checkTipsAgainstChosenDraw();
  fakes.ui.answers = {true, true};
  form.removeShownDraw();
  EXPECT_EQ(stored(), (std::vector<DrawRecord>{kHistory[0], kHistory[2]}));
  EXPECT_FALSE(fileExists(dir.file("Zahlen.da~")));
  EXPECT_EQ(form.drawOnShow.shownDate, kHistory[2].date);
  EXPECT_EQ(form.drawOnShow.shownPosition, 1);

  form.removeShownDraw();  // the newest draw: the one before it becomes the newest shown
  EXPECT_EQ(stored(), (std::vector<DrawRecord>{kHistory[0]}));
  EXPECT_EQ(form.drawOnShow.shownDate, kHistory[0].date);
}

TEST(DrawEntryHelpers, InsertionKeepsTheOrderAndReplacesTheSameDate) {
  const DrawRecord late = makeDraw(2025, 2, 1, {1, 2, 3, 4, 5, 6}, 7);
  EXPECT_EQ(withDrawEntered(kHistory, late).back(), late);
  EXPECT_EQ(withDrawEntered({}, late), std::vector<DrawRecord>{late});
  const DrawRecord same = makeDraw(2025, 1, 5, {7, 8, 9, 10, 11, 12}, 13);
  EXPECT_EQ(withDrawEntered(kHistory, same),
            (std::vector<DrawRecord>{same, kHistory[1], kHistory[2]}));
  EXPECT_EQ(withoutDrawsOf(kHistory, kHistory[0].date),
            (std::vector<DrawRecord>{kHistory[1], kHistory[2]}));
}

}  // namespace
}  // namespace lotto
