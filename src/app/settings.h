#pragma once
// The user's options, tips, window size, proxy, print offsets and the start date of the
// chart tab, kept between runs in the settings key "Brunnhold\KalkuAT".

#include "platform/settings_store.h"

namespace lotto {

class TForm1;

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
