#pragma once

#include <QWidget>
#include <functional>

#include "app/main_window.h"

namespace lotto {

// How a view has the frame run a command: guarded, with its failures shown, and the
// window brought up to date afterwards.
using CommandRunner = std::function<void(const std::function<void()>&)>;

// A tab of the main window: its own form, bound to the parts of the headless window it
// shows. The frame copies the state in with syncFromModel after every command.
class TabView : public QWidget {
  Q_OBJECT
 public:
  TabView(MainWindow& form, CommandRunner runCommand, QWidget* parent)
      : QWidget(parent), form_(form), runCommand_(std::move(runCommand)) {}

  virtual void syncFromModel() = 0;

 protected:
  void run(const std::function<void()>& command) { runCommand_(command); }
  // A button that runs one command of the window.
  template <typename Button>
  void runOnClick(Button* button, void (MainWindow::*command)()) {
    connect(button, &Button::clicked, this,
            [this, command] { run([this, command] { (form_.*command)(); }); });
  }

  MainWindow& form_;
  // True while syncFromModel copies the state in, so that the widgets' own change signals
  // are not taken for the user's input.
  bool syncing_ = false;

 private:
  CommandRunner runCommand_;
};

}  // namespace lotto
