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

class NumberDialog : public ::testing::Test {
 protected:
  testing::TempDir dir;
  testing::FakeServices fakes;
  RandomGenerator random;
  std::string folder = dir.path();
  TForm7 dialog{random, fakes.ui, fakes.clock, folder};

  void uncheckAll() {
    for (int n = 1; n <= 45; ++n) dialog.setChecked(n, false);
  }
  // A right click: the release of the right button, no toggling.
  void rightClick(int n) { dialog.CheckBoxMouseUp(n, true); }
  // A left click: the box toggles, then the release clears Minus.
  void leftClick(int n) {
    dialog.CheckBoxClick(n);
    dialog.CheckBoxMouseUp(n, false);
  }
};

TEST_F(NumberDialog, ClicksStepTheWeightAndTheStatusTellsIt) {
  EXPECT_TRUE(dialog.box(7).Checked);
  EXPECT_EQ(dialog.box(7).Weight, "");
  EXPECT_EQ(dialog.box(7).Color, Colour::ButtonFace);
  dialog.setChecked(7, false);
  EXPECT_EQ(dialog.box(7).Weight, "0");  // unchecking an empty weight sets "0"

  dialog.setWeight(7, "2");
  leftClick(7);
  EXPECT_TRUE(dialog.box(7).Checked);
  EXPECT_EQ(dialog.box(7).Weight, "3");
  leftClick(7);
  EXPECT_FALSE(dialog.box(7).Checked);
  EXPECT_EQ(dialog.box(7).Weight, "3");
  EXPECT_EQ(dialog.StatusText, "Die Zahl 7 geht mit der Gewichtung 3 in die Berechnung ein");
  EXPECT_TRUE(dialog.ShowHint);

  // A right click lowers a checked weight and unchecks at 0.
  dialog.setWeight(9, "1");
  rightClick(9);
  EXPECT_FALSE(dialog.box(9).Checked);
  EXPECT_EQ(dialog.box(9).Weight, "0");
  EXPECT_EQ(dialog.StatusText, "Die Zahl 9 geht mit der Gewichtung 0 in die Berechnung ein");
  // The first left click after it still steps down: the release comes after the click.
  dialog.setWeight(9, "5");
  leftClick(9);
  EXPECT_EQ(dialog.box(9).Weight, "4");
  EXPECT_FALSE(dialog.Minus);
  leftClick(9);
  leftClick(9);
  EXPECT_EQ(dialog.box(9).Weight, "5");

  // Checking a box whose weight is no number: "0", and unchecked again.
  dialog.setChecked(11, false);
  dialog.setWeight(11, "");
  dialog.CheckBoxClick(11);
  EXPECT_FALSE(dialog.box(11).Checked);
  EXPECT_EQ(dialog.box(11).Weight, "0");
  dialog.setWeight(11, "x");
  dialog.setChecked(11, true);
  EXPECT_EQ(dialog.box(11).Weight, "0");
  EXPECT_FALSE(dialog.box(11).Checked);
  // A negative weight becomes "0".
  dialog.setWeight(12, "-4");
  dialog.setChecked(12, false);
  EXPECT_EQ(dialog.box(12).Weight, "0");
  // Pointing shows a box's weight and changes nothing.
  dialog.CheckBoxMouseMove(7);
  EXPECT_EQ(dialog.StatusText, "Die Zahl 7 geht mit der Gewichtung 3 in die Berechnung ein");
}

TEST_F(NumberDialog, AWeightListIsSavedAndLoadedLineByLine) {
  fakes.clock.todayValue = dayNumber(2026, 12, 9);
  uncheckAll();
  dialog.setWeight(1, "3");
  dialog.setChecked(1, true);  // 3 + 1
  dialog.setWeight(1, "3");
  dialog.setWeight(2, "");
  dialog.setWeight(2, "0");
  dialog.setChecked(2, true);  // "0" + 1
  dialog.setWeight(2, "");
  ASSERT_TRUE(dialog.box(2).Checked);

  const std::string path = dir.file("liste.blw");
  fakes.ui.files = {ChosenFile{path, 1}};
  dialog.SpeedButton1Click();
  ASSERT_EQ(fakes.ui.fileDialogs.size(), 1u);
  EXPECT_EQ(fakes.ui.fileDialogs[0].filter, "Werteliste|*.blw");
  EXPECT_EQ(fakes.ui.fileDialogs[0].defaultExtension, "blw");
  EXPECT_EQ(fakes.ui.fileDialogs[0].proposedName, "20261209.blw");
  EXPECT_EQ(fakes.ui.fileDialogs[0].folder, dir.path());
  std::string expected = "3\r\n1\r\n";
  for (int i = 3; i <= 45; ++i) expected += "\r\n";
  EXPECT_EQ(readWholeFile(path), expected);
  EXPECT_EQ(dialog.box(2).Weight, "1");

  // Loading it into a dialog in another state.
  for (int n = 1; n <= 45; ++n) {
    dialog.setChecked(n, true);
    dialog.setWeight(n, "7");
  }
  fakes.ui.files = {ChosenFile{path, 1}};
  dialog.SpeedButton2Click();
  EXPECT_TRUE(dialog.box(1).Checked);
  EXPECT_EQ(dialog.box(1).Weight, "3");
  EXPECT_TRUE(dialog.box(2).Checked);
  EXPECT_EQ(dialog.box(2).Weight, "1");
  for (int n = 3; n <= 45; ++n) {
    EXPECT_FALSE(dialog.box(n).Checked) << n;
    EXPECT_EQ(dialog.box(n).Weight, "1") << n;
  }
  // Cancelled dialogs do nothing.
  dialog.SpeedButton1Click();
  dialog.SpeedButton2Click();
  EXPECT_EQ(dialog.box(1).Weight, "3");
}

TEST_F(NumberDialog, AShortFileAndLinesThatAreNoNumbersLoadAsTheyStand) {
  const std::string path = dir.file("kurz.blw");
  std::ofstream(path, std::ios::binary) << "5\r\nabc\n\r\n2";
  fakes.ui.files = {ChosenFile{path, 1}};
  dialog.SpeedButton2Click();
  EXPECT_TRUE(dialog.box(1).Checked);
  EXPECT_EQ(dialog.box(1).Weight, "5");
  EXPECT_TRUE(dialog.box(2).Checked);
  EXPECT_EQ(dialog.box(2).Weight, "abc");  // converted only when the weight is used
  EXPECT_FALSE(dialog.box(3).Checked);
  EXPECT_EQ(dialog.box(3).Weight, "1");
  EXPECT_TRUE(dialog.box(4).Checked);
  EXPECT_EQ(dialog.box(4).Weight, "2");
  for (int n = 5; n <= 45; ++n) EXPECT_FALSE(dialog.box(n).Checked) << n;
}

TEST_F(NumberDialog, InputThatCannotBeAWeightListIsRefusedBeforeAnyBoxChanges) {
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
    EXPECT_THROW(dialog.SpeedButton2Click(), WeightListError);
    for (int n = 1; n <= 45; ++n) {
      ASSERT_TRUE(dialog.box(n).Checked);
      ASSERT_EQ(dialog.box(n).Weight, "");
    }
  }
  // A missing file is a file error.
  fakes.ui.files = {ChosenFile{dir.file("fehlt.blw"), 1}};
  EXPECT_THROW(dialog.SpeedButton2Click(), InOutError);
  // The code page: a weight text with an umlaut goes out as one byte and comes back.
  EXPECT_EQ(parseWeightList(formatWeightList({"ä"}))[0], "ä");
  EXPECT_EQ(formatWeightList({"ä"}).substr(0, 3), "\xE4\r\n");
}

TEST_F(NumberDialog, TheRandomPickFixesOneNumberAtEachPress) {
  random.setSeed(11);
  dialog.BitBtn4Click();  // start
  EXPECT_TRUE(dialog.Timer1Enabled);
  for (int n = 1; n <= 45; ++n) EXPECT_FALSE(dialog.box(n).Checked);
  dialog.Timer1Timer();
  EXPECT_EQ(dialog.BitBtn4.Caption, "1 Stopp");
  const auto picked = [this] {
    std::vector<int> numbers;
    for (int n = 1; n <= 45; ++n) {
      if (dialog.box(n).Checked) {
        EXPECT_EQ(dialog.box(n).Color, Colour::Yellow);
        numbers.push_back(n);
      }
    }
    return numbers;
  };
  EXPECT_EQ(picked().size(), 6u);
  std::vector<std::int32_t> fixed;
  for (int press = 1; press <= 5; ++press) {
    fixed.push_back(dialog.Tippreihe[static_cast<std::size_t>(press)]);
    dialog.BitBtn4Click();  // fixes the number at the old position
    dialog.Timer1Timer();
    dialog.Timer1Timer();
    EXPECT_EQ(dialog.BitBtn4.Caption, std::to_string(press + 1) + " Stopp");
    for (std::size_t i = 0; i < fixed.size(); ++i) {
      EXPECT_EQ(dialog.Tippreihe[i + 1], fixed[i]);
      EXPECT_TRUE(dialog.box(fixed[i]).Checked);
    }
    EXPECT_EQ(picked().size(), 6u);
  }
  const std::vector<int> last = picked();
  dialog.BitBtn4Click();  // the sixth press stops
  EXPECT_FALSE(dialog.Timer1Enabled);
  EXPECT_EQ(dialog.BitBtn4.Caption, "Zufall");
  EXPECT_EQ(dialog.Losgeht, 1);
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
      auto& dialog = dynamic_cast<TForm7&>(modal);
      EXPECT_EQ(dialog.Caption, "2. Tipp");
      EXPECT_TRUE(dialog.BitBtn4.Visible);   // "&Zufall"
      EXPECT_FALSE(dialog.BitBtn3.Visible);  // "&Rechnen" hidden, OK visible
      for (int n = 1; n <= 45; ++n) {
        if (dialog.box(n).Checked) {
          shown.push_back(n);
          EXPECT_EQ(dialog.box(n).Color, Colour::Yellow);
        }
      }
      dialog.setChecked(c.uncheck, false);
      if (c.check != 0) dialog.setChecked(c.check, true);
      return ModalResult::Ok;
    };
    form.TippEditClick(2);
    EXPECT_EQ(shown, (std::vector<int>{4, 9, 15, 22, 30, 41}));
    for (int index = 1; index <= 6; ++index) {
      EXPECT_EQ(form.Tips.text(2, index), c.after[static_cast<std::size_t>(index - 1)]);
    }
    EXPECT_TRUE(form.Form7.BitBtn3.Visible);
    EXPECT_FALSE(form.Form7.BitBtn4.Visible);
    EXPECT_EQ(form.Form7.box(4).Color, Colour::InfoBackground);
  }

  // An empty first field: no box checked; cancelling changes nothing.
  std::vector<int> shown;
  fakes.ui.onModal = [&](ModalDialog& modal) {
    auto& dialog = dynamic_cast<TForm7&>(modal);
    for (int n = 1; n <= 45; ++n) {
      if (dialog.box(n).Checked) shown.push_back(n);
    }
    dialog.setChecked(5, true);
    return ModalResult::Cancel;
  };
  form.TippEditClick(9);
  EXPECT_TRUE(shown.empty());
  EXPECT_EQ(form.Tips.text(9, 1), "");
}

}  // namespace
}  // namespace lotto
