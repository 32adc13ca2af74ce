#pragma once

#include <optional>
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

// An open or save file dialog: the filter in the form "Werteliste|*.blw" (pairs of a type
// name and its patterns, joined by "|"), the extension added to a name typed without one,
// the name proposed and the folder it opens in.
struct FileDialogSpec {
  std::string filter;
  std::string defaultExtension;
  std::string proposedName;
  std::string folder;
};

// The file chosen in a file dialog, with the 1-based index of the file type chosen.
struct ChosenFile {
  std::string path;
  int typeIndex = 1;
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
  // An input box with a caption, a prompt and a preset text: the text when the user
  // confirms, the preset unchanged when the user cancels.
  virtual std::string inputText(const std::string& caption, const std::string& prompt,
                                const std::string& preset) = 0;
  // The standard file dialogs; nothing when the user cancels.
  virtual std::optional<ChosenFile> openFile(const FileDialogSpec& spec) = 0;
  virtual std::optional<ChosenFile> saveFile(const FileDialogSpec& spec) = 0;
  // Busy cursor on or off; BusyCursor below pairs the calls.
  virtual void setBusy(bool busy) = 0;
  // Shows the current state of the windows while a command is still running.
  virtual void redraw() = 0;
  // Whether a redraw now would make a picture (the front end makes some 30 a second):
  // state that only a picture needs is worth computing only then.
  virtual bool redrawDue() = 0;
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
