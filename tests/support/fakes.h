#pragma once
// Small fakes of the platform interfaces that record what the program asked of them.

#include <string>
#include <vector>

#include "platform/services.h"

namespace lotto::testing {

class FakeUserInteraction : public UserInteraction {
 public:
  void showMessage(const std::string& text) override { messages.push_back(text); }
  void showError(const std::string& text) override { errors.push_back(text); }
  void setBusy(bool busy) override { busyDepth += busy ? 1 : -1; }
  void redraw() override { ++redraws; }

  std::vector<std::string> messages;
  std::vector<std::string> errors;
  int busyDepth = 0;
  int redraws = 0;
};

class FakeSoundPlayer : public SoundPlayer {
 public:
  void play(const std::string& path) override { played.push_back(path); }
  std::vector<std::string> played;
};

class FakeShell : public Shell {
 public:
  void openDocument(const std::string& pathOrAddress) override { opened.push_back(pathOrAddress); }
  std::vector<std::string> opened;
};

class FakeClock : public Clock {
 public:
  double today() override { return todayValue; }
  double todayValue = 0;
};

// All fakes together, ready to hand to a window.
struct FakeServices {
  FakeUserInteraction ui;
  FakeSoundPlayer sound;
  FakeShell shell;
  FakeClock clock;
  Services services() { return Services{ui, sound, shell, clock}; }
};

}  // namespace lotto::testing
