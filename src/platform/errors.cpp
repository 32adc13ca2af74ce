#include "platform/errors.h"

#include <cerrno>

namespace lotto {
namespace {

std::string ioMessage(int code, const std::string& path) {
  std::string text;
  switch (code) {
    case kIoAccessDenied:
      text = "Dateizugriff verweigert";
      break;
    case kIoFileNotFound:
      text = "E/A-Fehler 2: Datei nicht gefunden";
      break;
    case kIoPathNotFound:
      text = "E/A-Fehler 3: Ordner nicht gefunden";
      break;
    case kIoReadPastEnd:
      text = "E/A-Fehler 100: Lesen über das Dateiende hinaus (unvollständiger Datensatz)";
      break;
    case kIoDiskFull:
      text = "E/A-Fehler 101: Datenträger voll";
      break;
    default:
      text = "E/A-Fehler " + std::to_string(code);
      break;
  }
  if (!path.empty()) text += "\nDatei: " + path;
  return text;
}

}  // namespace

InOutError::InOutError(int code, const std::string& path)
    : AppError(ioMessage(code, path)), code_(code) {}

ConversionError::ConversionError(const std::string& text)
    : AppError("'" + text + "' ist kein gültiger Integerwert") {}

int ioCodeFromErrno(int err) {
  switch (err) {
    case ENOENT:
      return kIoFileNotFound;
    case ENOTDIR:
      return kIoPathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
      return kIoAccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return kIoDiskFull;
    default:
      return err > 0 ? 1000 + err : 1000;
  }
}

}  // namespace lotto
