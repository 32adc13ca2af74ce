#pragma once
// "Tipps berechnen": fills the rows of the tip grid with tips drawn from the candidate
// pool, each one accepted only when it passes the chain of tests the options set. One run
// budget, runBudget, serves all rows; near its end some options are relaxed, and they are put
// back when the run ends.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "chart/chart_tab.h"
#include "controls/controls.h"
#include "controls/tip_grid.h"
#include "draws/draw_on_show.h"
#include "evaluation/scoring.h"
#include "generator/candidate_pool.h"
#include "generator/history_test.h"
#include "generator/number_dialog.h"
#include "generator/options.h"
#include "generator/random.h"
#include "platform/user_interaction.h"

namespace lotto {

// What one run leaves besides the grid: its pool, its accepted tips and how it went.
struct GeneratorState {
  struct Acceptance {
    int row;
    std::int32_t counter;
    Tip tip;
  };
  CandidatePool pool;
  std::array<Tip, 12> accepted{};
  std::vector<Acceptance> acceptances;  // every accepted candidate, in order
  std::array<std::int32_t, 7> last{};
  std::array<std::int32_t, 7> secondLast{};
  std::int32_t counter = 0;
  int statisticsRun = 0;
  bool abandoned = false;
};

// The main window's commands the run calls, as the user would.
struct GeneratorCommands {
  std::function<void()> checkTipsAgainstChosenDraw;  // check the tips for the date asked
  std::function<void()> showEarlierDraw;             // earlier draw
  std::function<void()> showLaterDraw;               // later draw
  std::function<void()> clearUnmarkedTips;           // clear the unmarked rows
  std::function<int()> checkAllTips;
  std::function<void()> showOverdueNumbers;  // the statistics of the passes
  std::function<void()> showPairs;
  std::function<void()> showTriples;
  std::function<void()> showQuadruples;
  std::function<void()> showNumberFrequency;
};

// The parts of the main window a run works on.
struct GeneratorParts {
  std::string drawFile;
  GenerationOptions& options;
  TipGrid& tips;
  ScoringFields& scoring;
  DrawOnShow& show;
  ChartTab& chartTab;
  double& workingDate;
  bool& completeCheckEnabled;
  bool& generatorRunning;
  std::int32_t runBudget;
  std::string& status;    // panel 1 of the status bar
  ProgressBar& progress;  // the share of runBudget spent
  MainPage& activePage;
  RandomGenerator& random;
  NumberDialog& dialog;
  UserInteraction& ui;
  GeneratorCommands commands;
};

// The whole run of "Tipps berechnen" (generateTips). An error inside it ends it with the
// error, after putting back what a normal end puts back: completeCheckEnabled, the relaxed options,
// generatorRunning.
void runGenerator(const GeneratorParts& parts, GeneratorState& state);

// The progress text of a complete candidate (sorted) of row n with its Quersumme.
std::string progressText(int row, const Tip& sorted, int quersumme);

// The numbers two tips share: pairs of equal numbers, zeros left out.
int sharedNumbers(const Tip& a, const Tip& b);

}  // namespace lotto
