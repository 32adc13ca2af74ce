// The number selection dialog: clicks and weights, weight lists, the tip edit and the random
// pick.

#include "generator/number_dialog.h"

#include <gtest/gtest.h>

#include <fstream>

#include "generator/weight_list.h"
#include "platform/dates.h"
#include "platform/errors.h"
#include "platform/file_io.h"
#include "support/window_fixture.h"

namespace lotto {
namespace {

class NumberSelection : public ::testing::Test {
 protected:
  testing::TempDir dir;
  testing::FakeServices fakes;
  RandomGenerator random;
  std::string folder = dir.path();
  NumberDialog dialog{random, fakes.ui, fakes.clock, folder};

  void uncheckAll() {
    for (int n = 1; n <= 45; ++n) dialog.setChecked(n, false);
  }
  // A right click: the release of the right button, no toggling.
  void rightClick(int n) { dialog.releaseOverBox(n, true); }
  // A left click: the box toggles, then the release clears stepDown.
  void leftClick(int n) {
    dialog.clickBox(n);
    dialog.releaseOverBox(n, false);
  }
};

TEST_F(NumberSelection, ClicksStepTheWeightAndTheStatusTellsIt) {
  EXPECT_TRUE(dialog.box(7).checked);
  EXPECT_EQ(dialog.box(7).weight, "");
  EXPECT_EQ(dialog.box(7).background, Colour::ButtonFace);
  dialog.setChecked(7, false);
  EXPECT_EQ(dialog.box(7).weight, "0");  // unchecking an empty weight sets "0"

  dialog.setWeight(7, "2");
  leftClick(7);
  EXPECT_TRUE(dialog.box(7).checked);
  EXPECT_EQ(dialog.box(7).weight, "3");
  leftClick(7);
  EXPECT_FALSE(dialog.box(7).checked);
  EXPECT_EQ(dialog.box(7).weight, "3");
  EXPECT_EQ(dialog.statusText, "Die Zahl 7 geht mit der Gewichtung 3 in die Berechnung ein");
  EXPECT_TRUE(dialog.showHints);

  // A right click lowers a checked weight and unchecks at 0.
  dialog.setWeight(9, "1");
  rightClick(9);
  EXPECT_FALSE(dialog.box(9).checked);
  EXPECT_EQ(dialog.box(9).weight, "0");
  EXPECT_EQ(dialog.statusText, "Die Zahl 9 geht mit der Gewichtung 0 in die Berechnung ein");
  // The first left click after it still steps down: the release comes after the click.
  dialog.setWeight(9, "5");
  leftClick(9);
  EXPECT_EQ(dialog.box(9).weight, "4");
  EXPECT_FALSE(dialog.stepDown);
  leftClick(9);
  leftClick(9);
  EXPECT_EQ(dialog.box(9).weight, "5");

  // Checking a box whose weight is no number: "0", and unchecked again.
  dialog.setChecked(11, false);
  dialog.setWeight(11, "");
  dialog.clickBox(11);
  EXPECT_FALSE(dialog.box(11).checked);
  EXPECT_EQ(dialog.box(11).weight, "0");
  dialog.setWeight(11, "x");
  dialog.setChecked(11, true);
  EXPECT_EQ(dialog.box(11).weight, "0");
  EXPECT_FALSE(dialog.box(11).checked);
  // A negative weight becomes "0".
  dialog.setWeight(12, "-4");
  dialog.setChecked(12, false);
  EXPECT_EQ(dialog.box(12).weight, "0");
  // Pointing shows a box's weight and changes nothing.
  dialog.pointAtBox(7);
  EXPECT_EQ(dialog.statusText, "Die Zahl 7 geht mit der Gewichtung 3 in die Berechnung ein");
}

TEST_F(NumberSelection, AWeightListIsSavedAndLoadedLineByLine) {
  fakes.clock.todayValue = dayNumber(2026, 12, 9);
  uncheckAll();
  dialog.setWeight(1, "3");
  dialog.setChecked(1, true);  // 3 + 1
  dialog.setWeight(1, "3");
  dialog.setWeight(2, "");
  dialog.setWeight(2, "0");
  dialog.setChecked(2, true);  // "0" + 1
  dialog.setWeight(2, "");
  ASSERT_TRUE(dialog.box(2).checked);

  const std::string path = dir.file("liste.blw");
  fakes.ui.files = {ChosenFile{path, 1}};
  dialog.saveWeightList();
  ASSERT_EQ(fakes.ui.fileDialogs.size(), 1u);
  EXPECT_EQ(fakes.ui.fileDialogs[0].filter, "Werteliste|*.blw");
  EXPECT_EQ(fakes.ui.fileDialogs[0].defaultExtension, "blw");
  EXPECT_EQ(fakes.ui.fileDialogs[0].proposedName, "20261209.blw");
  EXPECT_EQ(fakes.ui.fileDialogs[0].folder, dir.path());
  std::string expected = "3\r\n1\r\n";
  for (int i = 3; i <= 45; ++i) expected += "\r\n";
  EXPECT_EQ(readWholeFile(path), expected);
  EXPECT_EQ(dialog.box(2).weight, "1");

  // Loading it into a dialog in another state.
  for (int n = 1; n <= 45; ++n) {
    dialog.setChecked(n, true);
    dialog.setWeight(n, "7");
  }
  fakes.ui.files = {ChosenFile{path, 1}};
  dialog.loadWeightList();
  EXPECT_TRUE(dialog.box(1).checked);
  EXPECT_EQ(dialog.box(1).weight, "3");
  EXPECT_TRUE(dialog.box(2).checked);
  EXPECT_EQ(dialog.box(2).weight, "1");
  for (int n = 3; n <= 45; ++n) {
    EXPECT_FALSE(dialog.box(n).checked) << n;
    EXPECT_EQ(dialog.box(n).weight, "1") << n;
  }
  // Cancelled dialogs do nothing.
  dialog.saveWeightList();
  dialog.loadWeightList();
  EXPECT_EQ(dialog.box(1).weight, "3");
}

TEST_F(NumberSelection, AShortFileAndLinesThatAreNoNumbersLoadAsTheyStand) {
  const std::string path = dir.file("kurz.blw");
  std::ofstream(path, std::ios::binary) << "5\r\nabc\n\r\n2";
  fakes.ui.files = {ChosenFile{path, 1}};
  dialog.loadWeightList();
  EXPECT_TRUE(dialog.box(1).checked);
  EXPECT_EQ(dialog.box(1).weight, "5");
  EXPECT_TRUE(dialog.box(2).checked);
  EXPECT_EQ(dialog.box(2).weight, "abc");  // converted only when the weight is used
  EXPECT_FALSE(dialog.box(3).checked);
  EXPECT_EQ(dialog.box(3).weight, "1");
  EXPECT_TRUE(dialog.box(4).checked);
  EXPECT_EQ(dialog.box(4).weight, "2");
  for (int n = 5; n <= 45; ++n) EXPECT_FALSE(dialog.box(n).checked) << n;
}

TEST_F(NumberSelection, InputThatCannotBeAWeightListIsRefusedBeforeAnyBoxChanges) {
  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"a NUL byte", std::string("3\r\n\0\r\n", 5)},
      {"over 64 KiB", std::string(64 * 1024 + 1, '1')},
      {"a line over 255 characters", "1\r\n" + std::string(256, '7') + "\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = dir.file("kaputt.blw");
    std::ofstream(path, std::ios::binary) << c.bytes;
    fakes.ui.files = {ChosenFile{path, 1}};
    EXPECT_THROW(dialog.loadWeightList(), WeightListError);
    for (int n = 1; n <= 45; ++n) {
      ASSERT_TRUE(dialog.box(n).checked);
      ASSERT_EQ(dialog.box(n).weight, "");
    }
  }
  // A missing file is a file error.
  fakes.ui.files = {ChosenFile{dir.file("fehlt.blw"), 1}};
  EXPECT_THROW(dialog.loadWeightList(), InOutError);
  // The code page: a weight text with an umlaut goes out as one byte and comes back.
  EXPECT_EQ(parseWeightList(formatWeightList({"ä"}))[0], "ä");
  EXPECT_EQ(formatWeightList({"ä"}).substr(0, 3), "\xE4\r\n");
}

TEST_F(NumberSelection, TheRandomPickFixesOneNumberAtEachPress) {
  random.setSeed(11);
  dialog.randomPick();  // start
  EXPECT_TRUE(dialog.timerRunning);
  for (int n = 1; n <= 45; ++n) EXPECT_FALSE(dialog.box(n).checked);
  dialog.timerTick();
  EXPECT_EQ(dialog.randomPickButton.caption, "1 Stopp");
  const auto picked = [this] {
    std::vector<int> numbers;
    for (int n = 1; n <= 45; ++n) {
      if (dialog.box(n).checked) {
        EXPECT_EQ(dialog.box(n).background, Colour::Yellow);
        numbers.push_back(n);
      }
    }
    return numbers;
  };
  EXPECT_EQ(picked().size(), 6u);
  std::vector<std::int32_t> fixed;
  for (int press = 1; press <= 5; ++press) {
    fixed.push_back(dialog.pickedNumbers[static_cast<std::size_t>(press)]);
    dialog.randomPick();  // fixes the number at the old position
    dialog.timerTick();
    dialog.timerTick();
    EXPECT_EQ(dialog.randomPickButton.caption, std::to_string(press + 1) + " Stopp");
    for (std::size_t i = 0; i < fixed.size(); ++i) {
      EXPECT_EQ(dialog.pickedNumbers[i + 1], fixed[i]);
      EXPECT_TRUE(dialog.box(fixed[i]).checked);
    }
    EXPECT_EQ(picked().size(), 6u);
  }
  const std::vector<int> last = picked();
  dialog.randomPick();  // the sixth press stops
  EXPECT_FALSE(dialog.timerRunning);
  EXPECT_EQ(dialog.randomPickButton.caption, "Zufall");
  EXPECT_EQ(dialog.pickFrom, 1);
  EXPECT_EQ(picked(), last);
}

using TipEdit = testing::WindowTest;

TEST_F(TipEdit, TheRowsNumbersAreCheckedAndOkWritesTheCheckedOnesBack) {
  showWith({testing::makeDraw(2025, 1, 5, {1, 2, 3, 4, 5, 6}, 7)}, dayNumber(2026, 1, 1));
  typeTip(2, {"4", "9", "15", "22", "30", "41"});
  struct Case {
    int uncheck;
    int check;
    std::array<const char*, 6> after;
  };
  for (const Case& c : {Case{41, 0, {"4", "9", "15", "22", "30", "41"}},
                        Case{41, 43, {"4", "9", "15", "22", "30", "43"}}}) {
    typeTip(2, {"4", "9", "15", "22", "30", "41"});
    std::vector<int> shown;
    fakes.ui.onModal = [&](ModalDialog& modal) {
      auto& dialog = dynamic_cast<NumberDialog&>(modal);
      EXPECT_EQ(dialog.caption, "2. Tipp");
      EXPECT_TRUE(dialog.randomPickButton.visible);  // "&Zufall"
      EXPECT_FALSE(dialog.computeButton.visible);    // "&Rechnen" hidden, OK visible
      for (int n = 1; n <= 45; ++n) {
        if (dialog.box(n).checked) {
          shown.push_back(n);
          EXPECT_EQ(dialog.box(n).background, Colour::Yellow);
        }
      }
      dialog.setChecked(c.uncheck, false);
      if (c.check != 0) dialog.setChecked(c.check, true);
      return ModalResult::Ok;
    };
    form.editTip(2);
    EXPECT_EQ(shown, (std::vector<int>{4, 9, 15, 22, 30, 41}));
    for (int index = 1; index <= 6; ++index) {
      EXPECT_EQ(form.tips.text(2, index), c.after[static_cast<std::size_t>(index - 1)]);
    }
    EXPECT_TRUE(form.numberDialog.computeButton.visible);
    EXPECT_FALSE(form.numberDialog.randomPickButton.visible);
    EXPECT_EQ(form.numberDialog.box(4).background, Colour::InfoBackground);
  }

  // An empty first field: no box checked; cancelling changes nothing.
  std::vector<int> shown;
  fakes.ui.onModal = [&](ModalDialog& modal) {
    auto& dialog = dynamic_cast<NumberDialog&>(modal);
    for (int n = 1; n <= 45; ++n) {
      if (dialog.box(n).checked) shown.push_back(n);
    }
    dialog.setChecked(5, true);
    return ModalResult::Cancel;
  };
  form.editTip(9);
  EXPECT_TRUE(shown.empty());
  EXPECT_EQ(form.tips.text(9, 1), "");
}

}  // namespace
}  // namespace lotto
