#pragma once
// A per-user store of named values of three kinds, like a registry key: 32-bit integers,
// strings and binary values. Reading a value that exists with another kind fails.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/errors.h"

namespace lotto {

class SettingsKindError : public AppError {
 public:
  explicit SettingsKindError(const std::string& name)
      : AppError("Der gespeicherte Wert \"" + name + "\" hat nicht die erwartete Art") {}
};

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // Opens a key below the user's software settings, e.g. "Brunnhold\\KalkuAT", creating
  // it when missing. Reads and writes go to the open key until the next open.
  virtual void openKey(const std::string& path) = 0;
  // Writes what is pending to the disk.
  virtual void closeKey() = 0;

  // Nothing when the value does not exist; SettingsKindError when it exists with
  // another kind.
  virtual std::optional<std::int32_t> readInteger(const std::string& name) = 0;
  virtual std::optional<std::string> readString(const std::string& name) = 0;
  virtual std::optional<std::vector<std::uint8_t>> readBinary(const std::string& name) = 0;

  virtual void writeInteger(const std::string& name, std::int32_t value) = 0;
  virtual void writeString(const std::string& name, const std::string& value) = 0;
  virtual void writeBinary(const std::string& name, const std::vector<std::uint8_t>& value) = 0;
};

}  // namespace lotto
