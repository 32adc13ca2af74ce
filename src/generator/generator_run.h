#pragma once
// "Tipps berechnen": fills the rows of the tip grid with tips drawn from the candidate
// pool, each one accepted only when it passes the chain of tests the options set. One run
// budget, LaufMax, serves all rows; near its end some options are relaxed, and they are put
// back when the run ends.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

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
#include "stats/commands.h"

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
  std::function<void()> SpeedButton5Click;   // check the tips for the date asked
  std::function<void()> SpeedButton6Click;   // earlier draw
  std::function<void()> SpeedButton7Click;   // later draw
  std::function<void()> SpeedButton11Click;  // clear the unmarked rows
  std::function<int()> Komplettcheck;
  std::function<void()> Button5Click;  // the statistics of the passes
  std::function<void()> Button2Click;
  std::function<void()> Button3Click;
  std::function<void()> Button4Click;
  std::function<void()> SpeedButton2Click;
};

// The parts of the main window a run works on.
struct GeneratorParts {
  std::string drawFile;
  GenerationOptions& options;
  TipGrid& tips;
  ScoringFields& scoring;
  DrawOnShow& show;
  ChartTab& chart;
  double& aktDatum;
  bool& sortieren;
  bool& Berechnunglaeuft;
  std::int32_t LaufMax;
  std::string& status;     // panel 1 of the status bar
  TProgressBar& progress;  // the share of LaufMax spent
  MainPage& activePage;
  RandomGenerator& random;
  TForm7& dialog;
  UserInteraction& ui;
  GeneratorCommands commands;
};

// The whole run of "Tipps berechnen" (Label28Click). An error inside it ends it with the
// error, after putting back what a normal end puts back: sortieren, the relaxed options,
// Berechnunglaeuft.
void runGenerator(const GeneratorParts& parts, GeneratorState& state);

// The progress text of a complete candidate (sorted) of row n with its Quersumme.
std::string progressText(int row, const Tip& sorted, int quersumme);

// The numbers two tips share: pairs of equal numbers, zeros left out.
int sharedNumbers(const Tip& a, const Tip& b);

}  // namespace lotto
