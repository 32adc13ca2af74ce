#include "generator/candidate_pool.h"

#include <algorithm>
#include <cmath>

#include "platform/convert.h"
#include "platform/errors.h"

namespace lotto {
namespace {

// A whole number of tenths, rounded to a whole number with a half to the even neighbour.
std::int64_t roundTenths(std::int64_t tenths) {
  std::int64_t whole = tenths / 10;
  std::int64_t rest = tenths % 10;
  if (rest < 0) {
    rest += 10;
    --whole;
  }
  if (rest > 5 || (rest == 5 && whole % 2 != 0)) ++whole;
  return whole;
}

std::int64_t whole(double value) {
  return std::llround(value);
}

// One scan of the chart: for each position i from 0 to n - g whose value passes both
// tests, append the numbers i + 1 + offset for every offset of `entries`.
template <typename Lower>
void scan(const StatisticSeries& chart, int groupSize, Lower&& lowerTest, std::int64_t upper,
          std::initializer_list<int> entries, CandidatePool& pool) {
  const auto points = static_cast<std::int64_t>(chart.count());
  for (std::int64_t i = 0; i <= points - groupSize; ++i) {
    const double y = chart.y(static_cast<std::size_t>(i));
    if (!lowerTest(y) || y > static_cast<double>(upper)) continue;
    for (const int offset : entries)
      pool.appendRepeatedly(static_cast<std::int32_t>(i + 1 + offset), 1);
  }
}

std::string minMaxText(std::int64_t lower, const char* gap, std::int64_t upper,
                       const CandidatePool& pool) {
  return "Min: " + std::to_string(lower) + gap + "Max: " + std::to_string(upper) + "  " +
         std::to_string(pool.count());
}

class Passes {
 public:
  Passes(const PoolBuildParts& parts, CandidatePool& pool, PoolBuild& build)
      : parts_(parts), pool_(pool), build_(build) {}

  void runStatistic(const char* text, const std::function<void()>& statistic) {
    parts_.status = text;
    parts_.ui.redraw();
    statistic();
    ++build_.statisticsRun;
    parts_.activePage = MainPage::Chart;
    parts_.ui.redraw();
  }
  void showMinMax(std::int64_t lower, const char* gap, std::int64_t upper) {
    parts_.status = minMaxText(lower, gap, upper, pool_);
    parts_.ui.redraw();
  }
  double minimum() const { return parts_.chart.rangeMinimum(); }
  double maximum() const { return parts_.chart.rangeMaximum(); }

  // A frequent pass over groups of g: y > Round(max - (max - min) * 0.5 or 0.3).
  void frequentGroups(int g, int tenths, std::initializer_list<int> entries) {
    const std::int64_t lower = lowerBoundOfFrequent(minimum(), maximum(), tenths);
    const std::int64_t upper = whole(maximum());
    showMinMax(lower, "  ", upper);
    scan(
        parts_.chart, g, [lower](double y) { return y > static_cast<double>(lower); }, upper,
        entries, pool_);
  }
  // A rare pass over groups of g: 0 < y <= Round(min + (max - min) * 0.3).
  void rareGroups(int g, const char* gap, std::initializer_list<int> entries) {
    const std::int64_t upper = upperBoundOfRare(minimum(), maximum(), 3);
    showMinMax(0, gap, upper);
    scan(
        parts_.chart, g, [](double y) { return y > 0; }, upper, entries, pool_);
  }
  void frequentNumbers() {
    const std::int64_t upper = whole(maximum());
    for (const auto& [tenths, times] : {std::pair{2, 2}, std::pair{3, 1}}) {
      const std::int64_t lower = lowerBoundOfFrequent(minimum(), maximum(), tenths);
      showMinMax(lower, "  ", upper);
      scanNumbers([lower](double y) { return y >= static_cast<double>(lower); }, upper, times);
    }
  }
  void rareNumbers() {
    for (const auto& [tenths, times, gap] : {std::tuple{1, 2, " "}, std::tuple{3, 1, "  "}}) {
      const std::int64_t upper = upperBoundOfRare(minimum(), maximum(), tenths);
      showMinMax(0, gap, upper);
      scanNumbers([](double y) { return y >= 0; }, upper, times);
    }
  }

 private:
  template <typename Lower>
  void scanNumbers(Lower&& lowerTest, std::int64_t upper, int times) {
    if (times == 2) {
      scan(parts_.chart, 1, lowerTest, upper, {0, 0}, pool_);
    } else {
      scan(parts_.chart, 1, lowerTest, upper, {0}, pool_);
    }
  }

  const PoolBuildParts& parts_;
  CandidatePool& pool_;
  PoolBuild& build_;
};

// The dialog shows each number's count as its weight, checked when it has entries. For
// 1 to 4 the weight is set before the checked state, for 5 to 45 after it: setting the
// state runs the box's click handling, which can step the weight or uncheck the box.
void handOverToDialog(const CandidatePool& pool, NumberDialog& dialog) {
  for (int n = 1; n <= NumberDialog::kNumbers; ++n) {
    const std::int32_t count = pool.countOf(n);
    if (n <= 4) {
      dialog.setWeight(n, std::to_string(count));
      dialog.setChecked(n, count > 0);
    } else {
      dialog.setChecked(n, count > 0);
      dialog.setWeight(n, std::to_string(count));
    }
  }
}

}  // namespace

std::int32_t CandidatePool::countOf(std::int32_t n) const {
  return static_cast<std::int32_t>(std::count(entries_.begin(), entries_.end(), n));
}

void CandidatePool::appendRepeatedly(std::int32_t n, std::int32_t k) {
  if (k > 0) entries_.insert(entries_.end(), static_cast<std::size_t>(k), n);
}

void CandidatePool::removeAll(const std::array<std::int32_t, 7>& numbers) {
  std::erase_if(entries_, [&numbers](std::int32_t entry) {
    return std::find(numbers.begin(), numbers.end(), entry) != numbers.end();
  });
}

std::int32_t CandidatePool::rebuildFrom(const NumberDialog& dialog) {
  std::array<std::int32_t, NumberDialog::kNumbers + 1> weights{};
  std::int64_t total = 0;
  for (int n = 1; n <= NumberDialog::kNumbers; ++n) {
    if (!dialog.box(n).checked) continue;
    weights[static_cast<std::size_t>(n)] = toInteger(dialog.box(n).weight);
    total += std::max<std::int32_t>(weights[static_cast<std::size_t>(n)], 0);
  }
  if (total > kMaxRebuiltEntries) {
    throw AppError("Die Gewichtungen ergeben zusammen " + std::to_string(total) +
                   " Einträge; mehr als 1000000 sind nicht möglich. Verkleinern Sie die "
                   "Gewichtungen.");
  }
  entries_.clear();
  for (int n = 1; n <= NumberDialog::kNumbers; ++n) {
    appendRepeatedly(n, weights[static_cast<std::size_t>(n)]);
  }
  return count();
}

std::int64_t lowerBoundOfFrequent(double minimum, double maximum, int tenths) {
  const std::int64_t max = whole(maximum);
  const std::int64_t min = whole(minimum);
  return roundTenths(10 * max - (max - min) * tenths);
}

std::int64_t upperBoundOfRare(double minimum, double maximum, int tenths) {
  const std::int64_t max = whole(maximum);
  const std::int64_t min = whole(minimum);
  return roundTenths(10 * min + (max - min) * tenths);
}

PoolBuild buildCandidatePool(const PoolBuildParts& parts, const std::array<std::int32_t, 7>& last,
                             const std::array<std::int32_t, 7>& secondLast, CandidatePool& pool) {
  const GenerationOptions& options = parts.options;
  PoolBuild build;
  Passes passes(parts, pool, build);

  if (options.preferFrequentPairs.checked) {  // overdue numbers
    passes.runStatistic("Berechnung der Überfälligen", parts.overdueNumbers);
    passes.frequentGroups(1, 5, {0, 0});
  }
  if (options.preferFrequentPairs.checked) {  // frequent pairs
    passes.runStatistic("Berechnung der Paarbildung", parts.pairs);
    passes.frequentGroups(2, 3, {0, 1});
  }
  if (options.preferRarePairs.checked) {  // rare pairs
    if (!options.preferFrequentPairs.checked)
      passes.runStatistic("Berechnung der Paarbildung", parts.pairs);
    passes.rareGroups(2, "  ", {0, 1});
  }
  if (options.preferFrequentTriples.checked) {  // frequent triples
    passes.runStatistic("Berechnung der Dreiergruppenbildung", parts.triples);
    passes.frequentGroups(3, 3, {0, 1, 2});
  }
  if (options.preferRareTriples.checked) {  // rare triples
    if (!options.preferFrequentTriples.checked) {
      passes.runStatistic("Berechnung der Dreiergruppenbildung", parts.triples);
    }
    passes.rareGroups(3, "  ", {0, 1, 2});
  }
  if (options.preferFrequentQuadruples.checked) {  // frequent quadruples
    passes.runStatistic("Berechnung der Vierergruppenbildung", parts.quadruples);
    passes.frequentGroups(4, 3, {0, 1, 2, 3});
  }
  if (options.preferRareQuadruples.checked) {  // rare quadruples
    if (!options.preferFrequentQuadruples.checked) {
      passes.runStatistic("Berechnung der Vierergruppenbildung", parts.quadruples);
    }
    passes.rareGroups(4, " ", {0, 1, 2, 3});
  }
  if (options.preferFrequentNumbers.checked) {  // frequent numbers
    passes.runStatistic("Berechnung der Zahlenverteilung", parts.numberFrequency);
    passes.frequentNumbers();
  }
  if (options.preferRareNumbers.checked) {  // rare numbers
    if (!options.preferFrequentNumbers.checked) {
      passes.runStatistic("Berechnung der Zahlenverteilung", parts.numberFrequency);
    }
    passes.rareNumbers();
  }

  if (!options.onlyPreferredNumbers.checked) {
    for (std::int32_t n = 1; n <= 45; ++n) pool.appendRepeatedly(n, 1);
  }
  if (options.limitLastDraw.checked && options.lastDrawLimit.value() == 0) pool.removeAll(last);
  if (options.limitSecondLastDraw.checked && options.secondLastDrawLimit.value() == 0)
    pool.removeAll(secondLast);
  parts.activePage = MainPage::Tips;

  if (options.editPoolBeforeDrawing.checked) {
    handOverToDialog(pool, parts.dialog);
    pool.clear();
    const ModalResult result = parts.ui.showModal(parts.dialog);
    // OK (the Enter key) counts as "&Rechnen".
    if (result == ModalResult::Retry || result == ModalResult::Ok) {
      pool.rebuildFrom(parts.dialog);
    } else {
      build.abandoned = true;
    }
  }
  return build;
}

}  // namespace lotto
