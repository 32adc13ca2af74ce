#include "generator/history_test.h"

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
  counted_.clear();
  const std::vector<DrawRecord>& records = history_->records;
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (records[i].date >= startDate) counted_.push_back({maskOf(records[i].bytes.data()), i});
  }
}

void HistoryTest::scoredLast(std::size_t index, const Tip& tip) {
  const DrawRecord& record = history_->records[index];
  parts_.show.Datum1 = record.date;
  parts_.scoring.Zahl = drawNumbersOf(record);
  parts_.scoring.score(tip);
}

bool HistoryTest::Secheroderfuenfer(const Tip& tip) {
  const int n = parts_.UpDown6.Position();
  const double start = parts_.DateTimePicker2.Date();
  prepare(start);
  parts_.aktDatum = start;
  parts_.chart.beginStatistic();

  const std::uint64_t tipMask = maskOf(tip);
  const std::vector<DrawRecord>& records = history_->records;
  for (const Counted& draw : counted_) {
    const int hits = (tipMask != 0 && draw.mask != 0) ? std::popcount(tipMask & draw.mask)
                                                      : literalHits(records[draw.index], tip);
    if (hits >= n) {
      scoredLast(draw.index, tip);
      return false;
    }
  }
  if (!counted_.empty()) scoredLast(counted_.back().index, tip);
  history_->throwIfCut();
  return true;
}

}  // namespace lotto
