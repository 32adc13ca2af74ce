#pragma once
// The user's options, tips, window size, proxy, print offsets and the start date of the
// chart tab, kept between runs in the settings key "Brunnhold\KalkuAT".

#include <array>

#include "generator/options.h"
#include "platform/settings_store.h"

namespace lotto {

class MainWindow;

// The value names the settings key stores the options under, exactly as settings files
// written by every version of the program hold them ("Chekcbox" is how they are spelt),
// in the order they are written.
struct StoredCheckBox {
  const char* name;
  CheckBox GenerationOptions::*box;
};
struct StoredSpinner {
  const char* name;
  Spinner GenerationOptions::*spinner;
};
inline constexpr std::array<StoredCheckBox, 17> kStoredCheckBoxes = {{
    {"Chekcbox1", &GenerationOptions::preferFrequentPairs},
    {"Chekcbox2", &GenerationOptions::preferFrequentNumbers},
    {"Chekcbox3", &GenerationOptions::limitOverlap},
    {"Chekcbox4", &GenerationOptions::limitLastDraw},
    {"Chekcbox5", &GenerationOptions::limitSecondLastDraw},
    {"Chekcbox6", &GenerationOptions::preferFrequentTriples},
    {"Chekcbox7", &GenerationOptions::preferFrequentQuadruples},
    {"Chekcbox8", &GenerationOptions::forcePair},
    {"Chekcbox9", &GenerationOptions::rejectPastDrawMatches},
    {"Chekcbox10", &GenerationOptions::preferRareNumbers},
    {"Chekcbox11", &GenerationOptions::preferRarePairs},
    {"Chekcbox12", &GenerationOptions::preferRareTriples},
    {"Chekcbox13", &GenerationOptions::preferRareQuadruples},
    {"Chekcbox14", &GenerationOptions::preferSeldomNumbers},
    {"Chekcbox15", &GenerationOptions::onlyPreferredNumbers},
    {"Chekcbox18", &GenerationOptions::rejectRunOfThree},
    {"Chekcbox20", &GenerationOptions::editPoolBeforeDrawing},
}};
// The tip fields are stored under "Edit" and a number: tips 1 to 6 as "Edit1" .. "Edit36",
// tips 7 and 8 as "Edit43" .. "Edit54", tips 9 to 12 as "Edit56" .. "Edit79".
inline constexpr std::array<int, 12> kStoredFirstTipFields = {1,  7,  13, 19, 25, 31,
                                                              43, 49, 56, 62, 68, 74};
std::string storedTipFieldName(int tip, int index);
inline constexpr std::array<StoredSpinner, 8> kStoredSpinners = {{
    {"UpDown1", &GenerationOptions::quersummeFrom},
    {"UpDown2", &GenerationOptions::quersummeTo},
    {"UpDown3", &GenerationOptions::overlapLimit},
    {"UpDown4", &GenerationOptions::lastDrawLimit},
    {"UpDown5", &GenerationOptions::secondLastDrawLimit},
    {"UpDown6", &GenerationOptions::pastDrawMatchSize},
    {"UpDown7", &GenerationOptions::runBudgetThousands},
    {"UpDown8", &GenerationOptions::tipCount},
}};

inline constexpr const char* kSettingsKey = "Brunnhold\\KalkuAT";

// The first group: options, print values, window size, spinners, tip fields, paper.
// A value of the wrong kind ends the reading of the rest of the group silently; what was
// read before it stays, the rest keeps its defaults.
void readFirstSettingsGroup(MainWindow& form, SettingsStore& store);
// The second group: proxy host and port, the chart's start date and the server's
// address, read the same way.
void readSecondSettingsGroup(MainWindow& form, SettingsStore& store);
// Writes every value; a failure ends the writing silently and keeps what was written.
// The window size is written only while the window is in its normal state.
void writeSettings(MainWindow& form, SettingsStore& store);

}  // namespace lotto
