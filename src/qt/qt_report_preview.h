#pragma once

#include <QString>

#include "platform/report_page.h"

class QPainter;
class QPrinter;
class QWidget;

namespace lotto {

// Sets the printer to the page: the sheet's size, its orientation, the whole sheet
// (positions count from its corner).
void setUpPrinter(QPrinter& printer, const ReportPage& page);
// Paints the page on a device whose resolution is `dotsPerInch`: report units are 1/96
// inch, measured from the sheet's corner; the picture is scaled into its area and the
// texts are drawn over it.
void paintReportPage(QPainter& painter, const ReportPage& page, double dotsPerInch);
// Writes the page as a PDF file (for the tests, and as the preview's printer does).
void writeReportPdf(const ReportPage& page, const QString& path);

class UserInteraction;

// The print preview of a report page: the user prints from it, or saves it as a PDF with
// the preview's own button "Als PDF speichern".
class QtReportPreview : public ReportPreview {
 public:
  explicit QtReportPreview(UserInteraction& interaction) : interaction_(interaction) {}
  void setParent(QWidget* parent) { parent_ = parent; }
  void preview(const ReportPage& page) override;

  static constexpr const char* kSavePdfAction = "AlsPdfSpeichern";

 private:
  UserInteraction& interaction_;
  QWidget* parent_ = nullptr;
};

}  // namespace lotto
