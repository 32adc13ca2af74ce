// The statistic commands of the main window. Each reads the draw file once, counts in
// memory and only then replaces the chart, so a failure (a missing file, a damaged
// record) leaves the chart as it was.

#include "app/main_window.h"
#include "draws/draw_file.h"
#include "platform/convert.h"
#include "stats/statistics.h"

namespace lotto {
namespace {

std::string averageCaption(const std::string& title, int draws, double sum) {
  return title + "     Ziehungen: " + std::to_string(draws) +
         "    Quersumme: " + std::to_string(averageQuersumme(sum, draws));
}

// Points 1..last of a table, with the fixed range from their smallest to their largest y.
template <std::size_t N>
void plotFixed(StatisticSeries& chart, const std::array<int, N>& counts, int last) {
  int smallest = counts[1];
  int largest = counts[1];
  for (int k = 1; k <= last; ++k) {
    const int y = counts[static_cast<std::size_t>(k)];
    chart.addPoint(k, y);
    smallest = std::min(smallest, y);
    largest = std::max(largest, y);
  }
  chart.fixValueRange(smallest, largest);
  chart.BottomAxisAutomatic = true;
}

}  // namespace

StatisticsFilter TForm1::statisticsFilter() const {
  return StatisticsFilter{DateTimePicker2.Date(), CheckBox16.Checked, CheckBox17.Checked};
}

std::vector<DrawRecord> TForm1::readForStatistic() {
  std::vector<DrawRecord> records = readDrawFile(drawFilePath());
  aktDatum = DateTimePicker2.Date();
  return records;
}

void TForm1::SpeedButton2Click() {
  BusyCursor busy(services_.ui);
  const FrequencyCounts result = countNumberFrequency(readForStatistic(), statisticsFilter());
  Chart1.beginStatistic();
  Chart1.Series1.Marks = false;  // off for the rest of the run
  Chart1.Series2.Marks = false;
  plotFixed(Chart1, result.counts, 45);
  Chart1.Caption = averageCaption("Zahlenverteilung", result.draws, result.quersummeSum);
}

void TForm1::SpeedButton9Click() {
  BusyCursor busy(services_.ui);
  const QuersummeCounts result = countQuersummen(readForStatistic(), statisticsFilter());
  Chart1.beginStatistic();
  if (result.draws > 0) {
    for (int q = result.smallest; q <= result.largest; ++q) {
      Chart1.addPoint(q, result.counts[static_cast<std::size_t>(q)]);
    }
  }
  Chart1.setAutomaticValueRange();
  Chart1.BottomAxisAutomatic = true;
  Chart1.Caption = averageCaption("Quersummenverteilung", result.draws, result.quersummeSum);
}

void TForm1::groupSearch(int groupSize, const std::string& groupWord) {
  BusyCursor busy(services_.ui);
  const std::vector<DrawRecord> records = readForStatistic();
  const GroupCounts result = countNeighbourGroups(records, statisticsFilter(), groupSize);

  // The search leaves the last counted draw in Zahl and the score of its last group in
  // the scoring fields, exactly as scoring every group in turn would.
  if (result.lastCounted) {
    Zahl = drawNumbersOf(records[*result.lastCounted]);
    const int k = lastGroupStart(groupSize);
    std::array<std::string, 6> texts;
    for (int position = 0; position < 6; ++position) {
      texts[static_cast<std::size_t>(position)] =
          position < groupSize ? std::to_string(k + position) : "0";
    }
    Zettelcheck({texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]});
  }

  Chart1.beginStatistic();
  if (groupSize == 4) {
    for (int k = 1; k <= 45; ++k) Chart1.addPoint(k, result.counts[static_cast<std::size_t>(k)]);
    Chart1.setAutomaticValueRange();
    Chart1.BottomAxisAutomatic = true;
  } else {
    plotFixed(Chart1, result.counts, lastGroupStart(groupSize));
  }
  Chart1.Caption = "Bei " + std::to_string(result.draws) + " Ziehungen wurden " +
                   std::to_string(result.groups) + " " + groupWord + " gefunden!";
  ActivePage = Page::Diagramm;
}

void TForm1::Button2Click() {
  groupSearch(2, "Paare");
}
void TForm1::Button3Click() {
  groupSearch(3, "Dreier");
}
void TForm1::Button4Click() {
  groupSearch(4, "Vierer");
}

void TForm1::Button5Click() {
  BusyCursor busy(services_.ui);
  const std::array<int, 46> counters = countOverdue(readForStatistic(), statisticsFilter());
  Chart1.beginStatistic();
  plotFixed(Chart1, counters, 45);
  Chart1.Caption = "Welche Zahl ist überfällig, wurde als seit wievielen Ziehungen nicht gezogen?";
  ActivePage = Page::Diagramm;
}

void TForm1::Button6Click() {
  BusyCursor busy(services_.ui);
  std::array<int, 46> counters{};
  Chart1.beginStatistic();
  // Counting ends at the first field that is not a number; the grid admits only 1..45.
  bool counting = true;
  for (int tip = 1; tip <= TipGrid::kTips && counting; ++tip) {
    for (int index = 1; index <= TipGrid::kNumbers; ++index) {
      const auto number = tryStrToInt(Tips.text(tip, index));
      if (!number || *number < 0 || *number > 45) {
        counting = false;
        break;
      }
      ++counters[static_cast<std::size_t>(*number)];
    }
  }
  plotFixed(Chart1, counters, 45);
  Chart1.Caption = "Zahlenverteilung des Tippes";
  ActivePage = Page::Diagramm;
}

}  // namespace lotto
