#include "qt/command_runner.h"

#include <exception>
#include <string>

#include "platform/errors.h"

namespace lotto {

bool runShowingFailures(UserInteraction& ui, const std::function<void()>& command) {
  try {
    command();
    return true;
  } catch (const AppError& error) {
    ui.showError(error.what());
  } catch (const std::exception& error) {
    ui.showError(std::string("Interner Fehler des Programms: ") + error.what());
  } catch (...) {
    ui.showError("Interner Fehler des Programms");
  }
  return false;
}

}  // namespace lotto
