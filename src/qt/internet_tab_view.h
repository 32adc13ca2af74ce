#pragma once

#include <memory>

#include "qt/tab_view.h"

namespace Ui {
class InternetTabForm;
}

namespace lotto {

// The tab "Internet-Optionen": the proxy, the server and the two link labels.
class InternetTabView : public TabView {
  Q_OBJECT
 public:
  InternetTabView(MainWindow& form, CommandRunner runCommand, QWidget* parent = nullptr);
  ~InternetTabView() override;

  void syncFromModel() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::unique_ptr<Ui::InternetTabForm> ui_;
};

}  // namespace lotto
