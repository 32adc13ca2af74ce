#pragma once
// The Qt implementations of the program's platform interfaces.

#include <QSoundEffect>
#include <functional>

#include "platform/services.h"

class QWidget;

namespace lotto {

class QtUserInteraction : public UserInteraction {
 public:
  // `parent` owns the message boxes; `beforeShowing` brings the windows up to date before
  // a box appears, `repaint` shows the current state while a command runs.
  void attach(QWidget* parent, std::function<void()> beforeShowing, std::function<void()> repaint);

  void showMessage(const std::string& text) override;
  void showError(const std::string& text) override;
  void setBusy(bool busy) override;
  void redraw() override;
  ModalResult showModal(ModalDialog& dialog) override;

 private:
  QWidget* parent_ = nullptr;
  std::function<void()> beforeShowing_;
  std::function<void()> repaint_;
  int busyDepth_ = 0;
};

class QtSoundPlayer : public SoundPlayer {
 public:
  void play(const std::string& path) override;

 private:
  QSoundEffect effect_;
};

class QtShell : public Shell {
 public:
  void openDocument(const std::string& pathOrAddress) override;
};

}  // namespace lotto
