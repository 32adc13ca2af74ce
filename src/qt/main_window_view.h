#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

#include "app/main_window.h"

namespace Ui {
class MainWindowForm;
}

namespace lotto {

class CommandGuard;
class QtUserInteraction;
class TabView;

// The frame of the main window: the tabs (one view each), the menu, the status bar, the
// scaling of the tab area and the one way every command runs. It copies the state of the
// headless MainWindow into the widgets after every command and holds no rule of the
// program.
class MainWindowView : public QMainWindow {
  Q_OBJECT

 public:
  MainWindowView(MainWindow& form, QtUserInteraction& ui, QWidget* parent = nullptr);
  ~MainWindowView() override;

  // Copies the state of the headless window into the widgets.
  void syncFromModel();
  // Runs a command of the headless window, shows what escapes it in an error box and
  // shows the state it leaves. While a command runs no other one starts: the window takes
  // no input but the stop button's.
  void runCommand(const std::function<void()>& command);
  bool commandRunning() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  struct ScaledWidget {
    QWidget* widget;
    qreal pointSize;
    QSize minimumSize;
    QSize maximumSize;
  };

  void addTabs();
  void addStatusPanels();
  void bindMenu();
  void noteWindowState();
  void rememberDesignedSizes();
  void applyScale();
  void syncCommandControls();
  void showProgress(const ProgressBar& bar);

  std::unique_ptr<Ui::MainWindowForm> ui_;
  MainWindow& form_;
  QtUserInteraction& interaction_;
  CommandGuard* guard_;
  std::vector<TabView*> tabs_;
  std::vector<ScaledWidget> scaled_;
  double appliedScale_ = 1.0;
  bool syncing_ = false;
  bool shown_ = false;
};

}  // namespace lotto
