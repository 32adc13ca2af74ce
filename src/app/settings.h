#pragma once
// The user's options, tips, window size, proxy, print offsets and the start date of the
// chart tab, kept between runs in the settings key "Brunnhold\KalkuAT".

#include <array>

#include "generator/options.h"
#include "platform/settings_store.h"

namespace lotto {

class TForm1;

// The value names the settings key stores the options under, exactly as settings files
// written by every version of the program hold them ("Chekcbox" is how they are spelt),
// in the order they are written.
struct StoredCheckBox {
  const char* name;
  TCheckBox GenerationOptions::*box;
};
struct StoredSpinner {
  const char* name;
  TUpDown GenerationOptions::*spinner;
};
inline constexpr std::array<StoredCheckBox, 17> kStoredCheckBoxes = {{
    {"Chekcbox1", &GenerationOptions::CheckBox1},
    {"Chekcbox2", &GenerationOptions::CheckBox2},
    {"Chekcbox3", &GenerationOptions::CheckBox3},
    {"Chekcbox4", &GenerationOptions::CheckBox4},
    {"Chekcbox5", &GenerationOptions::CheckBox5},
    {"Chekcbox6", &GenerationOptions::CheckBox6},
    {"Chekcbox7", &GenerationOptions::CheckBox7},
    {"Chekcbox8", &GenerationOptions::CheckBox8},
    {"Chekcbox9", &GenerationOptions::CheckBox9},
    {"Chekcbox10", &GenerationOptions::CheckBox10},
    {"Chekcbox11", &GenerationOptions::CheckBox11},
    {"Chekcbox12", &GenerationOptions::CheckBox12},
    {"Chekcbox13", &GenerationOptions::CheckBox13},
    {"Chekcbox14", &GenerationOptions::CheckBox14},
    {"Chekcbox15", &GenerationOptions::CheckBox15},
    {"Chekcbox18", &GenerationOptions::CheckBox18},
    {"Chekcbox20", &GenerationOptions::CheckBox20},
}};
inline constexpr std::array<StoredSpinner, 8> kStoredSpinners = {{
    {"UpDown1", &GenerationOptions::UpDown1},
    {"UpDown2", &GenerationOptions::UpDown2},
    {"UpDown3", &GenerationOptions::UpDown3},
    {"UpDown4", &GenerationOptions::UpDown4},
    {"UpDown5", &GenerationOptions::UpDown5},
    {"UpDown6", &GenerationOptions::UpDown6},
    {"UpDown7", &GenerationOptions::UpDown7},
    {"UpDown8", &GenerationOptions::UpDown8},
}};

inline constexpr const char* kSettingsKey = "Brunnhold\\KalkuAT";

// The first group: options, print values, window size, spinners, tip fields, paper.
// A value of the wrong kind ends the reading of the rest of the group silently; what was
// read before it stays, the rest keeps its defaults.
void readFirstSettingsGroup(TForm1& form, SettingsStore& store);
// The second group: proxy host and port, the chart's start date and the server's
// address, read the same way.
void readSecondSettingsGroup(TForm1& form, SettingsStore& store);
// Writes every value; a failure ends the writing silently and keeps what was written.
// The window size is written only while the window is in its normal state.
void writeSettings(TForm1& form, SettingsStore& store);

}  // namespace lotto
