#pragma once
// The lucky number: the user sets the seed of the random generator to a number of his own,
// so that the next generator run can be repeated, and may run the generator at once.

#include <functional>
#include <string>

#include "generator/random.h"
#include "platform/clock.h"
#include "platform/user_interaction.h"

namespace lotto {

struct LuckyNumberParts {
  RandomGenerator& random;
  std::string& status;  // panel 1 of the status bar
  UserInteraction& ui;
  Clock& clock;
  std::function<void()> runGenerator;  // generateTips
};

// setLuckyNumber. A text that is no 32-bit integer seeds from the clock without a
// word; so does a failure of the program's own (AppError) after the seed was set, also
// inside the generator run, which then ends silently.
void enterLuckyNumber(const LuckyNumberParts& parts);

}  // namespace lotto
