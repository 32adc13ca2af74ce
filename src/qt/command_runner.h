#pragma once

#include <functional>

#include "platform/user_interaction.h"

namespace lotto {

// Runs a command of a window or dialog and shows what escapes it in an error box: the
// program's own failures carry the text the user reads, anything else is a fault of the
// program itself and is named as one. Every view runs its commands through here, so a
// failure in a dialog is shown as the main window shows it and the dialog stays usable.
// False when the command failed.
bool runShowingFailures(UserInteraction& ui, const std::function<void()>& command);

}  // namespace lotto
