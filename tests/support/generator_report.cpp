#include "support/generator_report.h"

#include <cstdio>

#include "platform/dates.h"

namespace lotto::testing {
namespace {

template <typename Range>
std::string joined(const Range& values, const char* separator = " ") {
  std::string text;
  for (const auto& value : values) {
    if (!text.empty()) text += separator;
    text += std::to_string(value);
  }
  return text;
}

std::string joinedFrom(const auto& values, std::size_t first, std::size_t last) {
  std::string text;
  for (std::size_t i = first; i <= last; ++i) {
    if (i > first) text += " ";
    text += std::to_string(values[i]);
  }
  return text;
}

}  // namespace

std::string isoDate(double date) {
  const CivilDate d = civilDate(date);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
  return text;
}

std::vector<std::string> generatorTrace(const MainWindow& form) {
  std::vector<std::string> lines = {"trace last=" + joined(form.lastRun.last),
                                    "trace secondlast=" + joined(form.lastRun.secondLast)};
  for (const auto& accepted : form.lastRun.acceptances) {
    lines.push_back("trace accept row=" + std::to_string(accepted.row) + " counter=" +
                    std::to_string(accepted.counter) + " tip=" + joined(accepted.tip));
  }
  return lines;
}

std::vector<std::string> generatorReport(const MainWindow& form) {
  std::vector<std::string> lines;
  for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
    std::string fields;
    for (int index = 1; index <= TipGrid::kNumbers; ++index) {
      if (index > 1) fields += " ";
      fields += form.tips.text(tip, index);
    }
    lines.push_back("row " + std::to_string(tip) + ": " + fields +
                    " | qs=" + form.tips.row(tip).sumLabel.caption);
  }
  lines.push_back("status=" + form.statusBar.panels[1]);
  lines.push_back("counter=" + std::to_string(form.lastRun.counter));
  lines.push_back("pool=" + joined(form.lastRun.pool.entries()));
  lines.push_back("options=CheckBox8=" + std::to_string(form.options.forcePair.checked ? 1 : 0) +
                  " UpDown4=" + std::to_string(form.options.lastDrawLimit.value()) +
                  " UpDown5=" + std::to_string(form.options.secondLastDrawLimit.value()) +
                  " UpDown6=" + std::to_string(form.options.pastDrawMatchSize.value()));
  lines.push_back("zahl=" + joinedFrom(form.scoring.scoredDraw, 1, 8));
  lines.push_back("datum1=" + isoDate(form.drawOnShow.shownDate));
  lines.push_back("position=" + std::to_string(form.drawOnShow.shownPosition));
  std::string hits;
  for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
    if (tip > 1) hits += "|";
    hits += form.tips.row(tip).hitLabel.caption;
  }
  lines.push_back("hits=" + hits);
  lines.push_back("gewinn=" + std::to_string(form.scoring.hits) +
                  " zusatz=" + std::to_string(form.scoring.zusatzzahlHit ? 1 : 0) +
                  " treffer=" + joinedFrom(form.scoring.hitKinds, 1, 8));
  lines.push_back("label29=" + form.drawOnShow.shownDrawText.caption);
  lines.push_back("aktdatum=" + isoDate(form.state.workingDate) +
                  " date1=" + isoDate(form.drawOnShow.chosenDate.date()) +
                  " date2=" + isoDate(form.chartTab.statisticsStart.date()));
  lines.push_back("pool_count=" + std::to_string(form.lastRun.pool.count()) +
                  " statistics_run=" + std::to_string(form.lastRun.statisticsRun) +
                  " abandoned=" + std::to_string(form.lastRun.abandoned ? 1 : 0));
  return lines;
}

}  // namespace lotto::testing
