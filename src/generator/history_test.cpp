#include "generator/history_test.h"

#include <algorithm>
#include <bit>

namespace lotto {
namespace {

// The mask of six different numbers 1..45; 0 for anything else.
std::uint64_t maskOf(const std::uint8_t* numbers) {
  std::uint64_t mask = 0;
  for (int i = 0; i < 6; ++i) {
    const int n = numbers[i];
    if (n < 1 || n > 45) return 0;
    const std::uint64_t bit = std::uint64_t{1} << n;
    if ((mask & bit) != 0) return 0;
    mask |= bit;
  }
  return mask;
}

std::uint64_t maskOf(const Tip& tip) {
  std::array<std::uint8_t, 6> numbers{};
  for (std::size_t i = 0; i < 6; ++i) {
    if (tip[i] < 1 || tip[i] > 45) return 0;
    numbers[i] = static_cast<std::uint8_t>(tip[i]);
  }
  return maskOf(numbers.data());
}

}  // namespace

int literalHits(const DrawRecord& record, const Tip& tip) {
  int hits = 0;
  for (int i = 1; i <= 6; ++i) {
    for (const std::int32_t number : tip) hits += number == record.number(i) ? 1 : 0;
  }
  return hits;
}

void HistoryTest::prepare(double startDate) {
  if (!history_) history_ = readDrawHistory(parts_.drawFile);
  if (countedFrom_ == startDate) return;
  countedFrom_ = startDate;
  masks_.clear();
  indexes_.clear();
  zeros_.clear();
  const std::vector<DrawRecord>& records = history_->records;
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (!(records[i].date >= startDate)) continue;
    masks_.push_back(maskOf(records[i].bytes.data()));
    indexes_.push_back(i);
    zeros_.push_back(static_cast<std::uint8_t>(
        std::count(records[i].bytes.begin(), records[i].bytes.begin() + 6, 0)));
  }
}

void HistoryTest::scoredLast(std::size_t index, const Tip& tip) {
  const DrawRecord& record = history_->records[index];
  parts_.show.shownDate = record.date;
  parts_.scoring.scoredDraw = drawNumbersOf(record);
  parts_.scoring.scoreNumbers(tip);
}

template <int N>
std::optional<std::size_t> HistoryTest::firstHit(std::uint64_t tipMask, const Tip& tip) const {
  const std::size_t count = masks_.size();
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint64_t mask = masks_[i];
    if (mask == 0) {
      if (literalHits(history_->records[indexes_[i]], tip) >= N) return i;
      continue;
    }
    // N or more shared numbers: the AND keeps a bit after its N - 1 lowest are cleared.
    std::uint64_t shared = tipMask & mask;
    for (int cleared = 1; cleared < N; ++cleared) shared &= shared - 1;
    if (shared != 0) return i;
  }
  return std::nullopt;
}

std::optional<std::size_t> HistoryTest::firstHitAnyN(int n, std::uint64_t tipMask,
                                                     const Tip& tip) const {
  switch (n) {
    case 3:
      return firstHit<3>(tipMask, tip);
    case 4:
      return firstHit<4>(tipMask, tip);
    case 5:
      return firstHit<5>(tipMask, tip);
    case 6:
      return firstHit<6>(tipMask, tip);
    default:
      break;
  }
  for (std::size_t i = 0; i < masks_.size(); ++i) {
    const int hits = masks_[i] != 0 ? std::popcount(tipMask & masks_[i])
                                    : literalHits(history_->records[indexes_[i]], tip);
    if (hits >= n) return i;
  }
  return std::nullopt;
}

bool HistoryTest::passes(const Tip& tip) {
  const int n = parts_.matchSize.value();
  const double start = parts_.statisticsStart.date();
  prepare(start);
  parts_.workingDate = start;
  parts_.chart.beginStatistic();

  const std::uint64_t tipMask = maskOf(tip);
  std::optional<std::size_t> hit;
  if (tipMask != 0) {
    hit = firstHitAnyN(n, tipMask, tip);
  } else if (tip == Tip{}) {
    for (std::size_t i = 0; i < zeros_.size() && !hit; ++i) {
      if (6 * zeros_[i] >= n) hit = i;
    }
  } else {
    // A tip that is no six numbers 1..45 (the emptied candidate) is scored as it stands.
    for (std::size_t i = 0; i < indexes_.size() && !hit; ++i) {
      if (literalHits(history_->records[indexes_[i]], tip) >= n) hit = i;
    }
  }
  if (hit) {
    scoredLast(indexes_[*hit], tip);
    return false;
  }
  if (!indexes_.empty()) scoredLast(indexes_.back(), tip);
  history_->throwIfCut();
  return true;
}

}  // namespace lotto
