#include "evaluation/history_search.h"

#include <array>
#include <bit>
#include <optional>

#include "draws/draw_display.h"
#include "draws/draw_file.h"
#include "platform/convert.h"
#include "platform/german.h"

namespace lotto {
namespace {

constexpr int kSearchedTips = 8;

std::uint64_t maskOfDraw(const DrawRecord& record) {
  std::uint64_t mask = 0;
  for (int i = 1; i <= 6; ++i) {
    const int n = record.number(i);
    if (n < 1 || n > 45 || (mask & (std::uint64_t{1} << n)) != 0) return 0;
    mask |= std::uint64_t{1} << n;
  }
  return mask;
}

// A tip of six filled, different numbers as a mask; 0 for any other tip.
std::uint64_t maskOfTip(const TipGrid& tips, int tip) {
  std::uint64_t mask = 0;
  for (int index = 1; index <= TipGrid::kNumbers; ++index) {
    const auto n = tryToInteger(tips.text(tip, index));
    if (!n || *n < 1 || *n > 45 || (mask & (std::uint64_t{1} << *n)) != 0) return 0;
    mask |= std::uint64_t{1} << *n;
  }
  return mask;
}

TipTexts textsOf(const TipGrid& tips, int tip) {
  return {tips.text(tip, 1), tips.text(tip, 2), tips.text(tip, 3),
          tips.text(tip, 4), tips.text(tip, 5), tips.text(tip, 6)};
}

// The search shows each draw and labels each tip as it scores it; only what the user
// sees is made: the labels wait (each remembers the draw it belongs to) until a stop or the
// end shows them.
class Search {
 public:
  Search(const HistorySearchParts& parts, const DrawHistory& history, int threshold)
      : parts_(parts), history_(history), threshold_(threshold) {
    for (int tip = 1; tip <= kSearchedTips; ++tip) {
      masks_[tip - 1] = maskOfTip(parts.tips, tip);
      // A row holding a number more than once is no tip: it is never scored.
      searched_[tip - 1] = !parts.tips.repeatedNumber(tip);
    }
  }

  // False when the user ended the search.
  bool run() {
    const std::vector<DrawRecord>& records = history_.records;
    for (std::size_t i = 0; i < records.size(); ++i) {
      const DrawRecord& record = records[i];
      if (!(record.date >= parts_.workingDate)) continue;
      if (!isShowableDate(record.date)) {
        showLabels();
        parts_.show.shownDate = record.date;
        parts_.scoring.scoredDraw = drawNumbersOf(record);
        requireShowableDate(record, i);
      }
      // No tip is scored against a record that is no possible draw.
      if (!isValidDraw(record)) continue;
      examined_ = i;
      const std::uint64_t drawMask = maskOfDraw(record);
      for (int tip = 1; tip <= kSearchedTips; ++tip) {
        if (!searched_[tip - 1]) continue;
        pending_[tip - 1] = i;
        if (hitsOf(tip, record, drawMask) < threshold_) continue;
        // A stop: the window as the search shows it now, then the check and the question.
        showLabels();
        showExaminedDraw(parts_.show, parts_.scoring.scoredDraw, record, i);
        parts_.completeCheck();
        if (!parts_.ui.askYesNo("Weiter?", "Ein Treffer am: " + formatShortDate(record.date))) {
          return false;
        }
      }
    }
    showLabels();
    if (examined_)
      showExaminedDraw(parts_.show, parts_.scoring.scoredDraw, records[*examined_], *examined_);
    history_.throwIfCut();
    return true;
  }

 private:
  int hitsOf(int tip, const DrawRecord& record, std::uint64_t drawMask) const {
    const std::uint64_t tipMask = masks_[tip - 1];
    if (tipMask != 0 && drawMask != 0) return std::popcount(tipMask & drawMask);
    ScoringFields scoring;
    scoring.scoredDraw = drawNumbersOf(record);
    scoring.scoreTip(textsOf(parts_.tips, tip));
    return scoring.hits;
  }

  // Every label still waiting, in tip order, scored against its own draw; the scoring
  // fields end as the last of these scorings leaves them.
  void showLabels() {
    for (int tip = 1; tip <= kSearchedTips; ++tip) {
      std::optional<std::size_t>& draw = pending_[tip - 1];
      if (!draw) continue;
      parts_.scoring.scoredDraw = drawNumbersOf(history_.records[*draw]);
      parts_.scoring.scoreTip(textsOf(parts_.tips, tip));
      Label& hit = parts_.tips.row(tip).hitLabel;
      hit.caption =
          std::to_string(parts_.scoring.hits) + (parts_.scoring.zusatzzahlHit ? " + Z" : "");
      hit.colour = parts_.scoring.hits >= 3 ? Colour::Red : Colour::Black;
      draw.reset();
    }
  }

  const HistorySearchParts& parts_;
  const DrawHistory& history_;
  const int threshold_;
  std::array<std::uint64_t, kSearchedTips> masks_{};
  std::array<bool, kSearchedTips> searched_{};
  std::array<std::optional<std::size_t>, kSearchedTips> pending_{};
  std::optional<std::size_t> examined_;
};

}  // namespace

void showExaminedDraw(DrawOnShow& show, DrawNumbers& scoredDraw, const DrawRecord& record,
                      std::size_t index) {
  showRecord(show, scoredDraw, record, index, 2);
  show.drawBarText.caption = show.shownDrawText.caption;
  // The earlier and later draw step from here, and the check for a date starts here.
  show.shownPosition = static_cast<std::int32_t>(index);
  show.chosenDate.setDate(record.date);
}

void searchTipsInHistory(const HistorySearchParts& parts) {
  const int threshold = toInteger(
      parts.ui.inputText("Bei wie vielen Zahlen Übereinstimmung stoppen?", "Tipp-Test", "6"));
  const DrawHistory history = readDrawHistory(parts.drawFile);
  parts.workingDate = parts.chartTab.statisticsStart.date();
  parts.chartTab.chart.beginStatistic();
  Search search(parts, history, threshold);
  if (!search.run()) return;
  for (int x = 0; x <= 9; ++x) parts.chartTab.chart.addPoint(x, 0);
}

}  // namespace lotto
