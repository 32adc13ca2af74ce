#include "qt/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "qt/draw_entry_view.h"

namespace lotto {
namespace {

QString qs(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

void QtUserInteraction::attach(QWidget* parent, std::function<void()> beforeShowing,
                               std::function<void()> repaint) {
  parent_ = parent;
  beforeShowing_ = std::move(beforeShowing);
  repaint_ = std::move(repaint);
}

void QtUserInteraction::showMessage(const std::string& text) {
  if (beforeShowing_) beforeShowing_();
  QMessageBox::information(parent_, QApplication::applicationDisplayName(), qs(text));
}

void QtUserInteraction::showError(const std::string& text) {
  if (beforeShowing_) beforeShowing_();
  QMessageBox::critical(parent_, QApplication::applicationDisplayName(), qs(text));
}

void QtUserInteraction::setBusy(bool busy) {
  if (busy) {
    if (busyDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (busyDepth_ > 0) {
    if (--busyDepth_ == 0) QApplication::restoreOverrideCursor();
  }
}

void QtUserInteraction::redraw() {
  // At most about 30 pictures a second; the state itself is always complete.
  static QElapsedTimer sinceLast;
  if (sinceLast.isValid() && sinceLast.elapsed() < 33) return;
  sinceLast.start();
  if (repaint_) repaint_();
}

ModalResult QtUserInteraction::showModal(ModalDialog& dialog) {
  if (beforeShowing_) beforeShowing_();
  if (auto* entry = dynamic_cast<TForm3*>(&dialog)) {
    DrawEntryView view(*entry, parent_);
    return view.run();
  }
  throw AppError("Für dieses Fenster gibt es keine Ansicht");
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

void QtShell::openDocument(const std::string& pathOrAddress) {
  const QString target = qs(pathOrAddress);
  const QUrl url = target.startsWith('/') ? QUrl::fromLocalFile(target) : QUrl(target);
  QDesktopServices::openUrl(url);
}

}  // namespace lotto
