#include "generator/lucky_number.h"

#include "platform/convert.h"
#include "platform/errors.h"

namespace lotto {

void enterLuckyNumber(const LuckyNumberParts& parts) {
  const std::string proposal = std::to_string(parts.random.next(99999));
  const std::string answer =
      parts.ui.inputText("Ihre Glückszahl (1-99999999)?",
                         "Geben Sie Ihre Glückszahl für den Zufallsgenerator ein!", proposal);
  try {
    const std::int32_t number = toInteger(answer);
    parts.random.setSeed(number);
    parts.status = "Glückszahl " + std::to_string(number) + " gesetzt";
    if (parts.ui.askYesNo("Jetzt berechnen??", "Soll der Tipp jetzt berechnet werden?")) {
      parts.runGenerator();
    }
  } catch (const AppError&) {
    parts.random.seedFromCounter(parts.clock.highResolutionCounter());
  }
}

}  // namespace lotto
