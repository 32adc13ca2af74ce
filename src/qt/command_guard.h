#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace lotto {

// One command at a time. A command runs on the GUI thread; while it lets the event loop
// run (a repaint, a request that waits, a box it shows), the window it belongs to takes
// no input but that of its stop button: clicks, keys, the wheel, shortcuts and menus of
// the window are dropped until the command ends, and the window shows the busy cursor.
// Boxes and dialogs the command opens are windows of their own and take input as usual.
class CommandGuard : public QObject {
 public:
  explicit CommandGuard(QWidget* window);
  ~CommandGuard() override;

  // The one control that may act while a command runs.
  void allow(QWidget* stopButton) { allowed_ = stopButton; }

  bool running() const { return running_; }
  // Runs the command unless another one is running; false when it did not run. What the
  // command throws passes through, after the guard is lifted.
  bool run(const std::function<void()>& command);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool belongsToWindow(QObject* object) const;

  QWidget* window_;
  QPointer<QWidget> allowed_;
  bool running_ = false;
};

}  // namespace lotto
