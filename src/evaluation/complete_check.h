#pragma once

#include <string>

#include "controls/tip_grid.h"
#include "evaluation/scoring.h"
#include "platform/sound.h"

namespace lotto {

// Scores all twelve tips against scoring.scoredDraw: each complete tip is sorted, its fields
// coloured by their hits (lime, yellow for the Zusatzzahl), its Quersumme and hit
// labels set, and the sound started for three or more hits. An incomplete tip is shown
// plain with empty labels, and so is every tip when scoring.scoredDraw is no possible draw.
// A row that holds a number more than once is scored never: its hit label says which
// number ("5 mehrfach") and the fields holding it are red.
// Afterwards hits and zusatzzahlHit hold the score of tip 12 (0 and false when it is incomplete).
// Returns the best number of hits of the complete tips.
int runCompleteCheck(TipGrid& tips, ScoringFields& scoring, SoundPlayer& sound,
                     const std::string& soundPath);

}  // namespace lotto
