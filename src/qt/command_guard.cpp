#include "qt/command_guard.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace lotto {
namespace {

bool isInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
      return true;
    default:
      return false;
  }
}

}  // namespace

CommandGuard::CommandGuard(QWidget* window) : QObject(window), window_(window) {
  qApp->installEventFilter(this);
}

CommandGuard::~CommandGuard() {
  qApp->removeEventFilter(this);
}

bool CommandGuard::run(const std::function<void()>& command) {
  if (running_) return false;
  // Lifted again however the command ends.
  struct Running {
    bool& flag;
    explicit Running(bool& f) : flag(f) {
      flag = true;
      QApplication::setOverrideCursor(Qt::BusyCursor);
    }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;
    ~Running() {
      QApplication::restoreOverrideCursor();
      flag = false;
    }
  } running(running_);
  command();
  return true;
}

bool CommandGuard::belongsToWindow(QObject* object) const {
  if (auto* widget = qobject_cast<QWidget*>(object)) {
    if (widget->window() != window_) return false;
    return !(allowed_ && (widget == allowed_ || allowed_->isAncestorOf(widget)));
  }
  // A shortcut goes to the action; the window's actions are its children.
  if (qobject_cast<QAction*>(object) != nullptr) {
    for (QObject* parent = object->parent(); parent != nullptr; parent = parent->parent()) {
      if (parent == window_) return true;
    }
  }
  return false;
}

bool CommandGuard::eventFilter(QObject* watched, QEvent* event) {
  if (running_ && isInput(event->type()) && belongsToWindow(watched)) return true;
  return QObject::eventFilter(watched, event);
}

}  // namespace lotto
