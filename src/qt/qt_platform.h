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
  // A message, error or question box as the user would see it.
  struct Box {
    enum class Kind { Message, Error, Question };
    Kind kind;
    std::string caption;
    std::string text;
  };
  // Plays the user's part for a box: the answer to a question (ignored for the others).
  using BoxScript = std::function<bool(const Box&)>;
  // Shows a dialog's view modally over `parent` and returns how it was closed.
  using ViewFactory = std::function<ModalResult(ModalDialog&, QWidget* parent)>;

  // `parent` owns the message boxes; `beforeShowing` brings the windows up to date before
  // a box appears, `repaint` shows the current state while a command runs.
  void attach(QWidget* parent, std::function<void()> beforeShowing, std::function<void()> repaint);

  // The view of every kind of dialog, registered by the front end. View is a QDialog made
  // from (Dialog&, QWidget* parent) with `ModalResult run()`.
  template <typename Dialog, typename View>
  void registerView() {
    views_[std::type_index(typeid(Dialog))] = [](ModalDialog& dialog, QWidget* parent) {
      View view(static_cast<Dialog&>(dialog), parent);
      return view.run();
    };
  }

  // In tests no box is shown: each is handed to `script`, which answers for the user, so
  // that no test ever waits for a person.
  void scriptBoxes(BoxScript script) { script_ = std::move(script); }

  void showMessage(const std::string& text) override;
  void showError(const std::string& text) override;
  bool askYesNo(const std::string& caption, const std::string& text) override;
  void setBusy(bool busy) override;
  void redraw() override;
  ModalResult showModal(ModalDialog& dialog) override;

 private:
  bool showBox(const Box& box);

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
};

}  // namespace lotto
