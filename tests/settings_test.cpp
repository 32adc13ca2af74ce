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
  EXPECT_FALSE(form.options.preferFrequentPairs.checked);
  EXPECT_TRUE(form.options.preferFrequentNumbers.checked);
  EXPECT_TRUE(form.options.preferSeldomNumbers.checked);
  EXPECT_TRUE(form.options.rejectRunOfThree.checked);
  EXPECT_FALSE(form.options.editPoolBeforeDrawing.checked);
  EXPECT_EQ(form.options.quersummeFrom.value(), 100);
  EXPECT_EQ(form.options.quersummeTo.value(), 180);
  EXPECT_EQ(form.options.pastDrawMatchSize.value(), 5);
  EXPECT_EQ(form.options.runBudgetThousands.value(), 100);
  EXPECT_EQ(form.options.tipCount.value(), 12);
  EXPECT_EQ(form.state.runBudget, 100000);
  EXPECT_EQ(form.slipPrinting.slipTop, 84);
  EXPECT_EQ(form.slipPrinting.slipLeft, 29);
  EXPECT_EQ(form.state.country, 1);
  EXPECT_EQ(form.slipPrinting.paperFormat, 0);
  EXPECT_EQ(form.internetOptions.proxyHost.text, "");
  EXPECT_EQ(form.internetOptions.proxyPort.text, "80");
  EXPECT_EQ(form.chartTab.statisticsStart.date(), dayNumber(1986, 9, 7));

  form.onClose();
  EXPECT_EQ(stored.size(), 107u);  // 17 boxes, 5 fields and sizes, 8 spinners, 72 tips, 5 more
  EXPECT_EQ(stored.at("Chekcbox2"), Value(1));
  EXPECT_EQ(stored.at("Chekcbox20"), Value(0));
  EXPECT_EQ(stored.at("UpDown7"), Value(100));
  EXPECT_EQ(stored.at("height"), Value(form.frame.height));
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
  EXPECT_EQ(form.options.quersummeFrom.value(), 279);
  EXPECT_EQ(form.options.pastDrawMatchSize.value(), 3);
  EXPECT_EQ(form.state.runBudget, 7000);
  EXPECT_EQ(form.tips.text(1, 1), "7");
  EXPECT_EQ(form.tips.text(1, 2), "");
  EXPECT_EQ(form.tips.text(1, 3), "");
  EXPECT_EQ(form.tips.text(12, 6), "45");
  EXPECT_EQ(form.slipPrinting.paperFormat, -1);  // no such paper: none chosen
  EXPECT_TRUE(form.options.preferFrequentPairs.checked);
  EXPECT_EQ(form.internetOptions.proxyPort.text,
            "80");  // no proxy host: the port is "80" whatever was stored
}

TEST_F(Settings, ProxyPortIsKeptWithAHost) {
  stored["ProxyHostEdit"] = std::string("proxy.example");
  stored["ProxyPortEdit"] = std::string("8080");
  start();
  EXPECT_EQ(form.internetOptions.proxyHost.text, "proxy.example");
  EXPECT_EQ(form.internetOptions.proxyPort.text, "8080");
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
  EXPECT_EQ(form.options.quersummeFrom.value(), 120);
  EXPECT_EQ(form.options.quersummeTo.value(), 170);
  EXPECT_EQ(form.options.overlapLimit.value(),
            3);  // the failed value and all after it keep their defaults
  EXPECT_EQ(form.options.lastDrawLimit.value(), 0);
  EXPECT_EQ(form.tips.text(1, 1), "");
  EXPECT_EQ(form.internetOptions.proxyHost.text,
            "proxy.example");  // the second group is still read
  EXPECT_EQ(form.chartTab.statisticsStart.date(), dayNumber(2020, 1, 5));
}

TEST_F(Settings, AStoredDateThatIsNoDateEndsTheSecondGroup) {
  for (const std::vector<std::uint8_t>& bad :
       {std::vector<std::uint8_t>{1, 2, 3}, dateValue(std::numeric_limits<double>::quiet_NaN()),
        dateValue(1.0e12)}) {
    stored["DateTimePicker2"] = bad;
    form.chartTab.statisticsStart.setDate(form.chartTab.statisticsStart.minDate);
    readSecondSettingsGroup(form, fakes.settings);
    EXPECT_EQ(form.chartTab.statisticsStart.date(), dayNumber(1986, 9, 7));
  }
  stored["DateTimePicker2"] = std::string("2020-01-05");
  readSecondSettingsGroup(form, fakes.settings);
  EXPECT_EQ(form.chartTab.statisticsStart.date(), dayNumber(1986, 9, 7));
}

TEST_F(Settings, WindowSizeRescalesOnceAndIsKeptOverAMaximisedRun) {
  stored["height"] = 750;
  stored["width"] = 700;
  form.onResize(WindowFrame::kDesignedWidth, 500);
  start();
  EXPECT_EQ(form.frame.height, 750);
  EXPECT_EQ(form.frame.width, 700);
  EXPECT_DOUBLE_EQ(form.frame.tabScale, 1.5);

  form.frame.windowState = WindowFrame::State::Maximized;
  form.onResize(1920, 1080);
  form.onClose();
  EXPECT_EQ(stored.at("height"), Value(750));
  EXPECT_EQ(stored.at("width"), Value(700));

  form.frame.windowState = WindowFrame::State::Normal;
  form.onResize(640, 520);
  form.onClose();
  EXPECT_EQ(stored.at("height"), Value(520));
  EXPECT_EQ(stored.at("width"), Value(640));
}

TEST_F(Settings, AbsurdWindowSizesAreNotApplied) {
  stored["height"] = 0;
  stored["width"] = 1000000;
  form.onResize(WindowFrame::kDesignedWidth, 500);
  start();
  EXPECT_EQ(form.frame.height, 500);
  EXPECT_EQ(form.frame.width, WindowFrame::kDesignedWidth);
  EXPECT_DOUBLE_EQ(form.frame.tabScale, 1.0);
}

TEST_F(Settings, AFailedWriteKeepsWhatWasWrittenAndTheWindowCloses) {
  start();
  fakes.settings.writesBeforeFailure = 5;
  EXPECT_NO_THROW(form.onClose());
  EXPECT_EQ(stored.size(), 5u);
  EXPECT_EQ(stored.count("Chekcbox5"), 1u);
  EXPECT_EQ(stored.count("Chekcbox6"), 0u);
}

TEST_F(Settings, EverythingComesBackAfterARestart) {
  start();
  form.options.preferFrequentPairs.checked = true;
  form.options.preferSeldomNumbers.checked = false;
  form.options.quersummeFrom.setValue(90);
  form.options.overlapLimit.setValue(2);
  form.options.tipCount.setValue(5);
  typeTip(4, {"1", "9", "17", "25", "33", "41"});
  form.setTipField(12, 6, "44");
  form.internetOptions.proxyHost.text = "proxy.example";
  form.internetOptions.proxyPort.text = "3128";
  form.internetOptions.server.text = "http://lotto.example:8080";
  form.slipPrinting.slipTop = 90;
  form.slipPrinting.slipLeft = 31;
  form.slipPrinting.paperFormat = 2;
  form.state.country = 3;
  form.chartTab.statisticsStart.setDate(dayNumber(2000, 1, 2));
  form.onResize(600, 520);
  form.onClose();

  MainWindow again(fakes.services(), dir.file("kalkuat"));
  again.onResize(WindowFrame::kDesignedWidth, 500);
  again.onFirstShow();
  EXPECT_TRUE(again.options.preferFrequentPairs.checked);
  EXPECT_FALSE(again.options.preferSeldomNumbers.checked);
  EXPECT_EQ(again.options.quersummeFrom.value(), 90);
  EXPECT_EQ(again.options.overlapLimit.value(), 2);
  EXPECT_EQ(again.options.tipCount.value(), 5);
  for (int index = 1; index <= 6; ++index)
    EXPECT_EQ(again.tips.text(4, index), form.tips.text(4, index));
  EXPECT_EQ(again.tips.text(12, 6), "44");
  EXPECT_EQ(again.internetOptions.proxyHost.text, "proxy.example");
  EXPECT_EQ(again.internetOptions.proxyPort.text, "3128");
  EXPECT_EQ(again.internetOptions.server.text, "http://lotto.example:8080");
  EXPECT_EQ(again.slipPrinting.slipTop, 90);
  EXPECT_EQ(again.slipPrinting.slipLeft, 31);
  EXPECT_EQ(again.slipPrinting.paperFormat, 2);
  EXPECT_EQ(again.state.country, 3);
  EXPECT_EQ(again.chartTab.statisticsStart.date(), dayNumber(2000, 1, 2));
  EXPECT_EQ(again.frame.height, 520);
  EXPECT_EQ(again.frame.width, 600);
}

TEST_F(Settings, SteppingTheSpinnersRecomputesTheRunBudget) {
  start();
  form.options.runBudgetThousands.setValue(250);  // typed: counts from the next step
  EXPECT_EQ(form.state.runBudget, 100000);
  form.options.tipCount.setValue(11);
  form.tipCountStepped();
  EXPECT_EQ(form.state.runBudget, 250000);
  form.options.runBudgetThousands.setValue(10001);
  form.runBudgetStepped();
  EXPECT_EQ(form.state.runBudget, 10000000);
}

}  // namespace
}  // namespace lotto
