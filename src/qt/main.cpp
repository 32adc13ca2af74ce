// The desktop program: the headless main window with its Qt view.

#include <QApplication>
#include <QIcon>

#include "app/main_window.h"
#include "platform/clock.h"
#include "qt/core/qt_http_client.h"
#include "qt/core/qt_settings_store.h"
#include "qt/main_window_view.h"
#include "qt/qt_platform.h"
#include "qt/qt_report_preview.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName("Brunnhold");
  QApplication::setApplicationName("KalkuAT");
  QApplication::setApplicationDisplayName(lotto::MainWindow::kApplicationTitle);
  // The menu entry of an installed copy names the icon the desktop shows for the window.
  QApplication::setDesktopFileName("kalkuat");
  QApplication::setWindowIcon(QIcon::fromTheme("kalkuat"));

  lotto::QtUserInteraction interaction;
  lotto::QtSoundPlayer sound;
  lotto::QtShell shell;
  lotto::SystemClock clock;
  lotto::QtSettingsStore settings;
  lotto::QtHttpClient http;
  lotto::QtReportPreview report(interaction);
  lotto::registerDialogViews(interaction);
  lotto::MainWindow form(lotto::Services{.ui = interaction,
                                         .sound = sound,
                                         .shell = shell,
                                         .clock = clock,
                                         .settings = settings,
                                         .http = http,
                                         .report = report},
                         QApplication::applicationFilePath().toStdString());
  lotto::MainWindowView view(form, interaction);
  report.setParent(&view);
  view.show();
  return QApplication::exec();
}
