#pragma once
// A main window on a draw file of its own in a temporary program folder.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "draws/draw_file.h"
#include "support/fakes.h"
#include "support/fixtures.h"

namespace lotto::testing {

class WindowTest : public ::testing::Test {
 protected:
  TempDir dir;
  FakeServices fakes;
  MainWindow form{fakes.services(), dir.file("kalkuat")};

  void writeDraws(const std::vector<DrawRecord>& records) {
    writeRecords(dir.file(kDrawFileName), records);
  }
  // Writes the draws and runs the show sequence with the given date as today.
  void showWith(const std::vector<DrawRecord>& records, double today) {
    writeDraws(records);
    fakes.clock.todayValue = today;
    form.onFirstShow();
  }
  void typeTip(int tip, std::array<const char*, 6> numbers) {
    for (int index = 1; index <= 6; ++index) form.setTipField(tip, index, numbers[index - 1]);
  }
  std::array<std::string, 6> tipTexts(int tip) const {
    std::array<std::string, 6> texts;
    for (int index = 1; index <= 6; ++index) texts[index - 1] = form.tips.text(tip, index);
    return texts;
  }
  std::vector<double> chartValues() const {
    std::vector<double> values;
    for (const ChartPoint& point : form.chartTab.chart.bars.points) values.push_back(point.y);
    return values;
  }
};

}  // namespace lotto::testing
