#pragma once

#include <string>

namespace lotto {

// How a modal dialog was closed.
enum class ModalResult { None, Ok, Cancel, Abort, Retry };

// A window that is shown modally. The front end keeps a view for each kind of dialog and
// finds it by the dialog's type.
class ModalDialog {
 public:
  virtual ~ModalDialog() = default;
};

// What headless code needs of the user: messages, the busy cursor and redraws.
class UserInteraction {
 public:
  virtual ~UserInteraction() = default;

  // A plain message box with an OK button.
  virtual void showMessage(const std::string& text) = 0;
  // An error box with the failure's text.
  virtual void showError(const std::string& text) = 0;
  // A question with the buttons yes and no; true for yes.
  virtual bool askYesNo(const std::string& caption, const std::string& text) = 0;
  // Busy cursor on or off; BusyCursor below pairs the calls.
  virtual void setBusy(bool busy) = 0;
  // Shows the current state of the windows while a command is still running.
  virtual void redraw() = 0;
  // Shows a dialog modally and returns how it was closed.
  virtual ModalResult showModal(ModalDialog& dialog) = 0;
};

// Shows the busy cursor for the lifetime of the object, also when a command fails.
class BusyCursor {
 public:
  explicit BusyCursor(UserInteraction& ui) : ui_(ui) { ui_.setBusy(true); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
  ~BusyCursor() { ui_.setBusy(false); }

 private:
  UserInteraction& ui_;
};

}  // namespace lotto
