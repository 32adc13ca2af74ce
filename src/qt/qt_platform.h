#pragma once
// The Qt implementations of the program's platform interfaces.

#include <QElapsedTimer>
#include <QSoundEffect>
#include <QUrl>
#include <functional>
#include <map>
#include <typeindex>

#include "platform/services.h"

class QWidget;

namespace lotto {

class QtUserInteraction : public UserInteraction {
 public:
  // A box or standard dialog as the user would see it: a message, an error, a question, an
  // input box (its text the prompt, with the preset) or a file dialog (its text the filter,
  // with the proposed name).
  struct Box {
    enum class Kind { Message, Error, Question, Input, OpenFile, SaveFile };
    Kind kind;
    std::string caption;
    std::string text;
    std::string preset;
  };
  // The user's answer: yes or OK (else no or cancel), and the text typed or the file chosen.
  struct Answer {
    Answer(bool yes = true) : accepted(yes) {}  // NOLINT: a bare yes or no is an answer
    Answer(bool yes, std::string typed) : accepted(yes), text(std::move(typed)) {}
    bool accepted;
    std::string text;
  };
  using BoxScript = std::function<Answer(const Box&)>;
  // Shows a dialog's view modally over `parent` and returns how it was closed.
  using ViewFactory = std::function<ModalResult(ModalDialog&, QWidget* parent)>;

  // `parent` owns the message boxes; `beforeShowing` brings the windows up to date before
  // a box appears, `repaint` shows the current state while a command runs.
  void attach(QWidget* parent, std::function<void()> beforeShowing, std::function<void()> repaint);

  // The view of every kind of dialog, registered by the front end. View is a QDialog made
  // from (Dialog&, QtUserInteraction&, QWidget* parent) with `ModalResult run()`; it runs
  // its commands through runShowingFailures with this interaction.
  template <typename Dialog, typename View>
  void registerView() {
    registerView<Dialog>([this](Dialog& dialog, QWidget* parent) {
      View view(dialog, *this, parent);
      return view.run();
    });
  }
  template <typename Dialog>
  void registerView(std::function<ModalResult(Dialog&, QWidget*)> show) {
    views_[std::type_index(typeid(Dialog))] = [show = std::move(show)](ModalDialog& dialog,
                                                                       QWidget* parent) {
      return show(static_cast<Dialog&>(dialog), parent);
    };
  }

  // In tests no box is shown: each is handed to `script`, which answers for the user, so
  // that no test ever waits for a person.
  void scriptBoxes(BoxScript script) { script_ = std::move(script); }

  void showMessage(const std::string& text) override;
  void showError(const std::string& text) override;
  bool askYesNo(const std::string& caption, const std::string& text) override;
  std::string inputText(const std::string& caption, const std::string& prompt,
                        const std::string& preset) override;
  std::optional<ChosenFile> openFile(const FileDialogSpec& spec) override;
  std::optional<ChosenFile> saveFile(const FileDialogSpec& spec) override;
  void setBusy(bool busy) override;
  void redraw() override;
  bool redrawDue() override;
  ModalResult showModal(ModalDialog& dialog) override;

 private:
  Answer showBox(const Box& box);
  std::optional<ChosenFile> fileDialog(Box::Kind kind, const FileDialogSpec& spec);

  QWidget* parent_ = nullptr;
  std::function<void()> beforeShowing_;
  std::function<void()> repaint_;
  BoxScript script_;
  std::map<std::type_index, ViewFactory> views_;
  int busyDepth_ = 0;
  QElapsedTimer sinceLast_;
  bool redrawPending_ = false;
};

// Registers the view of every dialog of the program.
void registerDialogViews(QtUserInteraction& interaction);

class QtSoundPlayer : public SoundPlayer {
 public:
  void play(const std::string& path) override;

 private:
  QSoundEffect effect_;
};

// The address a document or a web address is opened with: a local path becomes a file
// URL with every character that needs it encoded (a blank, '#', '%').
QUrl documentUrl(const std::string& pathOrAddress);

class QtShell : public Shell {
 public:
  void openDocument(const std::string& pathOrAddress) override;
  bool startProgram(const std::string& program, const std::vector<std::string>& arguments) override;
};

}  // namespace lotto
