// Tip files, the portal export, the text sheet and the slip layout.

#include <gtest/gtest.h>

#include <fstream>

#include "output/slip.h"
#include "output/tip_file.h"
#include "output/tip_sheet.h"
#include "platform/dates.h"
#include "platform/errors.h"
#include "platform/file_io.h"
#include "platform/german.h"
#include "support/window_fixture.h"

namespace lotto {
namespace {

using testing::makeDraw;

void setTip(TipGrid& tips, int tip, std::array<const char*, 6> fields) {
  for (int index = 1; index <= 6; ++index)
    tips.setText(tip, index, fields[static_cast<std::size_t>(index - 1)]);
}

std::vector<std::string> tipRows(const TipGrid& tips) {
  std::vector<std::string> rows;
  for (int tip = 1; tip <= 12; ++tip) {
    std::string row;
    for (int index = 1; index <= 6; ++index) row += (index > 1 ? "," : "") + tips.text(tip, index);
    rows.push_back(row);
  }
  return rows;
}

TEST(TipFile, LinesOfTheFilledTipsInGridOrder) {
  TipGrid tips;
  EXPECT_EQ(tipFileContent(tips), "");  // a grid without tips: 0 bytes
  setTip(tips, 1, {"3", "17", "22", "30", "41", "45"});
  setTip(tips, 3, {"7", "", "", "", "", ""});
  setTip(tips, 4, {"", "5", "6", "7", "8", "9"});  // first field empty: not saved
  EXPECT_EQ(tipFileContent(tips), "3,17,22,30,41,45\r\n7,,,,,\r\n");
}

TEST(TipFile, LinesSplitIntoTheTwelveTipsThroughTheCleaningRule) {
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::string> firstRows;  // the rest of the twelve are empty
  };
  const Case cases[] = {
      {"two lines fill tips 1 and 2",
       "3,17,22,30,41,45\r\n1,2,3,4,5,6\r\n",
       {"3,17,22,30,41,45", "1,2,3,4,5,6"}},
      {"only the first field", "7,,,,,\r\n", {"7,,,,,"}},
      {"a seventh number spoils field 6", "1,2,3,4,5,6,7\r\n", {"1,2,3,4,5,"}},
      {"three numbers", "1,2,3\r\n", {"1,2,,,,3"}},
      {"LF alone ends a line", "1,2,3,4,5,6\n7,8,9,10,11,12", {"1,2,3,4,5,6", "7,8,9,10,11,12"}},
      {"numbers out of range and junk", "0,46,x,+7,07, 9\r\n\x01\xff,,,\r\n", {",,,7,7,", ",,,,,"}},
      {"an empty file empties every tip", "", {}},
      {"a thirteenth line is not read",
       std::string("1,2,3,4,5,6\r\n") +
           [] {
             std::string lines;
             for (int i = 0; i < 12; ++i) lines += "7,8,9,10,11,12\r\n";
             return lines;
           }(),
       {"1,2,3,4,5,6", "7,8,9,10,11,12", "7,8,9,10,11,12", "7,8,9,10,11,12", "7,8,9,10,11,12",
        "7,8,9,10,11,12", "7,8,9,10,11,12", "7,8,9,10,11,12", "7,8,9,10,11,12", "7,8,9,10,11,12",
        "7,8,9,10,11,12", "7,8,9,10,11,12"}},
      {"a line of 10000 characters",
       std::string(10000, '9') + "\r\n1,2,3,4,5,6",
       {",,,,,", "1,2,3,4,5,6"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TipGrid tips;
    for (int tip = 1; tip <= 12; ++tip) setTip(tips, tip, {"44", "44", "44", "44", "44", "44"});
    fillFromTipFile(tips, c.bytes);
    std::vector<std::string> expected = c.firstRows;
    expected.resize(12, ",,,,,");
    EXPECT_EQ(tipRows(tips), expected);
  }
}

TEST(TipFile, TheNamesCarryTheNextDrawDate) {
  const double today = dayNumber(2026, 12, 10);
  EXPECT_EQ(tipFileName(tipFileDate(dayNumber(2024, 5, 15), today)), "20240518.blt");  // Wednesday
  EXPECT_EQ(tipFileName(tipFileDate(dayNumber(2024, 5, 19), today)), "20240522.blt");  // Sunday
  EXPECT_EQ(tipFileName(tipFileDate(dayNumber(2024, 5, 18), today)), "20240522.blt");  // Saturday
  EXPECT_EQ(tipFileName(tipFileDate(dayNumber(2024, 5, 14), today)), "20261210.blt");  // Tuesday
}

TEST(PortalExport, TaggedLinesWithTwoDigitNumbers) {
  TipGrid tips;
  const std::string head =
      "<oelg>\r\n<versionsNr>4.0</versionsNr>\r\n<wsArt>47</wsArt>\r\n<tnDauer>1</tnDauer>\r\n"
      "<schein>\r\n";
  const std::string tail = "</schein>\r\n</oelg>\r\n";
  EXPECT_EQ(portalExportContent(tips), head + tail);
  setTip(tips, 1, {"3", "17", "22", "30", "41", "45"});
  setTip(tips, 2, {"", "1", "2", "3", "4", "5"});
  setTip(tips, 3, {"9", "1", "45", "10", "2", "8"});
  EXPECT_EQ(portalExportContent(tips),
            head +
                "<lottoTipp>03,17,22,30,41,45</lottoTipp>\r\n<lottoTipp>09,01,45,10,02,08</"
                "lottoTipp>\r\n" +
                tail);
  setTip(tips, 4, {"5", "", "", "", "", ""});
  EXPECT_THROW(portalExportContent(tips), ConversionError);
}

class TipFiles : public testing::WindowTest {
 protected:
  void SetUp() override {
    showWith({makeDraw(2024, 5, 19, {3, 11, 19, 25, 33, 41}, 7)}, dayNumber(2026, 12, 10));
    typeTip(1, {"3", "17", "22", "30", "41", "45"});
    typeTip(3, {"1", "2", "3", "4", "5", "6"});
  }
};

TEST_F(TipFiles, SaveWritesTheTypeChosenAndNothingWhenCancelled) {
  form.drawOnShow.chosenDate.setDate(dayNumber(2024, 5, 19));
  fakes.ui.files = {ChosenFile{dir.file("a.blt"), 1}, ChosenFile{dir.file("b.pcs"), 2}};
  form.saveTips();
  form.saveTips();
  ASSERT_EQ(fakes.ui.fileDialogs.size(), 2u);
  EXPECT_EQ(fakes.ui.fileDialogs[0].filter, "Tippdatei|*.blt|Win2Day-Datei|*.pcs");
  EXPECT_EQ(fakes.ui.fileDialogs[0].defaultExtension, "blt");
  EXPECT_EQ(fakes.ui.fileDialogs[0].proposedName, "20240522.blt");
  EXPECT_EQ(readWholeFile(dir.file("a.blt")), tipFileContent(form.tips));
  EXPECT_EQ(readWholeFile(dir.file("b.pcs")), portalExportContent(form.tips));
  form.saveTips();  // cancelled
  EXPECT_FALSE(fileExists(dir.file("20240522.blt")));

  // A failing export leaves the old file whole and no part of a new one.
  form.setTipField(5, 1, "9");
  fakes.ui.files = {ChosenFile{dir.file("b.pcs"), 2}};
  const std::string before = readWholeFile(dir.file("b.pcs"));
  EXPECT_THROW(form.saveTips(), ConversionError);
  EXPECT_EQ(readWholeFile(dir.file("b.pcs")), before);
  EXPECT_FALSE(fileExists(dir.file("b.pcs~")));
}

TEST_F(TipFiles, LoadReplacesTheTipsAndChecksThem) {
  const std::string path = dir.file("t.blt");
  std::ofstream(path, std::ios::binary) << "10,11,12,13,14,15\r\n3,11,19,25,33,41\r\n";
  form.toggleTipMark(3);  // marked: spared by the clearing, overwritten by the file
  fakes.ui.files = {ChosenFile{path, 1}};
  form.loadTips();
  EXPECT_EQ(fakes.ui.fileDialogs.back().filter, "Tippdatei|*.blt");
  EXPECT_EQ(tipRows(form.tips)[0], "10,11,12,13,14,15");
  EXPECT_EQ(tipRows(form.tips)[1], "3,11,19,25,33,41");
  EXPECT_EQ(tipRows(form.tips)[2], ",,,,,");          // no line for it
  EXPECT_EQ(form.tips.row(2).hitLabel.caption, "6");  // checked against the draw on show

  // Cancelled: the grid stays, the check still runs.
  form.tips.row(2).hitLabel.caption = "";
  form.loadTips();
  EXPECT_EQ(tipRows(form.tips)[1], "3,11,19,25,33,41");
  EXPECT_EQ(form.tips.row(2).hitLabel.caption, "6");

  // A file that cannot be read, or is too large for a tip file, costs no tip.
  fakes.ui.files = {ChosenFile{dir.file("missing.blt"), 1}};
  EXPECT_THROW(form.loadTips(), InOutError);
  EXPECT_EQ(tipRows(form.tips)[0], "10,11,12,13,14,15");
  std::ofstream(dir.file("big.blt"), std::ios::binary) << std::string((1 << 20) + 1, '1');
  fakes.ui.files = {ChosenFile{dir.file("big.blt"), 1}};
  EXPECT_THROW(form.loadTips(), AppError);
  EXPECT_EQ(tipRows(form.tips)[0], "10,11,12,13,14,15");
}

TEST_F(TipFiles, TheAutomaticSaveGoesIntoTheTipsFolder) {
  form.drawOnShow.chosenDate.setDate(dayNumber(2024, 5, 15));  // a Wednesday
  form.saveTipsForNextDraw();
  const std::string path = dir.file("Tipps/20240518.blt");
  EXPECT_EQ(readWholeFile(path), "3,17,22,30,41,45\r\n1,2,3,4,5,6\r\n");
  form.clearUnmarkedTips();
  form.saveTipsForNextDraw();  // replaces it without a question
  EXPECT_EQ(readWholeFile(path), "");
}

TEST(TipSheet, TitleColumnsAndTheNextDrawDay) {
  TipGrid tips;
  const std::string head = "\r\n" + std::string(46, '~') + "\r\n\r\n";
  EXPECT_EQ(tipSheetContent(tips, dayNumber(2024, 5, 15)),
            "Brunnholds Lotto-Tipp für Sonntag 19.05.24" + head);
  EXPECT_EQ(tipSheetContent(tips, dayNumber(2024, 5, 19)),
            "Brunnholds Lotto-Tipp für Mittwoch 22.05.24" + head);
  // A Friday extra draw leads to the next regular draw day, not to a Monday.
  EXPECT_EQ(tipSheetContent(tips, dayNumber(2026, 8, 21)),
            "Brunnholds Lotto-Tipp für Sonntag 23.08.26" + head);

  setTip(tips, 1, {"3", "17", "22", "30", "41", "45"});
  setTip(tips, 3, {"5", "45", "1", "10", "2", "9"});
  const std::string sheet = tipSheetContent(tips, dayNumber(2024, 5, 15));
  const std::string first = " 1. Tipp:  3   17   22   30   41   45";
  EXPECT_EQ(first.size(), 37u);
  EXPECT_EQ(sheet, "Brunnholds Lotto-Tipp für Sonntag 19.05.24" + head + first + "\r\n" +
                       " 3. Tipp:  5   45    1   10    2    9\r\n");
  setTip(tips, 12, {"9", "8", "7", "6", "5", "4"});
  EXPECT_NE(tipSheetContent(tips, 0).find("\r\n12. Tipp:  9    8    7"), std::string::npos);
  setTip(tips, 4, {"5", "", "", "", "", ""});
  EXPECT_THROW(tipSheetContent(tips, 0), ConversionError);
}

using TipSheetCommand = testing::WindowTest;

TEST_F(TipSheetCommand, WritesTippTxtAndOpensIt) {
  showWith({makeDraw(2026, 8, 21, {1, 3, 24, 32, 36, 42}, 37)}, dayNumber(2026, 12, 10));
  typeTip(1, {"3", "17", "22", "30", "41", "45"});
  form.printTipSheet();
  const std::string path = dir.file("Tipp.txt");
  const auto title = [&path] {
    const std::string sheet = readWholeFile(path);
    return sheet.substr(0, sheet.find("\r\n"));
  };
  EXPECT_EQ(title(), "Brunnholds Lotto-Tipp für Sonntag 23.08.26");
  EXPECT_EQ(fakes.shell.opened.back(), path);
  // A sheet that cannot be made leaves the last one and opens nothing.
  form.setTipField(2, 1, "4");
  const std::size_t opened = fakes.shell.opened.size();
  EXPECT_THROW(form.printTipSheet(), ConversionError);
  EXPECT_EQ(fakes.shell.opened.size(), opened);
  EXPECT_EQ(title(), "Brunnholds Lotto-Tipp für Sonntag 23.08.26");
}

// The cross of number n of tip `tip` on a page, or none.
std::optional<std::pair<double, double>> crossOf(const ReportPage& page, int tip, int n) {
  for (const ReportText& text : page.texts) {
    if (text.name == "Tipp " + std::to_string(tip) + ": " + std::to_string(n)) {
      return std::pair{text.x, text.y};
    }
  }
  return std::nullopt;
}

bool hasMark(const ReportPage& page, const std::string& name) {
  for (const ReportText& text : page.texts) {
    if (text.name == name) return true;
  }
  return false;
}

TEST(SlipLayout, CrossesStandWhereTheBoxesPutTheirNumbers) {
  SlipSettingsDialog settings;
  const SlipPrinting a4;
  TipGrid tips;
  setTip(tips, 1, {"1", "45", "7", "", "", ""});
  setTip(tips, 2, {"7", "8", "9", "10", "11", "12"});
  setTip(tips, 4, {"1", "2", "3", "4", "5", "6"});  // tip 3 empty: tip 4 into box 2
  const ReportPage page = slipPage(tips, 84, 29, settings, a4, "");
  using Point = std::pair<double, double>;
  EXPECT_EQ(crossOf(page, 1, 1), (Point{29, 84}));
  EXPECT_EQ(crossOf(page, 1, 45), (Point{59, 189}));
  EXPECT_EQ(crossOf(page, 2, 7), (Point{29, 219}));
  EXPECT_EQ(crossOf(page, 4, 1), (Point{29 + 87, 84}));
  EXPECT_EQ(crossOf(page, 4, 6), (Point{29 + 87 + 75, 84}));
  EXPECT_EQ(page.texts.front().text, "x");
  EXPECT_EQ(page.texts.front().font, "Arial");
  EXPECT_EQ(page.texts.front().pointSize, 9);

  TipGrid all;
  for (int tip = 1; tip <= 12; ++tip) setTip(all, tip, {"1", "2", "3", "4", "5", "6"});
  EXPECT_EQ(crossOf(slipPage(all, 84, 29, settings, a4, ""), 12, 1), (Point{464, 204}));

  // Tip 1 empty: box 0 stays empty and tip 2 goes into box 1; a tip without a first field
  // prints nothing, but tip 1 prints every filled field.
  TipGrid gaps;
  setTip(gaps, 1, {"", "5", "", "", "", ""});
  setTip(gaps, 2, {"1", "2", "3", "4", "5", "6"});
  setTip(gaps, 3, {"", "7", "8", "9", "10", "11"});
  const ReportPage gapPage = slipPage(gaps, 84, 29, settings, a4, "");
  EXPECT_EQ(crossOf(gapPage, 1, 5), (Point{29 + 60, 84}));
  EXPECT_EQ(crossOf(gapPage, 2, 1), (Point{29, 204}));
  EXPECT_FALSE(crossOf(gapPage, 3, 7));
  // Offsets move everything.
  EXPECT_EQ(crossOf(slipPage(tips, 10, 20, settings, a4, ""), 1, 1), (Point{20, 10}));
}

TEST(SlipLayout, DayAndJokerMarks) {
  struct Case {
    bool sunday, wednesday, joker, joker2, joker3;
    std::vector<std::string> marks;
  };
  const Case cases[] = {
      {false, true, false, false, false, {"Samstag", "Spiel77Nein"}},
      {true, false, true, false, false, {"Samstag", "Spiel77Ja"}},
      {true, true, false, true, false, {"Mittwoch", "Super6"}},
      {false, false, true, true, true, {"Joker3", "Super6", "Spiel77Ja"}},
  };
  for (const Case& c : cases) {
    SlipSettingsDialog settings;
    settings.sunday.checked = c.sunday;
    settings.wednesday.checked = c.wednesday;
    settings.joker1.checked = c.joker;
    settings.joker2.checked = c.joker2;
    settings.joker3.checked = c.joker3;
    const ReportPage page = slipPage(TipGrid{}, 84, 29, settings, SlipPrinting{}, "");
    std::vector<std::string> marks;
    for (const ReportText& text : page.texts) marks.push_back(text.name);
    EXPECT_EQ(marks, c.marks);
  }
  SlipSettingsDialog settings;
  settings.wednesday.checked = true;
  const ReportPage page = slipPage(TipGrid{}, 84, 29, settings, SlipPrinting{}, "");
  EXPECT_EQ(page.texts[0].x, 29 + 103);
  EXPECT_EQ(page.texts[0].y, 84 + 272);
  EXPECT_EQ(page.texts[1].x, 29 + 350);
  EXPECT_EQ(page.texts[1].y, 84 + 300);
}

TEST(SlipCost, TipsJokersAndDays) {
  EXPECT_EQ(slipCost(3, true, true, 1), "10,20 €");
  EXPECT_EQ(slipCost(3, true, false, 1), "5,10 €");
  EXPECT_EQ(slipCost(12, false, false, 3), "0,00 €");
  EXPECT_EQ(slipCost(1, false, true, 0), "1,20 €");
  EXPECT_EQ(formatMoney(123450), "1.234,50 €");
}

class SlipPrint : public testing::WindowTest {
 protected:
  void SetUp() override {
    showWith({makeDraw(2025, 1, 5, {1, 2, 3, 4, 5, 6}, 7)}, dayNumber(2026, 12, 10));
    typeTip(1, {"1", "2", "3", "4", "5", "6"});
    typeTip(2, {"7", "8", "9", "10", "11", "12"});
    typeTip(5, {"13", "14", "15", "16", "17", "18"});
  }
  ModalResult answer = ModalResult::Ok;
  std::function<void(SlipSettingsDialog&)> user = [](SlipSettingsDialog&) {};
  void print() {
    fakes.ui.onModal = [this](ModalDialog& dialog) {
      user(dynamic_cast<SlipSettingsDialog&>(dialog));
      return answer;
    };
    form.printOnSlip();
  }
};

TEST_F(SlipPrint, TheDialogOpensPresetAndThePreviewShowsThePage) {
  struct Day {
    double today;
    bool sunday;
  };
  for (const Day& day : {Day{dayNumber(2026, 12, 11), true},     // Friday
                         Day{dayNumber(2026, 12, 13), false},    // Sunday
                         Day{dayNumber(2026, 12, 9), false},     // Wednesday
                         Day{dayNumber(2026, 12, 10), true}}) {  // Thursday
    fakes.clock.todayValue = day.today;
    bool sunday = false, wednesday = false;
    int tips = 0;
    std::string cost;
    user = [&](SlipSettingsDialog& dialog) {
      sunday = dialog.sunday.checked;
      wednesday = dialog.wednesday.checked;
      tips = dialog.tipCount;
      cost = dialog.cost.caption;
      EXPECT_EQ(dialog.topOffset.value(), 84);
      EXPECT_EQ(dialog.leftOffset.value(), 29);
    };
    print();
    EXPECT_EQ(sunday, day.sunday);
    EXPECT_EQ(wednesday, !day.sunday);
    EXPECT_EQ(tips, 3);
    EXPECT_EQ(cost, "3,60 €");
  }
  ASSERT_EQ(fakes.report.pages.size(), 4u);
  const ReportPage& page = fakes.report.pages.back();
  EXPECT_EQ(page.widthMm(), 210);
  EXPECT_EQ(page.heightMm(), 297);
  EXPECT_TRUE(hasMark(page, "Tipp 5: 13"));  // tip 5 in box 2
  EXPECT_FALSE(page.picture);

  // A Joker ticked before counts at once; the settings the user sets are taken.
  user = [](SlipSettingsDialog& dialog) {
    dialog.setChecked(dialog.joker3, true);
    EXPECT_EQ(dialog.cost.caption, "5,10 €");
    dialog.setChecked(dialog.wednesday, true);  // both draw days
    EXPECT_EQ(dialog.cost.caption, "10,20 €");
    dialog.topOffset.setValue(90);
    dialog.leftOffset.setValue(31);
    dialog.paperFormat = 2;
    dialog.setChecked(dialog.showPicture, true);
  };
  print();
  EXPECT_EQ(form.slipPrinting.slipTop, 90);
  EXPECT_EQ(form.slipPrinting.slipLeft, 31);
  EXPECT_EQ(form.slipPrinting.paperFormat, 2);
  const ReportPage& small = fakes.report.pages.back();
  EXPECT_EQ(small.widthMm(), 210);
  EXPECT_EQ(small.heightMm(), 148);
  EXPECT_TRUE(small.landscape);
  EXPECT_TRUE(hasMark(small, "Joker3"));
  EXPECT_FALSE(small.picture);  // no schein.jpg beside the program
  std::ofstream(dir.file("schein.jpg")) << "picture";
  user = [](SlipSettingsDialog& dialog) { dialog.paperFormat = -1; };
  print();
  ASSERT_TRUE(fakes.report.pages.back().picture);
  EXPECT_EQ(fakes.report.pages.back().picture->path, dir.file("schein.jpg"));
  EXPECT_EQ(fakes.report.pages.back().heightMm(), 148);  // no paper chosen: the last size
  EXPECT_TRUE(form.slipSettings.joker3.checked);         // the dialog keeps its boxes

  // Aborted: nothing changes and nothing is shown.
  answer = ModalResult::Abort;
  user = [](SlipSettingsDialog& dialog) { dialog.topOffset.setValue(10); };
  const std::size_t shown = fakes.report.pages.size();
  print();
  EXPECT_EQ(fakes.report.pages.size(), shown);
  EXPECT_EQ(form.slipPrinting.slipTop, 90);
  EXPECT_EQ(form.slipPrinting.paperFormat, -1);
}

}  // namespace
}  // namespace lotto
