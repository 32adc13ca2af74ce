#include "qt/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <stdexcept>

#include "draws/draw_entry.h"
#include "qt/draw_entry_view.h"
#include "qt/number_dialog_view.h"
#include "qt/script_chooser_view.h"
#include "qt/slip_settings_view.h"

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

QtUserInteraction::Answer QtUserInteraction::showBox(const Box& box) {
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
    case Box::Kind::Input: {
      bool ok = false;
      const QString text = QInputDialog::getText(parent_, caption, qs(box.text), QLineEdit::Normal,
                                                 qs(box.preset), &ok);
      return {ok, text.toStdString()};
    }
    case Box::Kind::OpenFile:
    case Box::Kind::SaveFile:
      break;  // the file dialogs show themselves
  }
  return false;
}

void QtUserInteraction::showMessage(const std::string& text) {
  showBox({Box::Kind::Message, "", text, ""});
}

void QtUserInteraction::showError(const std::string& text) {
  showBox({Box::Kind::Error, "", text, ""});
}

bool QtUserInteraction::askYesNo(const std::string& caption, const std::string& text) {
  return showBox({Box::Kind::Question, caption, text, ""}).accepted;
}

std::string QtUserInteraction::inputText(const std::string& caption, const std::string& prompt,
                                         const std::string& preset) {
  const Answer answer = showBox({Box::Kind::Input, caption, prompt, preset});
  return answer.accepted ? answer.text : preset;
}

namespace {

// "Werteliste|*.blw|Alle|*.*" as Qt writes it: "Werteliste (*.blw);;Alle (*.*)".
QStringList qtFilters(const std::string& filter) {
  const QStringList parts = qs(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    filters << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
  }
  return filters;
}

}  // namespace

std::optional<ChosenFile> QtUserInteraction::fileDialog(Box::Kind kind,
                                                        const FileDialogSpec& spec) {
  if (beforeShowing_) beforeShowing_();
  if (script_) {
    const Answer answer = script_({kind, "", spec.filter, spec.proposedName});
    if (!answer.accepted) return std::nullopt;
    return ChosenFile{answer.text, 1};
  }
  ArrowCursor arrow;
  QFileDialog dialog(parent_);
  const bool save = kind == Box::Kind::SaveFile;
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QStringList filters = qtFilters(spec.filter);
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(qs(spec.defaultExtension));
  // A name typed without an extension gets the one of the file type chosen ("*.pcs" for a
  // portal file), else the default.
  QObject::connect(
      &dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &spec](const QString& filter) {
        const QRegularExpression single(R"re(\(\*\.(\w+)\)$)re");
        const auto match = single.match(filter);
        dialog.setDefaultSuffix(match.hasMatch() ? match.captured(1) : qs(spec.defaultExtension));
      });
  if (!spec.folder.empty()) dialog.setDirectory(qs(spec.folder));
  if (!spec.proposedName.empty()) dialog.selectFile(qs(spec.proposedName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const int type = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
  return ChosenFile{dialog.selectedFiles().front().toStdString(), type > 0 ? type : 1};
}

std::optional<ChosenFile> QtUserInteraction::openFile(const FileDialogSpec& spec) {
  return fileDialog(Box::Kind::OpenFile, spec);
}

std::optional<ChosenFile> QtUserInteraction::saveFile(const FileDialogSpec& spec) {
  return fileDialog(Box::Kind::SaveFile, spec);
}

void QtUserInteraction::setBusy(bool busy) {
  if (busy) {
    if (busyDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (busyDepth_ > 0) {
    if (--busyDepth_ == 0) QApplication::restoreOverrideCursor();
  }
}

bool QtUserInteraction::redrawDue() {
  return !sinceLast_.isValid() || sinceLast_.elapsed() >= 33;
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
  interaction.registerView<DrawEntryDialog, DrawEntryView>();
  interaction.registerView<SlipSettingsDialog, SlipSettingsView>();
  interaction.registerView<ScriptChooser, ScriptChooserView>();
  interaction.registerView<NumberDialog, NumberDialogView>();
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

bool QtShell::startProgram(const std::string& program, const std::vector<std::string>& arguments) {
  QStringList list;
  for (const std::string& argument : arguments) list << qs(argument);
  // An argument list, never a command line: no shell reads a quote or a semicolon.
  return QProcess::startDetached(qs(program), list);
}

}  // namespace lotto
