#include "generator/generator_run.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace lotto {
namespace {

constexpr const char* kBudgetSpent = "Ändern Sie die Parameter um 12 Tipps zuberechnen";
constexpr const char* kNewTips = "Tipps wurden neu berechnet";

std::array<std::int32_t, 7> drawNumbers(const DrawNumbers& numbers) {
  return {numbers[1], numbers[2], numbers[3], numbers[4], numbers[5], numbers[6], numbers[7]};
}

// Pairs (tip number, drawn number) that are equal, over the six and the seven.
int equalPairs(const Tip& tip, const std::array<std::int32_t, 7>& drawn) {
  int count = 0;
  for (const std::int32_t number : tip) {
    count += static_cast<int>(std::count(drawn.begin(), drawn.end(), number));
  }
  return count;
}

bool hasPair(const Tip& sorted) {
  for (std::size_t i = 0; i + 1 < 6; ++i) {
    if (sorted[i] + 1 == sorted[i + 1]) return true;
  }
  return false;
}

bool hasRunOfThree(const Tip& sorted) {
  for (std::size_t i = 0; i + 2 < 6; ++i) {
    if (sorted[i] + 1 == sorted[i + 1] && sorted[i + 1] + 1 == sorted[i + 2]) return true;
  }
  return false;
}

// The option controls the relaxation changes, as they were when the run began.
struct SavedOptions {
  bool forcePair;
  int lastDrawLimit, secondLastDrawLimit, pastDrawMatchSize;
  explicit SavedOptions(const GenerationOptions& o)
      : forcePair(o.forcePair.checked),
        lastDrawLimit(o.lastDrawLimit.value()),
        secondLastDrawLimit(o.secondLastDrawLimit.value()),
        pastDrawMatchSize(o.pastDrawMatchSize.value()) {}
  void putBack(GenerationOptions& o) const {
    o.forcePair.checked = forcePair;
    o.lastDrawLimit.setValue(lastDrawLimit);
    o.secondLastDrawLimit.setValue(secondLastDrawLimit);
    o.pastDrawMatchSize.setValue(pastDrawMatchSize);
  }
};

class Run {
 public:
  Run(const GeneratorParts& parts, GeneratorState& state)
      : parts_(parts),
        options_(parts.options),
        state_(state),
        history_({.drawFile = parts.drawFile,
                  .matchSize = parts.options.pastDrawMatchSize,
                  .statisticsStart = parts.chartTab.statisticsStart,
                  .workingDate = parts.workingDate,
                  .show = parts.show,
                  .scoring = parts.scoring,
                  .chart = parts.chartTab.chart}) {}

  void fillRows() {
    for (int row = 1; row <= TipGrid::kTips; ++row) fillRow(row);
  }
  // The progress text the literal run would show last, for a run that ends early.
  void showPendingProgress() {
    if (pending_) parts_.status = progressText(pending_->row, pending_->tip, pending_->quersumme);
    pending_.reset();
  }
  void forgetPendingProgress() { pending_.reset(); }

 private:
  struct Progress {
    int row;
    Tip tip;
    int quersumme;
  };

  void redraw() {
    showPendingProgress();
    parts_.progress.position = std::min<std::int64_t>(state_.counter, parts_.progress.maximum);
    parts_.ui.redraw();
  }

  void fillRow(int row) {
    std::int32_t& counter = state_.counter;
    const std::int32_t budget = parts_.runBudget;
    Tip& accepted = state_.accepted[static_cast<std::size_t>(row - 1)];
    accepted = {};
    if ((row >= 2 && counter >= budget) || (row >= 2 && row > options_.tipCount.value()) ||
        !parts_.tips.text(row, 1).empty()) {
      return;  // skipped: the row keeps its fields and labels
    }

    Tip candidate{};
    int fill = 1;
    while (fill < 7 && counter < budget) {
      if (state_.pool.count() == 0) {
        counter = budget;  // no number can be drawn: the row fails as when the budget ends
        break;
      }
      ++counter;
      relax(row, counter);
      const std::int32_t number = state_.pool.at(parts_.random.next(state_.pool.count()));
      auto place = candidate.begin() + (fill - 1);
      *place = number;
      if (std::find(candidate.begin(), place, number) != place) {
        *place = 0;
      } else {
        ++fill;
      }
      if (fill == 7) test(row, candidate, fill);
    }
    if (counter >= budget) candidate = {};

    std::sort(candidate.begin(), candidate.end());
    TipRow& labels = parts_.tips.row(row);
    labels.sumLabel.caption =
        std::to_string(std::accumulate(candidate.begin(), candidate.end(), 0));
    if (row == 1) parts_.activePage = MainPage::Tips;
    for (int index = 1; index <= TipGrid::kNumbers; ++index) {
      parts_.tips.setText(row, index,
                          std::to_string(candidate[static_cast<std::size_t>(index - 1)]));
    }
    redraw();
    accepted = candidate;
  }

  // The relaxation schedule, for the counter just reached in `row`.
  void relax(int row, std::int32_t counter) {
    const std::int32_t budget = parts_.runBudget;
    if (2 * static_cast<std::int64_t>(counter) == budget) options_.forcePair.checked = false;
    if (row < 3) return;
    if (counter == budget - 20000) options_.pastDrawMatchSize.setValue(6);
    if (counter == budget - 10000) {
      options_.secondLastDrawLimit.setValue(2);
      if (row != 8) options_.lastDrawLimit.setValue(1);
    }
    if (counter == budget - 5000) {
      if (row != 8) options_.secondLastDrawLimit.setValue(3);
      options_.lastDrawLimit.setValue(2);
    }
  }

  void reject(Tip& candidate, int& fill) {
    candidate = {};
    fill = 1;
  }

  // The chain of tests on a complete candidate; a rejection empties it and starts anew.
  void test(int row, Tip& candidate, int& fill) {
    std::sort(candidate.begin(), candidate.end());
    const int quersumme = std::accumulate(candidate.begin(), candidate.end(), 0);
    // The progress text is made only when a picture shows it.
    pending_ = Progress{row, candidate, quersumme};
    if (parts_.ui.redrawDue()) redraw();

    if (row >= 2) {
      int most = 0;
      for (int earlier = 0; earlier < row - 1; ++earlier) {
        most = std::max(
            most, sharedNumbers(candidate, state_.accepted[static_cast<std::size_t>(earlier)]));
      }
      if ((options_.limitOverlap.checked && most > options_.overlapLimit.value()) || most == 6) {
        return reject(candidate, fill);
      }
    }
    if (options_.forcePair.checked && !hasPair(candidate)) return reject(candidate, fill);
    if (options_.rejectRunOfThree.checked && hasRunOfThree(candidate))
      return reject(candidate, fill);
    if (quersumme < options_.quersummeFrom.value() || quersumme > options_.quersummeTo.value()) {
      return reject(candidate, fill);
    }
    ScoringFields& scoring = parts_.scoring;
    scoring.hits = static_cast<std::uint8_t>(equalPairs(candidate, state_.last));
    if (scoring.hits > options_.lastDrawLimit.value() && options_.limitLastDraw.checked) {
      return reject(candidate, fill);
    }
    if (options_.limitSecondLastDraw.checked) {
      scoring.hits = static_cast<std::uint8_t>(equalPairs(candidate, state_.secondLast) +
                                               (scoring.zusatzzahlHit ? 1 : 0));
      // Rejected here, the emptied candidate still goes through the history test.
      if (scoring.hits > options_.secondLastDrawLimit.value()) reject(candidate, fill);
    }
    if (options_.rejectPastDrawMatches.checked && !history_.passes(candidate)) {
      reject(candidate, fill);
    }
    if (fill == 7) state_.acceptances.push_back({row, state_.counter, candidate});
  }

  const GeneratorParts& parts_;
  GenerationOptions& options_;
  GeneratorState& state_;
  HistoryTest history_;
  std::optional<Progress> pending_;
};

}  // namespace

std::string progressText(int row, const Tip& sorted, int quersumme) {
  const char* separator = row == 3 ? "    QS: " : (row == 2 || row == 4) ? "   QS: " : "  QS: ";
  std::string text = std::to_string(row) + ".Tipp:  " + std::to_string(sorted[0]) + " " +
                     std::to_string(sorted[1]);
  for (std::size_t i = 2; i < 6; ++i) text += "  " + std::to_string(sorted[i]);
  return text + separator + std::to_string(quersumme);
}

int sharedNumbers(const Tip& a, const Tip& b) {
  int shared = 0;
  for (const std::int32_t x : a) {
    if (x == 0) continue;
    shared += static_cast<int>(std::count(b.begin(), b.end(), x));
  }
  return shared;
}

void runGenerator(const GeneratorParts& parts, GeneratorState& state) {
  state = GeneratorState{};
  parts.completeCheckEnabled = false;
  const SavedOptions saved(parts.options);
  std::optional<Run> run;
  // However the run ends, what its normal end puts back is put back.
  struct Ending {
    const GeneratorParts& parts;
    const SavedOptions& saved;
    std::optional<Run>& run;
    bool normal = false;
    ~Ending() {
      if (normal) return;
      if (run) run->showPendingProgress();
      parts.completeCheckEnabled = true;
      saved.putBack(parts.options);
      parts.generatorRunning = false;
    }
  } ending{parts, saved, run};

  {
    BusyCursor busy(parts.ui);
    const GeneratorCommands& commands = parts.commands;
    commands.checkTipsAgainstChosenDraw();
    state.last = drawNumbers(parts.scoring.scoredDraw);
    commands.showEarlierDraw();
    state.secondLast = drawNumbers(parts.scoring.scoredDraw);
    commands.showLaterDraw();
    commands.clearUnmarkedTips();

    const PoolBuild build = buildCandidatePool({.options = parts.options,
                                                .chart = parts.chartTab.chart,
                                                .status = parts.status,
                                                .activePage = parts.activePage,
                                                .dialog = parts.dialog,
                                                .ui = parts.ui,
                                                .overdueNumbers = commands.showOverdueNumbers,
                                                .pairs = commands.showPairs,
                                                .triples = commands.showTriples,
                                                .quadruples = commands.showQuadruples,
                                                .numberFrequency = commands.showNumberFrequency},
                                               state.last, state.secondLast, state.pool);
    state.statisticsRun = build.statisticsRun;
    if (build.abandoned) {
      state.abandoned = true;
      return;  // completeCheckEnabled back on; rows and options as they are
    }

    parts.status = "Beginn der Tippberechnung";
    parts.generatorRunning = true;
    state.counter = 0;
    const ShownProgress progress(parts.progress, parts.runBudget);
    run.emplace(parts, state);
    run->fillRows();
    run->forgetPendingProgress();
    parts.completeCheckEnabled = true;
  }
  parts.status = state.counter >= parts.runBudget ? kBudgetSpent : kNewTips;
  saved.putBack(parts.options);
  parts.generatorRunning = false;
  ending.normal = true;
  parts.commands.checkTipsAgainstChosenDraw();
  parts.commands.checkAllTips();
}

}  // namespace lotto
