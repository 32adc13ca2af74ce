#include "support/literal_generator.h"

#include <algorithm>

#include "draws/draw_file.h"

namespace lotto::testing {
namespace {

using Numbers = std::array<std::int32_t, 7>;

Numbers seven(const DrawNumbers& numbers) {
  return {numbers[1], numbers[2], numbers[3], numbers[4], numbers[5], numbers[6], numbers[7]};
}

bool passesHistoryTest(MainWindow& form, const Tip& tip) {
  const int n = form.options.pastDrawMatchSize.value();
  const DrawHistory history = readDrawHistory(form.files.drawFilePath());
  form.state.workingDate = form.chartTab.statisticsStart.date();
  form.chartTab.chart.beginStatistic();
  const std::array<std::string, 6> texts = {std::to_string(tip[0]), std::to_string(tip[1]),
                                            std::to_string(tip[2]), std::to_string(tip[3]),
                                            std::to_string(tip[4]), std::to_string(tip[5])};
  for (const DrawRecord& record : history.records) {
    if (!(record.date >= form.state.workingDate)) continue;
    form.drawOnShow.shownDate = record.date;
    form.scoring.scoredDraw = drawNumbersOf(record);
    form.scoring.scoreTip({texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]});
    if (form.scoring.hits >= n) return false;
  }
  history.throwIfCut();  // reading on meets the partial record
  return true;
}

}  // namespace

void literalGenerateTips(MainWindow& form, UserInteraction& ui) {
  GeneratorState& state = form.lastRun;
  state = GeneratorState{};
  form.state.completeCheckEnabled = false;
  const bool savedForcePair = form.options.forcePair.checked;
  const int savedLastDrawLimit = form.options.lastDrawLimit.value();
  const int savedSecondLastDrawLimit = form.options.secondLastDrawLimit.value();
  const int savedPastDrawMatchSize = form.options.pastDrawMatchSize.value();
  const auto putBack = [&] {
    form.options.forcePair.checked = savedForcePair;
    form.options.lastDrawLimit.setValue(savedLastDrawLimit);
    form.options.secondLastDrawLimit.setValue(savedSecondLastDrawLimit);
    form.options.pastDrawMatchSize.setValue(savedPastDrawMatchSize);
  };
  try {
    form.checkTipsAgainstChosenDraw();
    state.last = seven(form.scoring.scoredDraw);
    form.showEarlierDraw();
    state.secondLast = seven(form.scoring.scoredDraw);
    form.showLaterDraw();
    form.clearUnmarkedTips();

    const PoolBuild build =
        buildCandidatePool({.options = form.options,
                            .chart = form.chartTab.chart,
                            .status = form.statusBar.panels[1],
                            .activePage = form.frame.activePage,
                            .dialog = form.numberDialog,
                            .ui = ui,
                            .overdueNumbers = [&form] { form.showOverdueNumbers(); },
                            .pairs = [&form] { form.showPairs(); },
                            .triples = [&form] { form.showTriples(); },
                            .quadruples = [&form] { form.showQuadruples(); },
                            .numberFrequency = [&form] { form.showNumberFrequency(); }},
                           state.last, state.secondLast, state.pool);
    state.statisticsRun = build.statisticsRun;
    if (build.abandoned) {
      state.abandoned = true;
      form.state.completeCheckEnabled = true;
      return;
    }
    form.statusBar.panels[1] = "Beginn der Tippberechnung";
    form.state.generatorRunning = true;
    std::int32_t& counter = state.counter;
    const std::int32_t budget = form.state.runBudget;

    for (int row = 1; row <= 12; ++row) {
      Tip candidate{};
      int fill = 1;
      state.accepted[static_cast<std::size_t>(row - 1)] = {};
      if ((row >= 2 && counter >= budget) || (row >= 2 && row > form.options.tipCount.value()) ||
          !form.tips.text(row, 1).empty()) {
        continue;
      }
      while (fill < 7 && counter < budget) {
        if (state.pool.count() == 0) {
          counter = budget;
          break;
        }
        counter = counter + 1;
        if (2 * static_cast<std::int64_t>(counter) == budget)
          form.options.forcePair.checked = false;
        if (row >= 3 && counter == budget - 20000) form.options.pastDrawMatchSize.setValue(6);
        if (row >= 3 && counter == budget - 10000) {
          form.options.secondLastDrawLimit.setValue(2);
          if (row != 8) form.options.lastDrawLimit.setValue(1);
        }
        if (row >= 3 && counter == budget - 5000) {
          if (row != 8) form.options.secondLastDrawLimit.setValue(3);
          form.options.lastDrawLimit.setValue(2);
        }
        const std::int32_t position = form.random.next(state.pool.count());
        candidate[static_cast<std::size_t>(fill - 1)] = state.pool.at(position);
        bool again = false;
        for (int k = 1; k < fill; ++k) {
          if (candidate[static_cast<std::size_t>(k - 1)] ==
              candidate[static_cast<std::size_t>(fill - 1)]) {
            again = true;
          }
        }
        if (again) {
          candidate[static_cast<std::size_t>(fill - 1)] = 0;
        } else {
          fill = fill + 1;
        }
        if (fill != 7) continue;

        // The chain of tests.
        std::sort(candidate.begin(), candidate.end());
        int q = 0;
        for (const std::int32_t c : candidate) q += c;
        form.statusBar.panels[1] = progressText(row, candidate, q);
        ui.redraw();
        bool rejected = false;
        if (row >= 2) {
          int most = 0;
          for (int earlier = 1; earlier < row; ++earlier) {
            most = std::max(
                most,
                sharedNumbers(candidate, state.accepted[static_cast<std::size_t>(earlier - 1)]));
          }
          rejected =
              (form.options.limitOverlap.checked && most > form.options.overlapLimit.value()) ||
              most == 6;
        }
        bool pair = false;
        bool run = false;
        for (std::size_t i = 0; i + 1 < 6; ++i) pair = pair || candidate[i] + 1 == candidate[i + 1];
        for (std::size_t i = 0; i + 2 < 6; ++i) {
          run = run ||
                (candidate[i] + 1 == candidate[i + 1] && candidate[i + 1] + 1 == candidate[i + 2]);
        }
        if (!rejected && form.options.forcePair.checked && !pair) rejected = true;
        if (!rejected && form.options.rejectRunOfThree.checked && run) rejected = true;
        if (!rejected &&
            (q < form.options.quersummeFrom.value() || q > form.options.quersummeTo.value()))
          rejected = true;
        if (!rejected) {
          int equal = 0;
          for (const std::int32_t c : candidate) {
            for (const std::int32_t d : state.last) equal += c == d ? 1 : 0;
          }
          form.scoring.hits = static_cast<std::uint8_t>(equal);
          if (form.scoring.hits > form.options.lastDrawLimit.value() &&
              form.options.limitLastDraw.checked)
            rejected = true;
        }
        if (rejected) {
          candidate = {};
          fill = 1;
          continue;
        }
        if (form.options.limitSecondLastDraw.checked) {
          int equal = 0;
          for (const std::int32_t c : candidate) {
            for (const std::int32_t d : state.secondLast) equal += c == d ? 1 : 0;
          }
          form.scoring.hits =
              static_cast<std::uint8_t>(equal + (form.scoring.zusatzzahlHit ? 1 : 0));
          if (form.scoring.hits > form.options.secondLastDrawLimit.value()) {
            candidate = {};
            fill = 1;
          }
        }
        if (form.options.rejectPastDrawMatches.checked && !passesHistoryTest(form, candidate)) {
          candidate = {};
          fill = 1;
        }
        if (fill == 7) state.acceptances.push_back({row, counter, candidate});
      }
      if (counter >= budget) candidate = {};
      std::sort(candidate.begin(), candidate.end());
      int q = 0;
      for (const std::int32_t c : candidate) q += c;
      form.tips.row(row).sumLabel.caption = std::to_string(q);
      if (row == 1) form.frame.activePage = MainPage::Tips;
      for (int index = 1; index <= 6; ++index) {
        form.setTipField(row, index,
                         std::to_string(candidate[static_cast<std::size_t>(index - 1)]));
      }
      ui.redraw();
      state.accepted[static_cast<std::size_t>(row - 1)] = candidate;
    }
  } catch (...) {
    form.state.completeCheckEnabled = true;
    putBack();
    form.state.generatorRunning = false;
    throw;
  }
  form.state.completeCheckEnabled = true;
  form.statusBar.panels[1] = state.counter >= form.state.runBudget
                                 ? "Ändern Sie die Parameter um 12 Tipps zuberechnen"
                                 : "Tipps wurden neu berechnet";
  putBack();
  form.state.generatorRunning = false;
  form.checkTipsAgainstChosenDraw();
  form.checkAllTips();
}

}  // namespace lotto::testing
