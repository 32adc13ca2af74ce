#pragma once
// One report page of a custom size: text items and one picture at positions in report
// units (1/96 inch) from the sheet's top-left corner, shown in a print preview from which
// the user prints.

#include <optional>
#include <string>
#include <vector>

namespace lotto {

inline constexpr double kReportUnitsPerInch = 96;

struct ReportText {
  std::string name;  // the item's name, for the reader of the page
  double x = 0;
  double y = 0;
  std::string text;
  std::string font = "Arial";
  double pointSize = 9;
  bool bold = true;
};

struct ReportPicture {
  std::string path;  // a JPEG file
  double x = 0;
  double y = 0;
  double width = 0;  // the picture is scaled into this area
  double height = 0;
};

struct ReportPage {
  // The sheet as the printer takes it (portrait), and whether it is turned.
  double sheetWidthMm = 210;
  double sheetHeightMm = 297;
  bool landscape = false;
  double bottomMarginMm = 10;
  std::vector<ReportText> texts;
  std::optional<ReportPicture> picture;

  // The page as laid out: the sheet, turned for landscape.
  double widthMm() const { return landscape ? sheetHeightMm : sheetWidthMm; }
  double heightMm() const { return landscape ? sheetWidthMm : sheetHeightMm; }
};

class ReportPreview {
 public:
  virtual ~ReportPreview() = default;
  // Shows the page in a print preview and returns when the user closes it.
  virtual void preview(const ReportPage& page) = 0;
};

}  // namespace lotto
