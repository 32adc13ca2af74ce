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
  const int n = form.pastDrawMatchSize.value();
  const DrawHistory history = readDrawHistory(form.drawFilePath());
  form.workingDate = form.statisticsStart.date();
  form.chart.beginStatistic();
  const std::array<std::string, 6> texts = {std::to_string(tip[0]), std::to_string(tip[1]),
                                            std::to_string(tip[2]), std::to_string(tip[3]),
                                            std::to_string(tip[4]), std::to_string(tip[5])};
  for (const DrawRecord& record : history.records) {
    if (!(record.date >= form.workingDate)) continue;
    form.shownDate = record.date;
    form.scoredDraw = drawNumbersOf(record);
    form.scoreTip({texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]});
    if (form.hits >= n) return false;
  }
  history.throwIfCut();  // reading on meets the partial record
  return true;
}

}  // namespace

void literalGenerateTips(MainWindow& form, UserInteraction& ui) {
  GeneratorState& state = form.lastRun;
  state = GeneratorState{};
  form.completeCheckEnabled = false;
  const bool savedForcePair = form.forcePair.checked;
  const int savedLastDrawLimit = form.lastDrawLimit.value();
  const int savedSecondLastDrawLimit = form.secondLastDrawLimit.value();
  const int savedPastDrawMatchSize = form.pastDrawMatchSize.value();
  const auto putBack = [&] {
    form.forcePair.checked = savedForcePair;
    form.lastDrawLimit.setValue(savedLastDrawLimit);
    form.secondLastDrawLimit.setValue(savedSecondLastDrawLimit);
    form.pastDrawMatchSize.setValue(savedPastDrawMatchSize);
  };
  try {
    form.checkTipsAgainstChosenDraw();
    state.last = seven(form.scoredDraw);
    form.showEarlierDraw();
    state.secondLast = seven(form.scoredDraw);
    form.showLaterDraw();
    form.clearUnmarkedTips();

    const PoolBuild build =
        buildCandidatePool({.options = form,
                            .chart = form.chart,
                            .status = form.statusBar.panels[1],
                            .activePage = form.activePage,
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
      form.completeCheckEnabled = true;
      return;
    }
    form.statusBar.panels[1] = "Beginn der Tippberechnung";
    form.generatorRunning = true;
    std::int32_t& counter = state.counter;
    const std::int32_t budget = form.runBudget;

    for (int row = 1; row <= 12; ++row) {
      Tip candidate{};
      int fill = 1;
      state.accepted[static_cast<std::size_t>(row - 1)] = {};
      if ((row >= 2 && counter >= budget) || (row >= 2 && row > form.tipCount.value()) ||
          !form.tips.text(row, 1).empty()) {
        continue;
      }
      while (fill < 7 && counter < budget) {
        if (state.pool.count() == 0) {
          counter = budget;
          break;
        }
        counter = counter + 1;
        if (2 * static_cast<std::int64_t>(counter) == budget) form.forcePair.checked = false;
        if (row >= 3 && counter == budget - 20000) form.pastDrawMatchSize.setValue(6);
        if (row >= 3 && counter == budget - 10000) {
          form.secondLastDrawLimit.setValue(2);
          if (row != 8) form.lastDrawLimit.setValue(1);
        }
        if (row >= 3 && counter == budget - 5000) {
          if (row != 8) form.secondLastDrawLimit.setValue(3);
          form.lastDrawLimit.setValue(2);
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
          rejected = (form.limitOverlap.checked && most > form.overlapLimit.value()) || most == 6;
        }
        bool pair = false;
        bool run = false;
        for (std::size_t i = 0; i + 1 < 6; ++i) pair = pair || candidate[i] + 1 == candidate[i + 1];
        for (std::size_t i = 0; i + 2 < 6; ++i) {
          run = run ||
                (candidate[i] + 1 == candidate[i + 1] && candidate[i + 1] + 1 == candidate[i + 2]);
        }
        if (!rejected && form.forcePair.checked && !pair) rejected = true;
        if (!rejected && form.rejectRunOfThree.checked && run) rejected = true;
        if (!rejected && (q < form.quersummeFrom.value() || q > form.quersummeTo.value()))
          rejected = true;
        if (!rejected) {
          int equal = 0;
          for (const std::int32_t c : candidate) {
            for (const std::int32_t d : state.last) equal += c == d ? 1 : 0;
          }
          form.hits = static_cast<std::uint8_t>(equal);
          if (form.hits > form.lastDrawLimit.value() && form.limitLastDraw.checked) rejected = true;
        }
        if (rejected) {
          candidate = {};
          fill = 1;
          continue;
        }
        if (form.limitSecondLastDraw.checked) {
          int equal = 0;
          for (const std::int32_t c : candidate) {
            for (const std::int32_t d : state.secondLast) equal += c == d ? 1 : 0;
          }
          form.hits = static_cast<std::uint8_t>(equal + (form.zusatzzahlHit ? 1 : 0));
          if (form.hits > form.secondLastDrawLimit.value()) {
            candidate = {};
            fill = 1;
          }
        }
        if (form.rejectPastDrawMatches.checked && !passesHistoryTest(form, candidate)) {
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
      if (row == 1) form.activePage = MainPage::Tips;
      for (int index = 1; index <= 6; ++index) {
        form.setTipField(row, index,
                         std::to_string(candidate[static_cast<std::size_t>(index - 1)]));
      }
      ui.redraw();
      state.accepted[static_cast<std::size_t>(row - 1)] = candidate;
    }
  } catch (...) {
    form.completeCheckEnabled = true;
    putBack();
    form.generatorRunning = false;
    throw;
  }
  form.completeCheckEnabled = true;
  form.statusBar.panels[1] = state.counter >= form.runBudget
                                 ? "Ändern Sie die Parameter um 12 Tipps zuberechnen"
                                 : "Tipps wurden neu berechnet";
  putBack();
  form.generatorRunning = false;
  form.checkTipsAgainstChosenDraw();
  form.checkAllTips();
}

}  // namespace lotto::testing
