#include "app/settings.h"

#include <gtest/gtest.h>

#include <bit>

#include "platform/dates.h"
#include "support/window_fixture.h"

namespace lotto {
namespace {

using testing::makeDraw;
using Value = testing::FakeSettingsStore::Value;

std::vector<std::uint8_t> dateValue(double date) {
  const auto bits = std::bit_cast<std::uint64_t>(date);
  std::vector<std::uint8_t> bytes(8);
  for (std::size_t i = 0; i < 8; ++i) bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
  return bytes;
}

class Settings : public testing::WindowTest {
 protected:
  std::map<std::string, Value>& stored = fakes.settings.values;
  void start() {
    showWith({makeDraw(2025, 1, 5, {3, 11, 19, 25, 33, 41}, 7)}, dayNumber(2026, 1, 1));
  }
};

TEST_F(Settings, FirstStartGivesTheDefaultsAndTheFirstCloseStoresEveryValue) {
  start();
  EXPECT_EQ(fakes.settings.openedKeys, std::vector<std::string>{"Brunnhold\\KalkuAT"});
  EXPECT_FALSE(form.CheckBox1.Checked);
  EXPECT_TRUE(form.CheckBox2.Checked);
  EXPECT_TRUE(form.CheckBox14.Checked);
  EXPECT_TRUE(form.CheckBox18.Checked);
  EXPECT_FALSE(form.CheckBox20.Checked);
  EXPECT_EQ(form.UpDown1.Position(), 100);
  EXPECT_EQ(form.UpDown2.Position(), 180);
  EXPECT_EQ(form.UpDown6.Position(), 5);
  EXPECT_EQ(form.UpDown7.Position(), 100);
  EXPECT_EQ(form.UpDown8.Position(), 12);
  EXPECT_EQ(form.LaufMax, 100000);
  EXPECT_EQ(form.TippTop, 84);
  EXPECT_EQ(form.TippLeft, 29);
  EXPECT_EQ(form.Land, 1);
  EXPECT_EQ(form.Pageformat, 0);
  EXPECT_EQ(form.ProxyHostEdit.Text, "");
  EXPECT_EQ(form.ProxyPortEdit.Text, "80");
  EXPECT_EQ(form.DateTimePicker2.Date(), dayNumber(1986, 9, 7));

  form.FormClose();
  EXPECT_EQ(stored.size(), 107u);  // 17 boxes, 5 fields and sizes, 8 spinners, 72 tips, 5 more
  EXPECT_EQ(stored.at("Chekcbox2"), Value(1));
  EXPECT_EQ(stored.at("Chekcbox20"), Value(0));
  EXPECT_EQ(stored.at("UpDown7"), Value(100));
  EXPECT_EQ(stored.at("height"), Value(form.Height));
  EXPECT_EQ(stored.at("Edit79"), Value(std::string()));
  EXPECT_EQ(stored.at("DruckPapier"), Value(0));
  EXPECT_EQ(stored.at("ProxyPortEdit"), Value(std::string("80")));
  EXPECT_EQ(stored.at("DateTimePicker2"), Value(dateValue(dayNumber(1986, 9, 7))));
  EXPECT_EQ(stored.at("ServerEdit"), Value(std::string("http://127.0.0.1:8045")));
  EXPECT_EQ(fakes.settings.closes, 2);  // once after reading, once after writing
}

TEST_F(Settings, StoredValuesAreLimitedAndCleaned) {
  stored["UpDown1"] = 500;
  stored["UpDown6"] = 1;
  stored["UpDown7"] = 7;
  stored["Edit1"] = std::string("07");
  stored["Edit2"] = std::string("50");
  stored["Edit3"] = std::string("x");
  stored["Edit79"] = std::string("45");
  stored["DruckPapier"] = 17;
  stored["Chekcbox1"] = -3;  // any value but 0 is checked
  stored["ProxyPortEdit"] = std::string("8080");
  start();
  EXPECT_EQ(form.UpDown1.Position(), 279);
  EXPECT_EQ(form.UpDown6.Position(), 3);
  EXPECT_EQ(form.LaufMax, 7000);
  EXPECT_EQ(form.Tips.text(1, 1), "7");
  EXPECT_EQ(form.Tips.text(1, 2), "");
  EXPECT_EQ(form.Tips.text(1, 3), "");
  EXPECT_EQ(form.Tips.text(12, 6), "45");
  EXPECT_EQ(form.Pageformat, -1);  // no such paper: none chosen
  EXPECT_TRUE(form.CheckBox1.Checked);
  EXPECT_EQ(form.ProxyPortEdit.Text, "80");  // no proxy host: the port is "80" whatever was stored
}

TEST_F(Settings, ProxyPortIsKeptWithAHost) {
  stored["ProxyHostEdit"] = std::string("proxy.example");
  stored["ProxyPortEdit"] = std::string("8080");
  start();
  EXPECT_EQ(form.ProxyHostEdit.Text, "proxy.example");
  EXPECT_EQ(form.ProxyPortEdit.Text, "8080");
}

TEST_F(Settings, AValueOfTheWrongKindEndsItsGroupOnly) {
  stored["UpDown1"] = 120;
  stored["UpDown2"] = 170;
  stored["UpDown3"] = std::string("abc");  // a string where an integer belongs
  stored["UpDown4"] = 2;
  stored["Edit1"] = std::string("9");
  stored["ProxyHostEdit"] = std::string("proxy.example");
  stored["DateTimePicker2"] = dateValue(dayNumber(2020, 1, 5));
  start();
  EXPECT_EQ(form.UpDown1.Position(), 120);
  EXPECT_EQ(form.UpDown2.Position(), 170);
  EXPECT_EQ(form.UpDown3.Position(), 3);  // the failed value and all after it keep their defaults
  EXPECT_EQ(form.UpDown4.Position(), 0);
  EXPECT_EQ(form.Tips.text(1, 1), "");
  EXPECT_EQ(form.ProxyHostEdit.Text, "proxy.example");  // the second group is still read
  EXPECT_EQ(form.DateTimePicker2.Date(), dayNumber(2020, 1, 5));
}

TEST_F(Settings, AStoredDateThatIsNoDateEndsTheSecondGroup) {
  for (const std::vector<std::uint8_t>& bad :
       {std::vector<std::uint8_t>{1, 2, 3}, dateValue(std::numeric_limits<double>::quiet_NaN()),
        dateValue(1.0e12)}) {
    stored["DateTimePicker2"] = bad;
    form.DateTimePicker2.setDate(form.DateTimePicker2.MinDate);
    readSecondSettingsGroup(form, fakes.settings);
    EXPECT_EQ(form.DateTimePicker2.Date(), dayNumber(1986, 9, 7));
  }
  stored["DateTimePicker2"] = std::string("2020-01-05");
  readSecondSettingsGroup(form, fakes.settings);
  EXPECT_EQ(form.DateTimePicker2.Date(), dayNumber(1986, 9, 7));
}

TEST_F(Settings, WindowSizeRescalesOnceAndIsKeptOverAMaximisedRun) {
  stored["height"] = 750;
  stored["width"] = 700;
  form.FormResize(TForm1::kDesignedWidth, 500);
  start();
  EXPECT_EQ(form.Height, 750);
  EXPECT_EQ(form.Width, 700);
  EXPECT_DOUBLE_EQ(form.TabScale, 1.5);

  form.WindowState = TForm1::State::Maximized;
  form.FormResize(1920, 1080);
  form.FormClose();
  EXPECT_EQ(stored.at("height"), Value(750));
  EXPECT_EQ(stored.at("width"), Value(700));

  form.WindowState = TForm1::State::Normal;
  form.FormResize(640, 520);
  form.FormClose();
  EXPECT_EQ(stored.at("height"), Value(520));
  EXPECT_EQ(stored.at("width"), Value(640));
}

TEST_F(Settings, AbsurdWindowSizesAreNotApplied) {
  stored["height"] = 0;
  stored["width"] = 1000000;
  form.FormResize(TForm1::kDesignedWidth, 500);
  start();
  EXPECT_EQ(form.Height, 500);
  EXPECT_EQ(form.Width, TForm1::kDesignedWidth);
  EXPECT_DOUBLE_EQ(form.TabScale, 1.0);
}

TEST_F(Settings, AFailedWriteKeepsWhatWasWrittenAndTheWindowCloses) {
  start();
  fakes.settings.writesBeforeFailure = 5;
  EXPECT_NO_THROW(form.FormClose());
  EXPECT_EQ(stored.size(), 5u);
  EXPECT_EQ(stored.count("Chekcbox5"), 1u);
  EXPECT_EQ(stored.count("Chekcbox6"), 0u);
}

TEST_F(Settings, EverythingComesBackAfterARestart) {
  start();
  form.CheckBox1.Checked = true;
  form.CheckBox14.Checked = false;
  form.UpDown1.setPosition(90);
  form.UpDown3.setPosition(2);
  form.UpDown8.setPosition(5);
  typeTip(4, {"1", "9", "17", "25", "33", "41"});
  form.TipFieldChange(12, 6, "44");
  form.ProxyHostEdit.Text = "proxy.example";
  form.ProxyPortEdit.Text = "3128";
  form.ServerEdit.Text = "http://lotto.example:8080";
  form.TippTop = 90;
  form.TippLeft = 31;
  form.Pageformat = 2;
  form.Land = 3;
  form.DateTimePicker2.setDate(dayNumber(2000, 1, 2));
  form.FormResize(600, 520);
  form.FormClose();

  TForm1 again(fakes.services(), dir.file("kalkuat"));
  again.FormResize(TForm1::kDesignedWidth, 500);
  again.FormShow();
  EXPECT_TRUE(again.CheckBox1.Checked);
  EXPECT_FALSE(again.CheckBox14.Checked);
  EXPECT_EQ(again.UpDown1.Position(), 90);
  EXPECT_EQ(again.UpDown3.Position(), 2);
  EXPECT_EQ(again.UpDown8.Position(), 5);
  for (int index = 1; index <= 6; ++index)
    EXPECT_EQ(again.Tips.text(4, index), form.Tips.text(4, index));
  EXPECT_EQ(again.Tips.text(12, 6), "44");
  EXPECT_EQ(again.ProxyHostEdit.Text, "proxy.example");
  EXPECT_EQ(again.ProxyPortEdit.Text, "3128");
  EXPECT_EQ(again.ServerEdit.Text, "http://lotto.example:8080");
  EXPECT_EQ(again.TippTop, 90);
  EXPECT_EQ(again.TippLeft, 31);
  EXPECT_EQ(again.Pageformat, 2);
  EXPECT_EQ(again.Land, 3);
  EXPECT_EQ(again.DateTimePicker2.Date(), dayNumber(2000, 1, 2));
  EXPECT_EQ(again.Height, 520);
  EXPECT_EQ(again.Width, 600);
}

TEST_F(Settings, SteppingTheSpinnersRecomputesTheRunBudget) {
  start();
  form.UpDown7.setPosition(250);  // typed: counts from the next step
  EXPECT_EQ(form.LaufMax, 100000);
  form.UpDown8.setPosition(11);
  form.UpDown8Click();
  EXPECT_EQ(form.LaufMax, 250000);
  form.UpDown7.setPosition(10001);
  form.UpDown7Click();
  EXPECT_EQ(form.LaufMax, 10000000);
}

}  // namespace
}  // namespace lotto
