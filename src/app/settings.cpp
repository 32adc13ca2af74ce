#include "app/settings.h"

#include <cmath>
#include <cstring>

#include "app/main_window.h"
#include "platform/dates.h"
#include "platform/little_endian.h"

namespace lotto {
namespace {

// A stored window size outside these bounds (a damaged value) is not applied.
constexpr int kSmallestWindow = 200;
constexpr int kLargestWindow = 10000;
// The paper formats of the slip print are 0..3; -1 means none chosen.
constexpr int kLastPaperFormat = 3;

template <typename Read>
void readGroup(Read&& read) {
  try {
    read();
  } catch (const AppError&) {
    // The rest of the group keeps its defaults.
  }
}

std::vector<std::uint8_t> dateBytes(double date) {
  const auto bytes = doubleToBytes(date);
  return {bytes.begin(), bytes.end()};
}

double dateOfBytes(const std::vector<std::uint8_t>& bytes, const std::string& name) {
  if (bytes.size() != 8) throw SettingsKindError(name);
  const double date = doubleFromBytes(bytes.data());
  // Only a date a date field can show is a date.
  if (!std::isfinite(date) || date < dayNumber(100, 1, 1) || date > dayNumber(9999, 12, 31)) {
    throw SettingsKindError(name);
  }
  return date;
}

}  // namespace

std::string storedTipFieldName(int tip, int index) {
  return "Edit" +
         std::to_string(kStoredFirstTipFields[static_cast<std::size_t>(tip - 1)] + index - 1);
}

void readFirstSettingsGroup(MainWindow& form, SettingsStore& store) {
  form.slipTop = 84;
  form.slipLeft = 29;
  readGroup([&] {
    for (const StoredCheckBox& stored : kStoredCheckBoxes) {
      if (const auto value = store.readInteger(stored.name))
        (form.*stored.box).checked = *value != 0;
    }
    form.country = store.readInteger("Land").value_or(1);
    if (const auto value = store.readInteger("TippTop")) form.slipTop = *value;
    if (const auto value = store.readInteger("TippLeft")) form.slipLeft = *value;
    if (const auto value = store.readInteger("height")) {
      if (*value >= kSmallestWindow && *value <= kLargestWindow) form.onResize(form.width, *value);
    }
    if (const auto value = store.readInteger("width")) {
      if (*value >= kSmallestWindow && *value <= kLargestWindow) form.onResize(*value, form.height);
    }
    for (const StoredSpinner& stored : kStoredSpinners) {
      if (const auto value = store.readInteger(stored.name))
        (form.*stored.spinner).setValue(*value);
    }
    for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
      for (int index = 1; index <= TipGrid::kNumbers; ++index) {
        if (const auto value = store.readString(storedTipFieldName(tip, index)))
          form.setTipField(tip, index, *value);
      }
    }
    if (const auto value = store.readInteger("DruckPapier")) {
      form.paperFormat = (*value >= -1 && *value <= kLastPaperFormat) ? *value : -1;
    }
  });
}

void readSecondSettingsGroup(MainWindow& form, SettingsStore& store) {
  readGroup([&] {
    if (const auto value = store.readString("ProxyHostEdit")) form.proxyHost.text = *value;
    if (const auto value = store.readString("ProxyPortEdit")) form.proxyPort.text = *value;
    if (const auto value = store.readBinary("DateTimePicker2")) {
      form.statisticsStart.setDate(dateOfBytes(*value, "DateTimePicker2"));
    }
    if (const auto value = store.readString("ServerEdit")) form.server.text = *value;
  });
}

void writeSettings(MainWindow& form, SettingsStore& store) {
  try {
    store.openKey(kSettingsKey);
    for (const StoredCheckBox& stored : kStoredCheckBoxes)
      store.writeInteger(stored.name, (form.*stored.box).checked ? 1 : 0);
    store.writeInteger("Land", form.country);
    store.writeInteger("TippTop", form.slipTop);
    store.writeInteger("TippLeft", form.slipLeft);
    if (form.windowState == MainWindow::State::Normal) {
      store.writeInteger("height", form.height);
      store.writeInteger("width", form.width);
    }
    for (const StoredSpinner& stored : kStoredSpinners)
      store.writeInteger(stored.name, (form.*stored.spinner).value());
    for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
      for (int index = 1; index <= TipGrid::kNumbers; ++index) {
        store.writeString(storedTipFieldName(tip, index), form.tips.text(tip, index));
      }
    }
    store.writeInteger("DruckPapier", form.paperFormat);
    store.writeString("ProxyHostEdit", form.proxyHost.text);
    store.writeString("ProxyPortEdit", form.proxyPort.text);
    store.writeBinary("DateTimePicker2", dateBytes(form.statisticsStart.date()));
    store.writeString("ServerEdit", form.server.text);
  } catch (const AppError&) {
    // What was written stays; the window closes anyway.
  }
  try {
    store.closeKey();
  } catch (const AppError&) {
  }
}

}  // namespace lotto
