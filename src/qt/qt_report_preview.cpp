#include "qt/qt_report_preview.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStyle>
#include <QToolBar>

#include "platform/errors.h"
#include "platform/user_interaction.h"
#include "qt/command_runner.h"

namespace lotto {

void setUpPrinter(QPrinter& printer, const ReportPage& page) {
  printer.setFullPage(true);
  const QPageSize size(QSizeF(page.sheetWidthMm, page.sheetHeightMm), QPageSize::Millimeter,
                       QString(), QPageSize::ExactMatch);
  const QPageLayout layout(size, page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                           QMarginsF(0, 0, 0, page.bottomMarginMm), QPageLayout::Millimeter);
  printer.setPageLayout(layout);
}

void paintReportPage(QPainter& painter, const ReportPage& page, double dotsPerInch) {
  const double scale = dotsPerInch / kReportUnitsPerInch;
  if (page.picture) {
    const QImage picture(QString::fromStdString(page.picture->path));
    if (!picture.isNull()) {
      painter.drawImage(QRectF(page.picture->x * scale, page.picture->y * scale,
                               page.picture->width * scale, page.picture->height * scale),
                        picture);
    }
  }
  painter.setPen(Qt::black);
  for (const ReportText& text : page.texts) {
    QFont font(QString::fromStdString(text.font));
    font.setPointSizeF(text.pointSize);
    font.setBold(text.bold);
    painter.setFont(font);
    // The text stands in a box whose top-left corner is the item's position.
    const QRectF box(text.x * scale, text.y * scale, 40 * scale, 20 * scale);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(text.text));
  }
}

void writeReportPdf(const ReportPage& page, const QString& path) {
  // Written whole under a temporary name, then put in the place of the file.
  const QString temporary = path + "~";
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(temporary);
  setUpPrinter(printer, page);
  QPainter painter;
  bool written = painter.begin(&printer);
  if (written) {
    paintReportPage(painter, page, printer.resolution());
    written = painter.end();
  }
  if (!written || !QFile::exists(temporary)) {
    QFile::remove(temporary);
    throw AppError("Die PDF-Datei " + path.toStdString() + " kann nicht geschrieben werden.");
  }
  QFile::remove(path);
  if (!QFile::rename(temporary, path)) {
    QFile::remove(temporary);
    throw AppError("Die PDF-Datei " + path.toStdString() + " kann nicht geschrieben werden.");
  }
}

void QtReportPreview::preview(const ReportPage& page) {
  QPrinter printer(QPrinter::HighResolution);
  setUpPrinter(printer, page);
  QPrintPreviewDialog dialog(&printer, parent_);
  dialog.setWindowTitle(QApplication::applicationDisplayName());
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&page](QPrinter* target) {
                     QPainter painter(target);
                     paintReportPage(painter, page, target->resolution());
                   });
  if (auto* tools = dialog.findChild<QToolBar*>()) {
    tools->addSeparator();
    QAction* save = tools->addAction(
        QApplication::style()->standardIcon(QStyle::SP_DialogSaveButton), "Als PDF speichern");
    save->setObjectName(kSavePdfAction);
    QObject::connect(save, &QAction::triggered, &dialog, [this, &page] {
      runShowingFailures(interaction_, [this, &page] {
        const auto chosen =
            interaction_.saveFile({"PDF-Datei|*.pdf", "pdf", "Lottoschein.pdf", ""});
        if (chosen) writeReportPdf(page, QString::fromStdString(chosen->path));
      });
    });
  }
  dialog.exec();
}

}  // namespace lotto
