#include "output/tip_file.h"

#include <cstdio>

#include "platform/convert.h"
#include "platform/dates.h"
#include "platform/errors.h"
#include "platform/file_io.h"

namespace lotto {
namespace {

void writeWhole(const std::string& path, const std::string& content) {
  replaceFileAtomically(path, path + "~", content);
}

// The field text before the first comma, and the rest after it; without a comma the text
// is empty and the rest stays.
std::string_view takeField(std::string_view& rest) {
  const std::size_t comma = rest.find(',');
  if (comma == std::string_view::npos) return {};
  const std::string_view field = rest.substr(0, comma);
  rest.remove_prefix(comma + 1);
  return field;
}

}  // namespace

double tipFileDate(double evaluationDate, double today) {
  switch (dayOfWeek(evaluationDate)) {
    case kSunday:
    case kWednesday:
      return roundToDay(evaluationDate + 3);
    case kSaturday:
      return roundToDay(evaluationDate + 4);
    default:
      return roundToDay(today);
  }
}

std::string tipFileName(double date) {
  return compactDate(date) + ".blt";
}

std::string tipFileContent(const TipGrid& tips) {
  std::string content;
  for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
    if (tips.text(tip, 1).empty()) continue;
    for (int index = 1; index <= 5; ++index) content += tips.text(tip, index) + ",";
    content += tips.text(tip, 6) + "\r\n";
  }
  return content;
}

std::string portalExportContent(const TipGrid& tips) {
  std::string content =
      "<oelg>\r\n<versionsNr>4.0</versionsNr>\r\n<wsArt>47</wsArt>\r\n<tnDauer>1</tnDauer>\r\n"
      "<schein>\r\n";
  for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
    if (tips.text(tip, 1).empty()) continue;
    content += "<lottoTipp>";
    for (int index = 1; index <= TipGrid::kNumbers; ++index) {
      char number[16];
      std::snprintf(number, sizeof number, "%.2d", toInteger(tips.text(tip, index)));
      if (index > 1) content += ",";
      content += number;
    }
    content += "</lottoTipp>\r\n";
  }
  return content + "</schein>\r\n</oelg>\r\n";
}

void fillFromTipFile(TipGrid& tips, std::string_view bytes) {
  for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
    std::string_view line;
    if (!bytes.empty()) {
      const std::size_t end = bytes.find('\n');
      line = bytes.substr(0, end);
      bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    }
    std::string_view rest = line;
    for (int index = 1; index <= 5; ++index) tips.setText(tip, index, takeField(rest));
    tips.setText(tip, 6, rest);
  }
}

void saveTipsWithDialog(const TipFileParts& parts) {
  parts.tips.requireNoRepeatedNumbers("gespeichert");
  const double date = tipFileDate(parts.chosenDate.date(), parts.clock.today());
  const auto chosen =
      parts.ui.saveFile({kTipFileSaveFilter, kTipFileExtension, tipFileName(date), ""});
  if (!chosen) return;
  writeWhole(chosen->path,
             chosen->typeIndex == 2 ? portalExportContent(parts.tips) : tipFileContent(parts.tips));
}

bool loadTipsWithDialog(const TipFileParts& parts, const std::function<void()>& clearing) {
  const auto chosen = parts.ui.openFile({kTipFileLoadFilter, kTipFileExtension, "", ""});
  if (!chosen) return false;
  // The file is read before the grid is cleared: a file that cannot be read, or that is
  // no tip file, costs no tip.
  if (fileSize(chosen->path) > kLargestTipFile) {
    throw AppError("Die Datei " + chosen->path + " ist größer als 1 MiB und ist keine Tippdatei.");
  }
  const std::string bytes = readWholeFile(chosen->path);
  clearing();
  fillFromTipFile(parts.tips, bytes);
  return true;
}

std::string saveTipsAutomatically(const TipFileParts& parts) {
  parts.tips.requireNoRepeatedNumbers("gespeichert");
  const std::string folder = parts.home + kTipFolder;
  createFolderIfMissing(folder);
  const double date = tipFileDate(parts.chosenDate.date(), parts.clock.today());
  std::string path = folder + "/" + tipFileName(date);
  writeWhole(path, tipFileContent(parts.tips));
  return path;
}

}  // namespace lotto
