#pragma once

#include <QSettings>
#include <memory>

#include "platform/settings_store.h"

namespace lotto {

// The settings store on QSettings in its native format: on Windows the registry key
// HKEY_CURRENT_USER\Software\<organisation>\<application>, on Linux the per-user
// configuration file Qt chooses for it (~/.config/<organisation>/<application>.conf).
// A path "Brunnhold\KalkuAT" names the organisation, the application and, below that,
// groups.
//
// The configuration file keeps integers and strings as plain text, so there an integer
// is any text that reads as a 32-bit integer; binary values keep their kind.
class QtSettingsStore : public SettingsStore {
 public:
  void openKey(const std::string& path) override;
  void closeKey() override;

  std::optional<std::int32_t> readInteger(const std::string& name) override;
  std::optional<std::string> readString(const std::string& name) override;
  std::optional<std::vector<std::uint8_t>> readBinary(const std::string& name) override;

  void writeInteger(const std::string& name, std::int32_t value) override;
  void writeString(const std::string& name, const std::string& value) override;
  void writeBinary(const std::string& name, const std::vector<std::uint8_t>& value) override;

 private:
  QSettings& settings();
  std::unique_ptr<QSettings> settings_;
};

}  // namespace lotto
