#include "qt/core/qt_settings_store.h"

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <limits>

#include "platform/convert.h"

namespace lotto {
namespace {

QString qs(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

void QtSettingsStore::openKey(const std::string& path) {
  const QStringList parts = qs(path).split('\\', Qt::SkipEmptyParts);
  if (parts.size() < 2) throw AppError("Ungültiger Einstellungsschlüssel: " + path);
  settings_ = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, parts[0],
                                          parts[1]);
  for (qsizetype i = 2; i < parts.size(); ++i) settings_->beginGroup(parts[i]);
}

void QtSettingsStore::closeKey() {
  if (!settings_) return;
  // The settings hold a portal password in plain text: the file is its owner's alone from
  // the moment it is written, and so is its folder.
  const mode_t previous = ::umask(077);
  settings_->sync();
  ::umask(previous);
  const QString file = settings_->fileName();
  const QString folder = QFileInfo(file).absolutePath();
  if (QFileInfo(folder).isDir()) ::chmod(QFile::encodeName(folder).constData(), 0700);
  // A file left readable by an earlier program keeps its mode through the rewrite.
  if (QFileInfo(file).isFile()) ::chmod(QFile::encodeName(file).constData(), 0600);
  const bool failed = settings_->status() != QSettings::NoError;
  settings_.reset();
  if (failed) throw AppError("Die Einstellungen konnten nicht gespeichert werden");
}

QSettings& QtSettingsStore::settings() {
  if (!settings_) throw AppError("Kein Einstellungsschlüssel geöffnet");
  return *settings_;
}

std::optional<std::int32_t> QtSettingsStore::readInteger(const std::string& name) {
  const QString key = qs(name);
  if (!settings().contains(key)) return std::nullopt;
  const QVariant value = settings().value(key);
  switch (value.typeId()) {
    case QMetaType::Int:
      return value.toInt();
    case QMetaType::UInt:  // a DWORD of the registry
      return static_cast<std::int32_t>(value.toUInt());
    case QMetaType::LongLong: {
      const qlonglong wide = value.toLongLong();
      if (wide >= std::numeric_limits<std::int32_t>::min() &&
          wide <= std::numeric_limits<std::int32_t>::max()) {
        return static_cast<std::int32_t>(wide);
      }
      break;
    }
    case QMetaType::QString:
      if (const auto number = tryToInteger(value.toString().toStdString())) return number;
      break;
    default:
      break;
  }
  throw SettingsKindError(name);
}

std::optional<std::string> QtSettingsStore::readString(const std::string& name) {
  const QString key = qs(name);
  if (!settings().contains(key)) return std::nullopt;
  const QVariant value = settings().value(key);
  if (value.typeId() != QMetaType::QString) throw SettingsKindError(name);
  return value.toString().toStdString();
}

std::optional<std::vector<std::uint8_t>> QtSettingsStore::readBinary(const std::string& name) {
  const QString key = qs(name);
  if (!settings().contains(key)) return std::nullopt;
  const QVariant value = settings().value(key);
  if (value.typeId() != QMetaType::QByteArray) throw SettingsKindError(name);
  const QByteArray bytes = value.toByteArray();
  return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

void QtSettingsStore::writeInteger(const std::string& name, std::int32_t value) {
  settings().setValue(qs(name), static_cast<int>(value));
}

void QtSettingsStore::writeString(const std::string& name, const std::string& value) {
  settings().setValue(qs(name), qs(value));
}

void QtSettingsStore::writeBinary(const std::string& name, const std::vector<std::uint8_t>& value) {
  settings().setValue(qs(name), QByteArray(reinterpret_cast<const char*>(value.data()),
                                           static_cast<qsizetype>(value.size())));
}

}  // namespace lotto
