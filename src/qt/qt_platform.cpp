#include "qt/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <stdexcept>

#include "draws/draw_entry.h"
#include "qt/draw_entry_view.h"

namespace lotto {
namespace {

QString qs(const std::string& text) {
  return QString::fromStdString(text);
}

// A box is answered with the normal arrow, whatever the command behind it shows.
class ArrowCursor {
 public:
  ArrowCursor() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
  ArrowCursor(const ArrowCursor&) = delete;
  ArrowCursor& operator=(const ArrowCursor&) = delete;
  ~ArrowCursor() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

void QtUserInteraction::attach(QWidget* parent, std::function<void()> beforeShowing,
                               std::function<void()> repaint) {
  parent_ = parent;
  beforeShowing_ = std::move(beforeShowing);
  repaint_ = std::move(repaint);
}

bool QtUserInteraction::showBox(const Box& box) {
  if (beforeShowing_) beforeShowing_();
  if (script_) return script_(box);
  const QString caption =
      box.caption.empty() ? QApplication::applicationDisplayName() : qs(box.caption);
  ArrowCursor arrow;
  switch (box.kind) {
    case Box::Kind::Message:
      QMessageBox::information(parent_, caption, qs(box.text));
      return true;
    case Box::Kind::Error:
      QMessageBox::critical(parent_, caption, qs(box.text));
      return true;
    case Box::Kind::Question:
      return QMessageBox::question(parent_, caption, qs(box.text),
                                   QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
  }
  return false;
}

void QtUserInteraction::showMessage(const std::string& text) {
  showBox({Box::Kind::Message, "", text});
}

void QtUserInteraction::showError(const std::string& text) {
  showBox({Box::Kind::Error, "", text});
}

bool QtUserInteraction::askYesNo(const std::string& caption, const std::string& text) {
  return showBox({Box::Kind::Question, caption, text});
}

void QtUserInteraction::setBusy(bool busy) {
  if (busy) {
    if (busyDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (busyDepth_ > 0) {
    if (--busyDepth_ == 0) QApplication::restoreOverrideCursor();
  }
}

void QtUserInteraction::redraw() {
  // At most about 30 pictures a second. A redraw asked for sooner is made once the time
  // is up, when the event loop runs (a request waiting, the command's end), so that the
  // last state is always shown.
  constexpr qint64 kInterval = 33;
  if (!repaint_) return;
  if (sinceLast_.isValid() && sinceLast_.elapsed() < kInterval) {
    if (!redrawPending_ && parent_ != nullptr) {
      redrawPending_ = true;
      QTimer::singleShot(kInterval - sinceLast_.elapsed(), parent_, [this] {
        redrawPending_ = false;
        sinceLast_.start();
        repaint_();
      });
    }
    return;
  }
  sinceLast_.start();
  repaint_();
}

ModalResult QtUserInteraction::showModal(ModalDialog& dialog) {
  const auto view = views_.find(std::type_index(typeid(dialog)));
  if (view == views_.end()) throw std::logic_error("no view registered for this dialog");
  if (beforeShowing_) beforeShowing_();
  ArrowCursor arrow;
  return view->second(dialog, parent_);
}

void registerDialogViews(QtUserInteraction& interaction) {
  interaction.registerView<TForm3, DrawEntryView>();
}

void QtSoundPlayer::play(const std::string& path) {
  const QString file = qs(path);
  if (!QFileInfo::exists(file)) {
    QApplication::beep();
    return;
  }
  effect_.stop();
  effect_.setSource(QUrl::fromLocalFile(file));
  effect_.play();
}

QUrl documentUrl(const std::string& pathOrAddress) {
  const QString target = qs(pathOrAddress);
  return target.startsWith('/') ? QUrl::fromLocalFile(target) : QUrl(target);
}

void QtShell::openDocument(const std::string& pathOrAddress) {
  QDesktopServices::openUrl(documentUrl(pathOrAddress));
}

}  // namespace lotto
