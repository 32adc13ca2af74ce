// The slip page as the Qt front end prints it: a PDF whose page has the chosen size and whose
// crosses stand where the layout puts them, measured with poppler's pdftotext; and the print
// from the window, through the settings dialog and the preview to a saved PDF.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include "app/main_window.h"
#include "draws/draw_file.h"
#include "output/slip.h"
#include "platform/dates.h"
#include "qt/main_window_view.h"
#include "qt/qt_platform.h"
#include "qt/qt_report_preview.h"
#include "support/fakes.h"
#include "support/fixtures.h"

namespace lotto {

namespace {

struct Word {
  double xMin, yMin, xMax, yMax;
  QString text;
};
struct PdfText {
  double width = 0;
  double height = 0;
  std::vector<Word> words;
};

// The page size and the words of a one-page PDF, in points, as pdftotext -bbox reads them.
PdfText readPdf(const QString& path) {
  QProcess pdftotext;
  pdftotext.start("pdftotext", {"-bbox", path, "-"});
  pdftotext.waitForFinished(20000);
  const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
  PdfText result;
  const QRegularExpression page(R"re(<page width="([0-9.]+)" height="([0-9.]+)")re");
  if (const auto match = page.match(html); match.hasMatch()) {
    result.width = match.captured(1).toDouble();
    result.height = match.captured(2).toDouble();
  }
  const QRegularExpression word(
      R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
  for (auto it = word.globalMatch(html); it.hasNext();) {
    const auto m = it.next();
    result.words.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(),
                            m.captured(3).toDouble(), m.captured(4).toDouble(), m.captured(5)});
  }
  return result;
}

// A cross at (x, y) layout units lies in its item box of 8 x 17 units from that corner.
bool crossAt(const PdfText& pdf, double x, double y) {
  const double pointsPerUnit = 72.0 / 96.0;
  for (const Word& w : pdf.words) {
    if (w.text != "x") continue;
    const double centreX = (w.xMin + w.xMax) / 2 / pointsPerUnit;
    const double centreY = (w.yMin + w.yMax) / 2 / pointsPerUnit;
    if (centreX > x && centreX < x + 8 && centreY > y && centreY < y + 17) return true;
  }
  return false;
}

int imagesIn(const QString& path) {
  QProcess pdfimages;
  pdfimages.start("pdfimages", {"-list", path});
  pdfimages.waitForFinished(20000);
  return static_cast<int>(QString::fromUtf8(pdfimages.readAllStandardOutput())
                              .split('\n', Qt::SkipEmptyParts)
                              .size()) -
         2;
}

}  // namespace

class PrintTest : public QObject {
  Q_OBJECT

 private slots:
  void theSlipPdfHasItsPageSizeAndTheCrossesWhereTheLayoutPutsThem() {
    testing::TempDir dir;
    TipGrid tips;
    for (int index = 1; index <= 6; ++index) tips.setText(1, index, std::to_string(index * 7 - 6));
    for (int index = 1; index <= 6; ++index) tips.setText(2, index, std::to_string(index + 39));
    SlipSettingsDialog settings;
    settings.sunday.checked = true;
    settings.joker1.checked = true;
    struct Case {
      int format;
      double widthPt, heightPt;
    };
    for (const Case& c : {Case{0, 595.3, 841.9}, Case{1, 841.9, 595.3}, Case{3, 453.5, 340.2}}) {
      const PaperFormat& paper = kPaperFormats[static_cast<std::size_t>(c.format)];
      SlipPrinting size;
      size.landscape = paper.landscape;
      size.sheetWidthMm = paper.landscape ? paper.heightMm : paper.widthMm;
      size.sheetHeightMm = paper.landscape ? paper.widthMm : paper.heightMm;
      const ReportPage page = slipPage(tips, 84, 29, settings, size, "");
      const QString path = QString::fromStdString(dir.file("slip.pdf"));
      writeReportPdf(page, path);
      const PdfText pdf = readPdf(path);
      QVERIFY2(std::abs(pdf.width - c.widthPt) < 1 && std::abs(pdf.height - c.heightPt) < 1,
               qPrintable(QString("%1 x %2").arg(pdf.width).arg(pdf.height)));
      // Every cross of the page, and no other.
      QCOMPARE(static_cast<int>(pdf.words.size()), static_cast<int>(page.texts.size()));
      for (const ReportText& cross : page.texts) {
        QVERIFY2(crossAt(pdf, cross.x, cross.y), cross.name.c_str());
      }
    }
    // The corner numbers of the table: 1 of tip 1 at 7.7 mm, 22.2 mm from the edges.
    QVERIFY(crossAt(readPdf(QString::fromStdString(dir.file("slip.pdf"))), 29, 84));
  }

  void aSlipFromTheWindowShowsInThePreviewAndSavesAsPdf() {
    testing::TempDir dir;
    writeDrawFile(dir.file(kDrawFileName), dir.file("tmp"), testing::realHistory());
    QtUserInteraction interaction;
    registerDialogViews(interaction);
    const std::string pdfPath = dir.file("Lottoschein.pdf");
    interaction.scriptBoxes([&pdfPath](const QtUserInteraction::Box& box) {
      if (box.kind == QtUserInteraction::Box::Kind::SaveFile) {
        return QtUserInteraction::Answer(true, pdfPath);
      }
      return QtUserInteraction::Answer(true);
    });
    QtReportPreview report(interaction);
    testing::FakeServices fakes;
    fakes.uiInUse = &interaction;
    fakes.reportInUse = &report;
    fakes.clock.todayValue = dayNumber(2026, 12, 11);
    MainWindow form(fakes.services(), dir.file("kalkuat"));
    MainWindowView view(form, interaction);
    report.setParent(&view);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    // The program's own slip picture beside it.
    QVERIFY(QFile::copy(QString(LOTTO_RUNTIME_DIR) + "/schein.jpg",
                        QString::fromStdString(dir.file("schein.jpg"))));
    const char* const rows[3][6] = {{"1", "8", "15", "22", "29", "36"},
                                    {"2", "9", "16", "23", "30", "37"},
                                    {"3", "10", "17", "24", "31", "38"}};
    for (int tip = 1; tip <= 3; ++tip) {
      for (int index = 1; index <= 6; ++index)
        form.setTipField(tip, index, rows[tip - 1][index - 1]);
    }
    view.syncFromModel();

    QString cost;
    bool previewShown = false;
    QTimer::singleShot(0, [&] {
      auto* settings = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      QVERIFY(settings != nullptr);
      cost = settings->findChild<QLabel*>("cost")->text();
      settings->findChild<QCheckBox*>("showPicture")->setChecked(true);  // the slip picture
      QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        QVERIFY(preview != nullptr);
        previewShown = true;
        preview->findChild<QAction*>(QtReportPreview::kSavePdfAction)->trigger();
        preview->reject();
      });
      settings->findChild<QPushButton*>("okButton")->click();
    });
    QTest::mouseClick(view.findChild<QAbstractButton*>("slipButton"), Qt::LeftButton);
    QVERIFY(previewShown);
    QCOMPARE(cost, QString("3,60 €"));  // three tips, Sunday (the dialog opened on a Friday)
    const PdfText pdf = readPdf(QString::fromStdString(pdfPath));
    QVERIFY(std::abs(pdf.width - 595.3) < 1 && std::abs(pdf.height - 841.9) < 1);
    QVERIFY(crossAt(pdf, 29, 84));                 // 1 of tip 1
    QVERIFY(crossAt(pdf, 29 + 30, 204 + 15));      // 9 of tip 2 in box 1
    QVERIFY(crossAt(pdf, 29 + 87 + 45, 84 + 15));  // 10 of tip 3 in box 2
    QVERIFY(!crossAt(pdf, 29 + 87 + 30, 84 + 15));
    QCOMPARE(imagesIn(QString::fromStdString(pdfPath)), 1);  // the crosses over the picture
  }
};

}  // namespace lotto

QTEST_MAIN(lotto::PrintTest)
#include "print_test.moc"
