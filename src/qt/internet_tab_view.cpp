#include "qt/internet_tab_view.h"

#include <QMouseEvent>

#include "qt/widget_sync.h"
#include "ui_internettab.h"

namespace lotto {

InternetTabView::InternetTabView(MainWindow& form, CommandRunner runCommand, QWidget* parent)
    : TabView(form, std::move(runCommand), parent), ui_(std::make_unique<Ui::InternetTabForm>()) {
  ui_->setupUi(this);
  const std::pair<QLineEdit*, TextField*> fields[] = {
      {ui_->proxyHost, &form_.internetOptions.proxyHost},
      {ui_->proxyPort, &form_.internetOptions.proxyPort},
      {ui_->server, &form_.internetOptions.server}};
  for (const auto& [edit, field] : fields) {
    connect(edit, &QLineEdit::textEdited, this,
            [field = field](const QString& text) { field->text = text.toStdString(); });
  }
  for (QLabel* link : {ui_->updateLink, ui_->operatorLink}) link->installEventFilter(this);
}

InternetTabView::~InternetTabView() = default;

void InternetTabView::syncFromModel() {
  syncing_ = true;
  setTextIfChanged(ui_->updateLink, form_.internetOptions.updateLink.caption);
  setTextIfChanged(ui_->operatorLink, form_.internetOptions.operatorLink.caption);
  setTextIfChanged(ui_->proxyHost, form_.internetOptions.proxyHost.text);
  setTextIfChanged(ui_->proxyPort, form_.internetOptions.proxyPort.text);
  setTextIfChanged(ui_->server, form_.internetOptions.server.text);
  syncing_ = false;
}

bool InternetTabView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (watched == ui_->updateLink) {
      run([this] { form_.openLink(form_.internetOptions.updateLink); });
      return true;
    }
    if (watched == ui_->operatorLink) {
      run([this] { form_.openLink(form_.internetOptions.operatorLink); });
      return true;
    }
  }
  return TabView::eventFilter(watched, event);
}

}  // namespace lotto
