// The views bind: object names, captions, typed values reaching the headless window.

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolTip>
#include <QValueAxis>
#include <QtTest>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "app/main_window.h"
#include "draws/draw_file.h"
#include "platform/dates.h"
#include "platform/file_io.h"
#include "qt/chart_view.h"
#include "qt/core/qt_http_client.h"
#include "qt/draw_entry_view.h"
#include "qt/main_window_view.h"
#include "qt/number_dialog_view.h"
#include "qt/qt_platform.h"
#include "qt/script_chooser_view.h"
#include "qt/slip_settings_view.h"
#include "qt/step_spin_box.h"
#include "scripted_server.h"
#include "support/fakes.h"
#include "support/fixtures.h"

namespace lotto {

class ViewsTest : public QObject {
  Q_OBJECT

 private:
  // A main window on the real history in a temporary program folder, shown and started.
  // Its boxes are answered by a script, never by a person.
  struct Shown {
    testing::TempDir dir;
    QtUserInteraction interaction;
    testing::FakeServices fakes;
    std::vector<QtUserInteraction::Box> boxes;
    bool answer = true;  // to every question
    MainWindow form{services(), dir.file("kalkuat")};
    MainWindowView view{form, interaction};

    Shown() {
      writeDrawFile(dir.file(kDrawFileName), dir.file("tmp"), testing::realHistory());
      fakes.clock.todayValue = dayNumber(2026, 12, 9);
      view.show();
      QVERIFY(QTest::qWaitForWindowActive(&view));
      QVERIFY(form.state.completeCheckEnabled);  // the show sequence has run
    }
    Services services() {
      registerDialogViews(interaction);
      interaction.scriptBoxes([this](const QtUserInteraction::Box& box) {
        boxes.push_back(box);
        return answer;
      });
      fakes.uiInUse = &interaction;
      return fakes.services();
    }
    QAbstractButton* button(const char* name) { return view.findChild<QAbstractButton*>(name); }
    QString text(const char* label) { return view.findChild<QLabel*>(label)->text(); }
    void showPage(MainPage page) {
      form.frame.activePage = page;
      view.syncFromModel();
    }
  };

  static QLineEdit* field(QWidget& view, int tip, int index) {
    return view.findChild<QLineEdit*>(QString("tip%1Number%2").arg(tip).arg(index));
  }

 private slots:
  void mainWindowHasItsControlsUnderTheirNames() {
    Shown shown;
    QWidget& view = shown.view;
    QCOMPARE(view.windowTitle(), QString("Brunnholds Lotto - Kalkulant für Österreich V2"));

    int fields = 0;
    for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
      for (int index = 1; index <= TipGrid::kNumbers; ++index) {
        QLineEdit* edit = field(view, tip, index);
        QVERIFY2(edit != nullptr, qPrintable(QString("tip%1Number%2").arg(tip).arg(index)));
        ++fields;
      }
      auto* label = view.findChild<QLabel*>(QString("tip%1Label").arg(tip));
      QVERIFY(label != nullptr);
      QCOMPARE(label->text(), QString("%1. Tipp").arg(tip));
      QVERIFY(view.findChild<QLabel*>(QString("tip%1Hits").arg(tip)) != nullptr);
      QVERIFY(view.findChild<QLabel*>(QString("tip%1Quersumme").arg(tip)) != nullptr);
    }
    QCOMPARE(fields, 72);

    auto* tabs = view.findChild<QTabWidget*>("tabs");
    QVERIFY(tabs != nullptr);
    const QStringList captions = {"Lottotipp", "Berechnungs-Optionen", "Diagramm", "Datenbank",
                                  "Internet-Optionen"};
    QCOMPARE(tabs->count(), captions.size());
    for (int i = 0; i < tabs->count(); ++i) QCOMPARE(tabs->tabText(i), captions[i]);

    QCOMPARE(view.findChild<QCheckBox*>("sundayDraws")->text(), QString("Sonntag Ziehungen"));
    QCOMPARE(view.findChild<QCheckBox*>("wednesdayDraws")->text(), QString("Mittwoch Ziehungen"));
    QCOMPARE(view.findChild<QAction*>("quitAction")->text(), QString("Beenden"));
    QCOMPARE(view.findChild<QAction*>("updateDrawsAction")->text(),
             QString("Ziehungen aktualisieren"));
    QCOMPARE(view.findChild<QAbstractButton*>("clearTipsButton")->toolTip(),
             QString("Löschen aller Tipps"));
    QCOMPARE(view.findChild<QLabel*>("serverCaption")->text(),
             QString("Server für Ziehungen und Warenkorb:"));
    QCOMPARE(view.findChild<QLineEdit*>("server")->text(), QString("http://127.0.0.1:8045"));

    QCOMPARE(view.findChild<QLabel*>("drawBarText")->text(),
             QString("Fr 21.08.26    1  3  24  32  36  42 Z:37"));
    QCOMPARE(view.findChild<QLabel*>("drawBarQuersumme")->text(), QString("Quersumme: 138"));
  }

  void typedNumbersAreCleanedAndReachTheWindow() {
    Shown shown;
    QLineEdit* edit = field(shown.view, 3, 1);  // tip 3, number 1
    edit->setFocus();
    QTest::keyClicks(edit, "4");
    QCOMPARE(edit->text(), QString("4"));
    QCOMPARE(shown.form.tips.text(3, 1), std::string("4"));
    QTest::keyClicks(edit, "6");
    QCOMPARE(edit->text(), QString(""));
    QCOMPARE(shown.form.tips.text(3, 1), std::string(""));
  }

  void leavingAFieldChecksTheTips() {
    Shown shown;
    const char* typed[] = {"40", "7", "3", "11", "19", "2"};
    for (int index = 1; index <= 6; ++index) {
      QLineEdit* edit = field(shown.view, 1, index);
      edit->setFocus();
      QTest::keyClicks(edit, typed[index - 1]);
    }
    field(shown.view, 2, 1)->setFocus();  // leave tip 1
    QTRY_COMPARE(field(shown.view, 1, 1)->text(), QString("2"));
    QCOMPARE(field(shown.view, 1, 6)->text(), QString("40"));
    QCOMPARE(shown.view.findChild<QLabel*>("tip1Hits")->text(), QString("1"));
    QCOMPARE(field(shown.view, 1, 2)->palette().color(QPalette::Base), QColor(0, 255, 0));
  }

  static void typeTipInto(QWidget& view, int tip, const std::array<const char*, 6>& numbers) {
    for (int index = 1; index <= 6; ++index) {
      QLineEdit* edit = field(view, tip, index);
      edit->setFocus();
      QTest::keyClicks(edit, numbers[static_cast<std::size_t>(index - 1)]);
    }
  }

  // The pair statistic counts its groups against every draw; afterwards the tips are still
  // scored against the draw the window shows.
  void theTipsAreScoredAgainstTheDrawOnShowAfterAStatistic() {
    Shown shown;
    typeTipInto(shown.view, 1, {"1", "3", "24", "32", "36", "42"});
    field(shown.view, 2, 1)->setFocus();
    QTRY_COMPARE(shown.text("tip1Hits"), QString("6"));
    shown.showPage(MainPage::Chart);
    QTest::mouseClick(shown.button("chartPairsButton"), Qt::LeftButton);
    shown.showPage(MainPage::Tips);
    QTest::keyClicks(field(shown.view, 2, 1), "7");
    field(shown.view, 2, 2)->setFocus();  // leave tip 2
    QTRY_COMPARE(shown.text("tip1Hits"), QString("6"));
    QCOMPARE(shown.text("drawBarText"), QString("Fr 21.08.26    1  3  24  32  36  42 Z:37"));
  }

  // A row with a number twice is shown as no tip, and a save says why it saves nothing.
  void aRowWithARepeatedNumberIsShownAndNotSaved() {
    Shown shown;
    typeTipInto(shown.view, 1, {"5", "5", "5", "24", "24", "1"});
    field(shown.view, 2, 1)->setFocus();
    QTRY_COMPARE(shown.text("tip1Hits"), QString("5 mehrfach"));
    QCOMPARE(field(shown.view, 1, 1)->palette().color(QPalette::Base), QColor(Qt::red));
    QCOMPARE(field(shown.view, 1, 4)->palette().color(QPalette::Base),
             field(shown.view, 2, 1)->palette().color(QPalette::Base));
    QVERIFY(shown.fakes.sound.played.empty());
    shown.boxes.clear();
    QTest::mouseClick(shown.button("saveTipsButton"), Qt::LeftButton);
    QCOMPARE(shown.boxes.size(), std::size_t{1});
    QCOMPARE(shown.boxes[0].kind, QtUserInteraction::Box::Kind::Error);
    QCOMPARE(shown.boxes[0].text,
             std::string("Der 1. Tipp enthält die Zahl 5 mehrfach; ein Tipp braucht sechs "
                         "verschiedene Zahlen. Es wurde nichts gespeichert."));
    // A typed text the field refuses is named in the status bar.
    QTest::keyClicks(field(shown.view, 3, 1), "x");
    QCOMPARE(shown.text("progressStatus"),
             QString("„x“ ist keine Zahl von 1 bis 45: Tipp 3, Zahl 1 bleibt leer."));
  }

  void chartViewDrawsTheStatisticSeries() {
    StatisticSeries series;
    series.beginStatistic();
    series.addPoint(150, 2);
    series.addPoint(151, 0);
    series.addPoint(152, 5);
    series.setAutomaticValueRange();
    series.caption = "Quersummenverteilung     Ziehungen: 7    Quersumme: 151";
    ChartView chart;
    chart.showSeries(series);

    QBarSet* bars = chart.barSeries()->barSets().value(0);
    QVERIFY(bars != nullptr);
    QCOMPARE(bars->count(), 3);
    QCOMPARE(bars->at(0), 2.0);
    QCOMPARE(bars->at(2), 5.0);
    QCOMPARE(chart.categoryAxis()->categoriesLabels(), QStringList({"150", "151", "152"}));
    // The caption keeps its runs of blanks in the rich-text axis title.
    QCOMPARE(
        chart.categoryAxis()->titleText(),
        QString("Quersummenverteilung     Ziehungen: 7    Quersumme: 151").replace(' ', "&nbsp;"));
    QCOMPARE(chart.valueAxis()->min(), 0.0);
    QCOMPARE(chart.valueAxis()->max(), 5.0);

    series.beginStatistic();
    for (int k = 1; k <= 45; ++k) series.addPoint(k, 500 + k);
    series.fixValueRange(501, 545);
    chart.showSeries(series);
    QCOMPARE(bars->count(), 45);
    QCOMPARE(chart.valueAxis()->min(), 501.0);
    QCOMPARE(chart.valueAxis()->max(), 545.0);
  }

  void chartButtonsRunTheirStatistics() {
    Shown shown;
    shown.view.findChild<QAbstractButton*>("chartPairsButton")->click();  // "2er"
    QCOMPARE(shown.form.frame.activePage, MainPage::Chart);
    auto* tabs = shown.view.findChild<QTabWidget*>("tabs");
    QCOMPARE(tabs->currentIndex(), 2);
    auto* chart = shown.view.findChild<ChartView*>("chart");
    QVERIFY(chart != nullptr);
    QCOMPARE(chart->barSeries()->barSets().value(0)->count(), 44);
    QVERIFY(
        chart->categoryAxis()->titleText().startsWith("Bei&nbsp;3586&nbsp;Ziehungen&nbsp;wurden"));

    // Every command that works can be reached in the window.
    for (const char* name :
         {"pairsButton",           "triplesButton",         "quadruplesButton",
          "overdueButton",         "tipDistributionButton", "chartFrequencyButton",
          "chartQuersummeButton",  "chartTriplesButton",    "chartQuadruplesButton",
          "chartOverdueButton",    "earlierDrawButton",     "laterDrawButton",
          "checkChosenDateButton", "clearTipsButton",       "removeDrawButton",
          "enterDrawButton",       "updateButton",          "downloadButton",
          "generateButton",        "luckyNumberButton",     "saveTipsButton",
          "loadTipsButton",        "tipSheetButton",        "slipButton",
          "searchHistoryButton",   "basketButton",          "clickScriptButton",
          "tip1EditButton",        "tip12EditButton"}) {
      QVERIFY2(shown.view.findChild<QAbstractButton*>(name)->isEnabled(), name);
    }
    QVERIFY(shown.view.findChild<QAction*>("updateDrawsAction")->isEnabled());
    QVERIFY(shown.view.findChild<QAction*>("sendToBasketAction")->isEnabled());
    shown.view.findChild<QAbstractButton*>("earlierDrawButton")->click();
    QCOMPARE(shown.view.findChild<QLabel*>("drawBarText")->text(),
             QString("Mi 19.08.26    3  5  6  22  38  40 Z:27"));
  }

  // The bottom axis as drawn: whole numbers at one regular step (1, 2, 5, 10, ...), none
  // elided, none touching the next, from the first bar's end of the range to the last's.
  // Returns the step.
  static int readableBottomAxis(const ChartView& chart, int firstX, int lastX) {
    const QList<ChartView::DrawnLabel> labels = chart.drawnBottomLabels();
    if (labels.size() < 2) {
      qWarning() << "only" << labels.size() << "labels drawn";
      return 0;
    }
    QList<int> values;
    for (const ChartView::DrawnLabel& label : labels) {
      bool whole = false;
      values << label.text.toInt(&whole);
      if (!whole || label.text.contains(QChar(0x2026)) || label.text.contains("...")) {
        qWarning() << "not a readable number:" << label.text;
        return 0;
      }
    }
    const int step = values[1] - values[0];
    if (!QList<int>{1, 2, 5, 10, 20, 50}.contains(step)) {
      qWarning() << "irregular step" << values;
      return 0;
    }
    for (int i = 1; i < labels.size(); ++i) {
      if (values[i] - values[i - 1] != step || labels[i - 1].box.right() > labels[i].box.left()) {
        qWarning() << "labels" << values[i - 1] << values[i] << "overlap or skip";
        return 0;
      }
    }
    if (values.front() - firstX >= step || lastX - values.back() >= step) {
      qWarning() << "the range" << firstX << lastX << "is not labelled to its ends:" << values;
      return 0;
    }
    return step;
  }

  void theChartsBottomAxisIsReadableAtEverySize() {
    Shown shown;
    shown.showPage(MainPage::Chart);
    auto* chart = shown.view.findChild<ChartView*>("chart");
    const auto axisAfter = [&](const char* button, QSize size) {
      shown.view.showNormal();
      shown.view.resize(size);
      shown.button(button)->click();
      QCoreApplication::processEvents();
      QTest::qWait(20);
      const std::vector<ChartPoint>& points = shown.form.chartTab.chart.bars.points;
      return readableBottomAxis(*chart, static_cast<int>(points.front().x),
                                static_cast<int>(points.back().x));
    };
    const QSize designed(WindowFrame::kDesignedWidth, WindowFrame::kDesignedHeight);
    const QSize maximised(1920, 1080);
    // 45 numbers and about 190 Quersummen, each at the designed size and maximised.
    const int numbersSmall = axisAfter("chartFrequencyButton", designed);
    QVERIFY(numbersSmall > 0 && numbersSmall <= 5);
    QCOMPARE(axisAfter("chartFrequencyButton", maximised), 1);
    const int sumsSmall = axisAfter("chartQuersummeButton", designed);
    QVERIFY(sumsSmall > 0);
    const int sumsLarge = axisAfter("chartQuersummeButton", maximised);
    QVERIFY(sumsLarge > 0 && sumsLarge < sumsSmall);
    QVERIFY(shown.form.chartTab.chart.bars.points.size() > 150);
    // The tip page keeps the window wider than designed; the chart alone at the size the
    // designed window would give it is readable as well.
    for (const char* button : {"chartFrequencyButton", "chartQuersummeButton"}) {
      shown.button(button)->click();
      ChartView small;
      small.resize(WindowFrame::kDesignedWidth - 24, WindowFrame::kDesignedHeight - 110);
      small.show();
      QVERIFY(QTest::qWaitForWindowExposed(&small));
      small.showSeries(shown.form.chartTab.chart);
      QCoreApplication::processEvents();
      const std::vector<ChartPoint>& points = shown.form.chartTab.chart.bars.points;
      QVERIFY2(readableBottomAxis(small, static_cast<int>(points.front().x),
                                  static_cast<int>(points.back().x)) > 0,
               button);
    }
    shown.button("chartQuersummeButton")->click();
    // The step follows the window when it is made smaller again.
    shown.view.resize(designed);
    QTest::qWait(20);
    QCOMPARE(readableBottomAxis(*chart,
                                static_cast<int>(shown.form.chartTab.chart.bars.points.front().x),
                                static_cast<int>(shown.form.chartTab.chart.bars.points.back().x)),
             sumsSmall);
  }

  void pointingAtABarSaysWhatItCountsAndTheChartSavesAsPicture() {
    Shown shown;
    shown.showPage(MainPage::Chart);
    auto* chart = shown.view.findChild<ChartView*>("chart");
    shown.button("overdueButton")->click();  // overdue numbers
    const ChartPoint point = shown.form.chartTab.chart.bars.points[43];
    const QString expected = QString("Zahl 44: seit %1 Ziehungen nicht gezogen").arg(point.y);
    QCOMPARE(chart->toolTipOf(43), expected);
    QCursor::setPos(chart->mapToGlobal(chart->rect().center()));
    emit chart->bars()->hovered(true, 43);
    QTRY_COMPARE(QToolTip::text(), expected);
    emit chart->bars()->hovered(false, 43);
    QTRY_VERIFY(QToolTip::text().isEmpty());

    // "Diagramm speichern ..." proposes a name from the caption and writes a PNG.
    auto* save = chart->findChild<QAction*>("SaveChart");
    QVERIFY(save != nullptr);
    QCOMPARE(save->text(), QString("Diagramm speichern …"));
    const std::string target = shown.dir.file("Bilder überfällig.png");
    std::vector<QtUserInteraction::Box> asked;
    shown.interaction.scriptBoxes([&](const QtUserInteraction::Box& box) {
      asked.push_back(box);
      return QtUserInteraction::Answer(box.kind == QtUserInteraction::Box::Kind::SaveFile
                                           ? QtUserInteraction::Answer(true, target)
                                           : QtUserInteraction::Answer(true));
    });
    save->trigger();
    QCOMPARE(asked.size(), std::size_t{1});
    QCOMPARE(asked[0].kind, QtUserInteraction::Box::Kind::SaveFile);
    QCOMPARE(asked[0].preset, std::string("Welche Zahl ist überfällig.png"));
    QImage picture;
    QVERIFY(picture.load(QString::fromStdString(target), "PNG"));
    QCOMPARE(picture.size(), chart->size() * chart->devicePixelRatio());

    // A folder that cannot be written: an error, no file, and the window goes on.
    asked.clear();
    const std::string blocked = shown.dir.file("fehlt/Diagramm.png");
    shown.interaction.scriptBoxes([&](const QtUserInteraction::Box& box) {
      asked.push_back(box);
      return QtUserInteraction::Answer(true, blocked);
    });
    save->trigger();
    QCOMPARE(asked.size(), std::size_t{2});
    QCOMPARE(asked[1].kind, QtUserInteraction::Box::Kind::Error);
    QCOMPARE(asked[1].text, "Das Diagramm konnte nicht gespeichert werden: " + blocked);
    QVERIFY(!std::filesystem::exists(blocked));
    shown.button("chartFrequencyButton")->click();
    QCOMPARE(chart->toolTipOf(16).left(8), QString("Zahl 17:"));
  }

  void theStatusBarShowsTheProgressOfALongRunOnly() {
    Shown shown;
    auto* bar = shown.view.findChild<QProgressBar*>("progressBar");
    QVERIFY(bar != nullptr);
    QVERIFY(bar->isHidden());
    QCOMPARE(bar->accessibleName(), QString("Fortschritt"));
    // A budget past the range of an int still shows its share.
    shown.form.statusBar.progress = {
        .visible = true, .position = 3'000'000'000, .maximum = 4'000'000'000};
    shown.view.syncFromModel();
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->value() * 4, bar->maximum() * 3);

    // After a generator run it is gone again.
    shown.button("generateButton")->click();  // "Tipps berechnen"
    QVERIFY(!shown.form.tips.text(1, 1).empty());
    QVERIFY(bar->isHidden());
  }

  void optionsTabBindsItsControls() {
    Shown shown;
    QWidget& view = shown.view;
    auto* box = view.findChild<QCheckBox*>("limitOverlap");
    QVERIFY(box != nullptr);
    QCOMPARE(box->text(), QString("maximal"));
    QCOMPARE(box->accessibleName(), QString("maximal … Übereinstimmungen mit anderen Tipps"));
    QVERIFY(box->isChecked());
    QCOMPARE(view.findChild<QCheckBox*>("preferSeldomNumbers")->text(),
             QString("Zahlen, die besonders selten gezogen wurden, bevorzugen"));
    box->click();
    QVERIFY(!shown.form.options.limitOverlap.checked);
    // The text after the spinner toggles the box as well.
    QTest::mouseClick(view.findChild<QLabel*>("limitOverlapRest"), Qt::LeftButton);
    QVERIFY(shown.form.options.limitOverlap.checked);

    auto* quersumme = view.findChild<QSpinBox*>("quersummeFrom");
    QCOMPARE(quersumme->minimum(), 21);
    QCOMPARE(quersumme->maximum(), 279);
    QCOMPARE(quersumme->value(), 100);
    quersumme->setValue(120);
    QCOMPARE(shown.form.options.quersummeFrom.value(), 120);

    // A typed budget counts from the next step of a spinner.
    auto* budget = view.findChild<StepSpinBox*>("runBudgetThousands");
    budget->setValue(250);
    QCOMPARE(shown.form.state.runBudget, 100000);
    view.findChild<StepSpinBox*>("tipCount")->stepBy(-1);
    QCOMPARE(shown.form.options.tipCount.value(), 11);
    QCOMPARE(shown.form.state.runBudget, 250000);
    budget->stepBy(1);
    QCOMPARE(shown.form.state.runBudget, 251000);
  }

  void entryDialogShowsItsPresetsAndHandsBackTheDraw() {
    DrawEntryDialog form;
    form.presetFrom(testing::makeDraw(2025, 1, 5, {3, 11, 19, 24, 37, 42}, 8, 4));
    QtUserInteraction interaction;
    DrawEntryView view(form, interaction);
    QCOMPARE(view.windowTitle(), QString("Zahlen der Ziehung eingeben"));
    QCOMPARE(view.findChild<QSpinBox*>("number2")->value(), 11);
    QCOMPARE(view.findChild<QSpinBox*>("zusatzzahl")->value(), 8);
    QVERIFY(view.findChild<QSpinBox*>("spare")->isHidden());
    QVERIFY(view.findChild<QLabel*>("spareCaption")->isHidden());
    QCOMPARE(view.findChild<QDateEdit*>("date")->date(), QDate(2025, 1, 5));

    view.findChild<QSpinBox*>("number1")->setValue(44);
    view.findChild<QDateEdit*>("date")->setDate(QDate(2025, 1, 8));
    QTimer::singleShot(0, &view, [&view] { view.findChild<QPushButton*>("okButton")->click(); });
    QCOMPARE(view.run(), ModalResult::Ok);
    QCOMPARE(form.enteredDraw(), testing::makeDraw(2025, 1, 8, {11, 19, 24, 37, 42, 44}, 8, 4));
  }

  // The dialog refuses an impossible draw, says why and stays open with what was typed.
  void entryDialogKeepsAnImpossibleDrawForMending() {
    DrawEntryDialog form;
    form.presetFrom(testing::makeDraw(2025, 1, 5, {3, 11, 19, 24, 37, 42}, 8, 4));
    form.latestDate = dayNumber(2026, 12, 9);
    QtUserInteraction interaction;
    std::vector<QtUserInteraction::Box> boxes;
    interaction.scriptBoxes([&boxes](const QtUserInteraction::Box& box) {
      boxes.push_back(box);
      return QtUserInteraction::Answer(true);
    });
    DrawEntryView view(form, interaction);
    view.findChild<QSpinBox*>("number1")->setValue(11);  // 11 twice
    bool stillOpen = false;
    QTimer::singleShot(0, &view, [&] {
      view.findChild<QPushButton*>("okButton")->click();
      stillOpen = view.isVisible();
      view.findChild<QSpinBox*>("number1")->setValue(1);
      view.findChild<QPushButton*>("okButton")->click();
    });
    QCOMPARE(view.run(), ModalResult::Ok);
    QVERIFY(stillOpen);
    QCOMPARE(boxes.size(), std::size_t{1});
    QCOMPARE(boxes[0].kind, QtUserInteraction::Box::Kind::Error);
    QCOMPARE(boxes[0].text,
             std::string("Die Ziehung kann nicht gespeichert werden: die Zahl 11 steht zweimal "
                         "darin."));
    QCOMPARE(form.enteredDraw(), testing::makeDraw(2025, 1, 5, {1, 11, 19, 24, 37, 42}, 8, 4));
  }

  void aSecondCommandDoesNotStartWhileOneRuns() {
    Shown shown;
    shown.showPage(MainPage::Draws);
    shown.form.buttons.stopButton.visible = true;  // the stop button, as during a download
    shown.view.syncFromModel();
    int stops = 0;
    connect(shown.button("stopButton"), &QAbstractButton::clicked, [&stops] { ++stops; });
    QLineEdit* edit = field(shown.view, 1, 1);
    const std::int32_t position = shown.form.drawOnShow.shownPosition;
    const std::string caption = shown.form.chartTab.chart.caption;

    bool ran = false;
    bool secondRan = false;
    shown.view.runCommand([&] {
      ran = true;
      QVERIFY(shown.view.commandRunning());
      QVERIFY(QApplication::overrideCursor() != nullptr);
      QCOMPARE(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
      // The command waits in the event loop, as a download does, and the user acts.
      QEventLoop waiting;
      QTimer::singleShot(0, &waiting, [&] {
        QTest::mouseClick(shown.button("pairsButton"), Qt::LeftButton);  // "Paare suchen"
        QTest::mouseClick(shown.button("stopButton"), Qt::LeftButton);
        shown.view.findChild<QTabWidget*>("tabs")->setCurrentIndex(0);
        QTest::mouseClick(shown.button("earlierDrawButton"), Qt::LeftButton);
        QTest::keyClicks(edit, "7");
        waiting.quit();
      });
      waiting.exec();
      shown.view.runCommand([&] { secondRan = true; });
    });
    QVERIFY(ran);
    QVERIFY(!secondRan);
    QCOMPARE(stops, 1);  // the stop button alone took its click
    QCOMPARE(shown.form.chartTab.chart.caption, caption);
    QCOMPARE(shown.form.drawOnShow.shownPosition, position);
    QCOMPARE(edit->text(), QString());
    QVERIFY(!shown.view.commandRunning());
    QVERIFY(QApplication::overrideCursor() == nullptr);

    // Once the command has ended, the same click runs its command.
    QTest::mouseClick(shown.button("earlierDrawButton"), Qt::LeftButton);
    QCOMPARE(shown.form.drawOnShow.shownPosition, position - 1);
  }

  void theUpdateRunsFromItsButtonsAndTheMenuAgainstTheServerSet() {
    Shown shown;
    QCOMPARE(shown.fakes.http.requests.size(), std::size_t{1});  // at start
    shown.showPage(MainPage::Internet);
    QLineEdit* server = shown.view.findChild<QLineEdit*>("server");
    server->clear();
    QTest::keyClicks(server, "http://lotto.example:9000");
    QCOMPARE(shown.form.internetOptions.server.text, std::string("http://lotto.example:9000"));

    shown.showPage(MainPage::Draws);
    QTest::mouseClick(shown.button("updateButton"), Qt::LeftButton);
    shown.showPage(MainPage::Tips);
    QTest::mouseClick(shown.button("downloadButton"), Qt::LeftButton);
    shown.view.findChild<QAction*>("updateDrawsAction")->trigger();
    const auto& requests = shown.fakes.http.requests;
    QCOMPARE(requests.size(), std::size_t{4});
    for (std::size_t i = 1; i < 4; ++i) {
      QCOMPARE(requests[i].url,
               std::string("http://lotto.example:9000/zahlen/lotto_neu.asp?Datum=20260823"
                           "&Programm=KalkuAT"));
    }
    // Each run ended with the buttons back and the stop button hidden.
    QVERIFY(shown.button("updateButton")->isEnabled());
    QVERIFY(shown.button("stopButton")->isHidden());
    QVERIFY(shown.boxes.empty());
  }

  void theStopButtonActsWhileARequestWaits() {
    // The server takes its time with every reply.
    testing::ScriptedServer server([](int, const QByteArray&) {
      testing::ScriptedServer::Answer answer = testing::ScriptedServer::draw("x,1,2,3,4,5,6,7,");
      answer.delayMs = 300;
      return answer;
    });
    testing::TempDir dir;
    std::vector<DrawRecord> history = testing::realHistory();
    std::erase_if(history, [](const DrawRecord& r) { return r.date > dayNumber(2025, 1, 5); });
    writeDrawFile(dir.file(kDrawFileName), dir.file("tmp"), history);
    QtUserInteraction interaction;
    std::vector<QtUserInteraction::Box> boxes;
    interaction.scriptBoxes([&boxes](const QtUserInteraction::Box& box) {
      boxes.push_back(box);
      return true;
    });
    QtHttpClient http;
    testing::FakeServices fakes;
    fakes.uiInUse = &interaction;
    fakes.httpInUse = &http;
    fakes.clock.todayValue = dayNumber(2026, 12, 9);
    fakes.settings.values["ServerEdit"] = server.address();
    MainWindow form(fakes.services(), dir.file("kalkuat"));
    form.frame.activePage = MainPage::Draws;
    MainWindowView view(form, interaction);

    bool stopShown = false;
    QString status;
    QTimer::singleShot(150, &view, [&] {
      auto* stop = view.findChild<QAbstractButton*>("stopButton");
      stopShown =
          !stop->isHidden() && !view.findChild<QAbstractButton*>("updateButton")->isEnabled();
      status = view.findChild<QLabel*>("drawRequestStatus")->text();
      QTest::mouseClick(stop, Qt::LeftButton);
    });
    view.show();  // the start-up update runs here

    QVERIFY(stopShown);
    QCOMPARE(status, QString("Loading"));
    QCOMPARE(readDrawFile(dir.file(kDrawFileName)).size(), history.size() + 1);
    QCOMPARE(server.heads.size(), 1);  // stopped before the second request
    QVERIFY(view.findChild<QAbstractButton*>("stopButton")->isHidden());
    QVERIFY(view.findChild<QAbstractButton*>("updateButton")->isEnabled());
    QVERIFY(!view.commandRunning());
    QVERIFY(boxes.empty());
  }

  void tipsAreSavedLoadedAndSearchedFromTheWindow() {
    Shown shown;
    const char* typed[] = {"3", "17", "22", "30", "41", "45"};
    for (int index = 1; index <= 6; ++index) shown.form.setTipField(1, index, typed[index - 1]);
    const std::string path = shown.dir.file("meine.blt");
    shown.interaction.scriptBoxes([&](const QtUserInteraction::Box& box) {
      shown.boxes.push_back(box);
      if (box.kind == QtUserInteraction::Box::Kind::SaveFile ||
          box.kind == QtUserInteraction::Box::Kind::OpenFile) {
        return QtUserInteraction::Answer(true, path);
      }
      if (box.kind == QtUserInteraction::Box::Kind::Input)
        return QtUserInteraction::Answer(true, "3");
      return QtUserInteraction::Answer(false);  // "Weiter?": no
    });
    QTest::mouseClick(shown.button("saveTipsButton"), Qt::LeftButton);
    QCOMPARE(shown.boxes.back().text, std::string("Tippdatei|*.blt|Win2Day-Datei|*.pcs"));
    shown.form.clearUnmarkedTips();
    shown.view.syncFromModel();
    QCOMPARE(field(shown.view, 1, 1)->text(), QString());
    QTest::mouseClick(shown.button("loadTipsButton"), Qt::LeftButton);
    QCOMPARE(field(shown.view, 1, 1)->text(), QString("3"));
    QCOMPARE(field(shown.view, 1, 6)->text(), QString("45"));

    QTest::mouseClick(shown.button("searchHistoryButton"), Qt::LeftButton);  // stops at three hits
    QCOMPARE(shown.boxes.back().kind, QtUserInteraction::Box::Kind::Question);
    QCOMPARE(shown.boxes.back().caption, std::string("Weiter?"));
    QVERIFY(QString::fromStdString(shown.boxes.back().text).startsWith("Ein Treffer am: "));
  }

  void anErrorBoxKeepsTheWindowUsable() {
    Shown shown;
    const QString newest = shown.text("drawBarText");
    std::rename(shown.dir.file(kDrawFileName).c_str(), shown.dir.file("away").c_str());
    shown.showPage(MainPage::Chart);
    QTest::mouseClick(shown.button("chartFrequencyButton"), Qt::LeftButton);
    QCOMPARE(shown.boxes.size(), std::size_t{1});
    QCOMPARE(shown.boxes[0].kind, QtUserInteraction::Box::Kind::Error);
    QVERIFY(QString::fromStdString(shown.boxes[0].text).startsWith("E/A-Fehler 2"));
    QVERIFY(!shown.view.commandRunning());
    QVERIFY(QApplication::overrideCursor() == nullptr);

    // A fault of the program itself is shown as such, and the window goes on as well.
    shown.view.runCommand([] { throw std::logic_error("a broken invariant"); });
    QCOMPARE(shown.boxes.back().text,
             std::string("Interner Fehler des Programms: a broken invariant"));

    std::rename(shown.dir.file("away").c_str(), shown.dir.file(kDrawFileName).c_str());
    shown.showPage(MainPage::Tips);
    QTest::mouseClick(shown.button("earlierDrawButton"), Qt::LeftButton);
    QCOMPARE(shown.text("drawBarText"), QString("Mi 19.08.26    3  5  6  22  38  40 Z:27"));
    QVERIFY(shown.text("drawBarText") != newest);
    QCOMPARE(shown.boxes.size(), std::size_t{2});
  }

  // A dialog shows what escapes its commands as the main window does, and goes on.
  void aFailureInADialogIsShownAsInTheWindowAndTheDialogStaysUsable() {
    QtUserInteraction interaction;
    std::vector<QtUserInteraction::Box> boxes;
    interaction.scriptBoxes([&boxes](const QtUserInteraction::Box& box) {
      if (box.kind == QtUserInteraction::Box::Kind::SaveFile) {
        throw std::logic_error("a broken file dialog");
      }
      boxes.push_back(box);
      return QtUserInteraction::Answer(true);
    });
    testing::FakeServices fakes;
    RandomGenerator random;
    std::string folder = "/tmp/";
    NumberDialog form(random, interaction, fakes.clock, folder);
    NumberDialogView view(form, interaction);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    QTest::mouseClick(view.findChild<QAbstractButton*>("saveListButton"), Qt::LeftButton);
    QCOMPARE(boxes.size(), std::size_t{1});
    QCOMPARE(boxes[0].kind, QtUserInteraction::Box::Kind::Error);
    QCOMPARE(boxes[0].text, std::string("Interner Fehler des Programms: a broken file dialog"));
    QVERIFY(view.isVisible());

    form.setChecked(7, false);
    form.setWeight(7, "2");
    view.syncFromModel();
    QTest::mouseClick(view.findChild<QCheckBox*>("number7"), Qt::LeftButton);
    QVERIFY(form.box(7).checked);
    QCOMPARE(form.box(7).weight, std::string("3"));
  }

  void boxesAndDialogsGoThroughTheScriptAndTheRegistry() {
    Shown shown;
    std::remove(shown.dir.file(kDrawFileName).c_str());
    shown.showPage(MainPage::Draws);
    QTest::mouseClick(shown.button("checkChosenDateButton"), Qt::LeftButton);
    QCOMPARE(shown.boxes.size(), std::size_t{1});
    QCOMPARE(shown.boxes[0].kind, QtUserInteraction::Box::Kind::Message);
    QCOMPARE(shown.boxes[0].text, std::string("Lesen Sie zuerst du Daten der Ziehungen ein"));
    shown.answer = false;
    QVERIFY(
        !shown.interaction.askYesNo("Jetzt berechnen??", "Soll der Tipp jetzt berechnet werden?"));
    QCOMPARE(shown.boxes.back().caption, std::string("Jetzt berechnen??"));

    // The entry dialog is found by its type and shown modally; "Abbrechen" stores nothing.
    writeDrawFile(shown.dir.file(kDrawFileName), shown.dir.file("tmp"), testing::realHistory());
    QString title;
    QTimer::singleShot(0, [&title] {
      QWidget* dialog = QApplication::activeModalWidget();
      QVERIFY(dialog != nullptr);
      title = dialog->windowTitle();
      dialog->findChild<QPushButton*>("cancelButton")->click();
    });
    QTest::mouseClick(shown.button("enterDrawButton"), Qt::LeftButton);
    QCOMPARE(title, QString("Zahlen der Ziehung eingeben"));
    QCOMPARE(readDrawFile(shown.dir.file(kDrawFileName)).size(), std::size_t{3672});

    // A dialog without a view is a fault of the program, not a hang.
    struct Unknown : ModalDialog {};
    Unknown unknown;
    shown.view.runCommand([&] { shown.interaction.showModal(unknown); });
    QVERIFY(QString::fromStdString(shown.boxes.back().text).startsWith("Interner Fehler"));
  }

  void netzlaufmatAsksForTheProgramAndThenShowsTheScriptChooser() {
    Shown shown;
    shown.answer = false;
    QTest::mouseClick(shown.button("clickScriptButton"), Qt::LeftButton);
    QCOMPARE(shown.boxes.back().caption, std::string("Netzlauf fehlt"));
    QVERIFY(shown.fakes.shell.started.empty());

    std::filesystem::create_directories(shown.dir.file("Script"));
    std::ofstream(shown.dir.file("Script/Portal.bks")) << "[Z1_1]";
    std::filesystem::create_directories(shown.dir.file("Netz"));
    std::ofstream(shown.dir.file("Netz/Netzlauf")) << "#!/bin/sh\n";
    std::filesystem::permissions(shown.dir.file("Netz/Netzlauf"),
                                 std::filesystem::perms::owner_all);
    shown.fakes.settings.values["Path"] = shown.dir.file("Netz");
    field(shown.view, 1, 1)->setFocus();  // tip 1, number 1
    QTest::keyClicks(field(shown.view, 1, 1), "3");
    QCOMPARE(shown.form.tips.text(1, 1), std::string("3"));
    QString title;
    QString listed;
    bool masked = false;
    QTimer::singleShot(0, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      QVERIFY(dialog != nullptr);
      title = dialog->windowTitle();
      listed = dialog->findChild<QComboBox*>("script")->currentText();
      auto* password = dialog->findChild<QLineEdit*>("password");
      masked = password->echoMode() == QLineEdit::Password;
      password->setText("pa ss;wort");
      dialog->findChild<QLineEdit*>("login")->setText("ich");
      dialog->findChild<QPushButton*>("okButton")->click();
    });
    QTest::mouseClick(shown.button("clickScriptButton"), Qt::LeftButton);
    QCOMPARE(title, QString("Script für Zahlenübergabe auswählen!"));
    QCOMPARE(listed, QString::fromStdString(shown.dir.file("Script/Portal.bks")));
    QVERIFY(masked);
    QCOMPARE(shown.fakes.shell.started, std::vector<std::string>{shown.dir.file("Netz/Netzlauf")});
    const std::string filled = shown.dir.file("Tipps/20261209.bks");
    QCOMPARE(shown.fakes.shell.startedWith[0],
             (std::vector<std::string>{"START", filled, "0", "ich", "0", "pa ss;wort"}));
    QCOMPARE(QString::fromStdString(readWholeFile(filled)), QString("3"));
  }

  // A screen reader names every field a user can type or turn, and every button that shows
  // a symbol instead of a word.
  void everyInputAndPictureButtonHasAnAccessibleName() {
    Shown shown;
    DrawEntryDialog entry;
    DrawEntryView entryView(entry, shown.interaction);
    NumberDialogView numberView(shown.form.numberDialog, shown.interaction);
    SlipSettingsView slipView(shown.form.slipSettings, shown.interaction);
    ScriptChooserView chooserView(shown.form.scriptChooser, shown.interaction);
    const auto isInternal = [](const QWidget* widget) {
      const QWidget* parent = widget->parentWidget();
      return qobject_cast<const QAbstractSpinBox*>(parent) != nullptr ||
             qobject_cast<const QComboBox*>(parent) != nullptr;
    };
    // A symbol, a number, or an abbreviation explained by its hint ("QS", "2er").
    const auto showsPicture = [](const QAbstractButton& button) {
      const QString text = button.text();
      const bool letters =
          std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
      return !letters || (text.size() <= 3 && !button.toolTip().isEmpty());
    };
    for (QWidget* root : std::initializer_list<QWidget*>{&shown.view, &entryView, &numberView,
                                                         &slipView, &chooserView}) {
      for (QWidget* widget : root->findChildren<QWidget*>()) {
        const bool input = qobject_cast<QAbstractSpinBox*>(widget) != nullptr ||
                           qobject_cast<QComboBox*>(widget) != nullptr ||
                           (qobject_cast<QLineEdit*>(widget) != nullptr && !isInternal(widget));
        const auto* button = qobject_cast<QAbstractButton*>(widget);
        const bool picture = button != nullptr && showsPicture(*button);
        // Qt's own parts (the menu bar's extension button, a calendar popup) are not ours.
        if (!input && !picture) continue;
        if (widget->objectName().isEmpty() || widget->objectName().startsWith("qt_")) continue;
        const QString name = widget->accessibleName();
        QVERIFY2(!name.trimmed().isEmpty() && !name.contains("  "),
                 qPrintable(root->objectName() + "/" + widget->objectName()));
      }
    }
    const auto nameOf = [](QWidget& root, const char* objectName) {
      return root.findChild<QWidget*>(objectName)->accessibleName();
    };
    QCOMPARE(nameOf(shown.view, "quersummeFrom"), QString("Quersumme von"));
    QCOMPARE(nameOf(shown.view, "quersummeTo"), QString("Quersumme bis"));
    QCOMPARE(nameOf(shown.view, "overlapLimit"),
             QString("maximal … Übereinstimmungen mit anderen Tipps"));
    QCOMPARE(nameOf(shown.view, "tip3Number1"), QString("Tipp 3, Zahl 1"));
    QCOMPARE(nameOf(shown.view, "earlierDrawButton"), QString("Frühere Ziehung"));
    QCOMPARE(nameOf(shown.view, "tip12EditButton"),
             QString("12. Tipp über die Zahlenauswahl bearbeiten"));
    QCOMPARE(nameOf(entryView, "number1"), QString("Zahl 1"));
    QCOMPARE(nameOf(entryView, "number6"), QString("Zahl 6"));
    QCOMPARE(nameOf(entryView, "zusatzzahl"), QString("Zusatzzahl"));
    QCOMPARE(nameOf(numberView, "number45"), QString("Zahl 45"));
    QCOMPARE(nameOf(chooserView, "password"), QString("TEXT2"));
  }

  void closingTheWindowWritesTheSettings() {
    Shown shown;
    shown.form.setTipField(1, 1, "17");
    // Not while a command runs.
    shown.view.runCommand([&] { QVERIFY(!shown.view.close()); });
    QVERIFY(shown.view.isVisible());
    QVERIFY(shown.fakes.settings.values.count("Edit1") == 0);

    QVERIFY(shown.view.close());
    const auto& stored = shown.fakes.settings.values;
    QVERIFY(stored.count("Edit1") == 1);
    QVERIFY(std::get<std::string>(stored.at("Edit1")) == "17");
    QVERIFY(stored.count("Chekcbox2") == 1);
    QVERIFY(stored.count("DateTimePicker2") == 1);
  }

  void localDocumentsOpenAsFileUrls() {
    const std::string path = "/tmp/Mein Lotto #1/100% sicher/Hilfe.html";
    const QUrl url = documentUrl(path);
    QVERIFY(url.isLocalFile());
    QCOMPARE(url.toLocalFile(), QString::fromStdString(path));
    QCOMPARE(documentUrl("https://www.lotterien.at"), QUrl("https://www.lotterien.at"));
  }

  void tipsAreComputedFromTheWindowAndALuckyNumberRepeatsThem() {
    Shown shown;
    QTest::mouseClick(shown.button("generateButton"), Qt::LeftButton);  // "Tipps berechnen"
    const auto grid = [&shown] {
      QStringList numbers;
      for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
        for (int index = 1; index <= TipGrid::kNumbers; ++index) {
          numbers << field(shown.view, tip, index)->text();
        }
      }
      return numbers;
    };
    const QStringList first = grid();
    QVERIFY(!first.contains(""));
    QCOMPARE(shown.text("progressStatus"), QString("Tipps wurden neu berechnet"));
    // Sorted and scored against the draw on show.
    QCOMPARE(shown.text("tip1Hits"), QString("0"));
    QVERIFY(first[0].toInt() < first[1].toInt());

    // The same lucky number twice, "Ja" both times: the same twelve tips.
    std::vector<QStringList> runs;
    for (int run = 0; run < 2; ++run) {
      shown.boxes.clear();
      shown.interaction.scriptBoxes([&shown](const QtUserInteraction::Box& box) {
        shown.boxes.push_back(box);
        if (box.kind == QtUserInteraction::Box::Kind::Input) {
          return QtUserInteraction::Answer(true, "4711");
        }
        return QtUserInteraction::Answer(true);
      });
      QTest::mouseClick(shown.button("luckyNumberButton"), Qt::LeftButton);
      QCOMPARE(shown.boxes.size(), std::size_t{2});
      QCOMPARE(shown.boxes[0].caption, std::string("Ihre Glückszahl (1-99999999)?"));
      QCOMPARE(shown.boxes[1].caption, std::string("Jetzt berechnen??"));
      runs.push_back(grid());
    }
    QCOMPARE(runs[0], runs[1]);
    QVERIFY(runs[0] != first);
  }

  void theNumberDialogOpensFromARowAndDuringARun() {
    Shown shown;
    const char* typed[] = {"4", "9", "15", "22", "30", "41"};
    for (int index = 1; index <= 6; ++index) shown.form.setTipField(2, index, typed[index - 1]);
    shown.view.syncFromModel();
    // The "..." of row 2: the dialog shows the row; box 41 is unchecked, 43 checked, OK.
    QString title;
    QTimer::singleShot(0, [&title] {
      QWidget* dialog = QApplication::activeModalWidget();
      QVERIFY(dialog != nullptr);
      title = dialog->windowTitle();
      QVERIFY(dialog->findChild<QCheckBox*>("number9")->isChecked());
      QVERIFY(!dialog->findChild<QCheckBox*>("number10")->isChecked());
      QVERIFY(!dialog->findChild<QPushButton*>("computeButton")->isVisible());  // no "&Rechnen"
      QTest::mouseClick(dialog->findChild<QCheckBox*>("number41"), Qt::LeftButton);
      QTest::mouseClick(dialog->findChild<QCheckBox*>("number43"), Qt::LeftButton);
      dialog->findChild<QPushButton*>("okButton")->click();
    });
    QTest::mouseClick(shown.button("tip2EditButton"), Qt::LeftButton);
    QCOMPARE(title, QString("2. Tipp"));
    QCOMPARE(field(shown.view, 2, 6)->text(), QString("43"));

    // With editPoolBeforeDrawing the run shows the pool's weights first; "&Rechnen" goes on.
    shown.form.options.editPoolBeforeDrawing.checked = true;
    bool rechnenShown = false;
    QString weightOf2;
    QTimer::singleShot(0, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      QVERIFY(dialog != nullptr);
      rechnenShown = dialog->findChild<QPushButton*>("computeButton")->isVisible();
      weightOf2 = dialog->findChild<QCheckBox*>("number2")->toolTip();
      dialog->findChild<QPushButton*>("computeButton")->click();
    });
    QTest::mouseClick(shown.button("generateButton"), Qt::LeftButton);
    QVERIFY(rechnenShown);
    QVERIFY(weightOf2.toInt() > 0);
    QCOMPARE(shown.text("progressStatus"), QString("Tipps wurden neu berechnet"));
  }

  void theRandomPickAnimatesAndTheBoxesTakeTheirClicks() {
    testing::FakeServices fakes;
    RandomGenerator random;
    std::string folder = "/tmp/";
    NumberDialog form(random, fakes.ui, fakes.clock, folder);
    QtUserInteraction interaction;
    NumberDialogView view(form, interaction);
    form.randomPickButton.visible = true;
    view.syncFromModel();
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    auto* zufall = view.findChild<QPushButton*>("randomPickButton");
    QTest::mouseClick(zufall, Qt::LeftButton);  // start: the 25 ms timer picks anew
    QTRY_COMPARE(zufall->text(), QString("1 Stopp"));
    const auto checkedBoxes = [&view] {
      QStringList checked;
      for (int n = 1; n <= 45; ++n) {
        if (view.findChild<QCheckBox*>(QString("number%1").arg(n))->isChecked()) {
          checked << QString::number(n);
        }
      }
      return checked;
    };
    const QStringList before = checkedBoxes();
    QCOMPARE(before.size(), 6);
    QTRY_VERIFY(checkedBoxes() != before);  // it animates
    for (int press = 0; press < 6; ++press) QTest::mouseClick(zufall, Qt::LeftButton);
    QCOMPARE(zufall->text(), QString("Zufall"));
    const QStringList stopped = checkedBoxes();
    QCOMPARE(stopped.size(), 6);
    QTest::qWait(80);
    QCOMPARE(checkedBoxes(), stopped);  // the timer is off
    QCOMPARE(view.findChild<QCheckBox*>(QString("number") + stopped[0])
                 ->palette()
                 .color(QPalette::Window),
             QColor(255, 255, 0));

    // A left click toggles with the handling; a right click steps the weight down.
    QCheckBox* seven = view.findChild<QCheckBox*>("number7");
    form.setChecked(7, false);
    form.setWeight(7, "2");
    view.syncFromModel();
    QTest::mouseClick(seven, Qt::LeftButton);
    QVERIFY(form.box(7).checked);
    QVERIFY(seven->isChecked());
    QCOMPARE(seven->toolTip(), QString("3"));
    QTest::mouseClick(seven, Qt::LeftButton);
    QVERIFY(!seven->isChecked());
    QCOMPARE(form.box(7).weight, std::string("3"));
    QTest::mouseClick(seven, Qt::LeftButton);
    QTest::mouseClick(seven, Qt::RightButton);
    QCOMPARE(form.box(7).weight, std::string("3"));
    QVERIFY(seven->isChecked());
    QCOMPARE(view.findChild<QLabel*>("statusText")->text(),
             QString("Die Zahl 7 geht mit der Gewichtung 3 in die Berechnung ein"));
  }

  void clickingARowLabelMarksTheTip() {
    Shown shown;
    auto* label = shown.view.findChild<QLabel*>("tip2Label");  // "2. Tipp"
    QTest::mouseClick(label, Qt::LeftButton);
    QVERIFY(shown.form.tips.isMarked(2));
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  }
};

}  // namespace lotto

QTEST_MAIN(lotto::ViewsTest)
#include "views_test.moc"
