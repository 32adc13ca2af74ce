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
  form.slipPrinting.slipTop = 84;
  form.slipPrinting.slipLeft = 29;
  readGroup([&] {
    for (const StoredCheckBox& stored : kStoredCheckBoxes) {
      if (const auto value = store.readInteger(stored.name))
        (form.options.*stored.box).checked = *value != 0;
    }
    form.state.country = store.readInteger("Land").value_or(1);
    if (const auto value = store.readInteger("TippTop")) form.slipPrinting.slipTop = *value;
    if (const auto value = store.readInteger("TippLeft")) form.slipPrinting.slipLeft = *value;
    if (const auto value = store.readInteger("height")) {
      if (*value >= kSmallestWindow && *value <= kLargestWindow)
        form.onResize(form.frame.width, *value);
    }
    if (const auto value = store.readInteger("width")) {
      if (*value >= kSmallestWindow && *value <= kLargestWindow)
        form.onResize(*value, form.frame.height);
    }
    for (const StoredSpinner& stored : kStoredSpinners) {
      if (const auto value = store.readInteger(stored.name))
        (form.options.*stored.spinner).setValue(*value);
    }
    for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
      for (int index = 1; index <= TipGrid::kNumbers; ++index) {
        if (const auto value = store.readString(storedTipFieldName(tip, index)))
          form.setTipField(tip, index, *value);
      }
    }
    if (const auto value = store.readInteger("DruckPapier")) {
      form.slipPrinting.paperFormat = (*value >= -1 && *value <= kLastPaperFormat) ? *value : -1;
    }
  });
}

void readSecondSettingsGroup(MainWindow& form, SettingsStore& store) {
  readGroup([&] {
    if (const auto value = store.readString("ProxyHostEdit"))
      form.internetOptions.proxyHost.text = *value;
    if (const auto value = store.readString("ProxyPortEdit"))
      form.internetOptions.proxyPort.text = *value;
    if (const auto value = store.readBinary("DateTimePicker2")) {
      form.chartTab.statisticsStart.setDate(dateOfBytes(*value, "DateTimePicker2"));
    }
    if (const auto value = store.readString("ServerEdit"))
      form.internetOptions.server.text = *value;
  });
}

void writeSettings(MainWindow& form, SettingsStore& store) {
  try {
    store.openKey(kSettingsKey);
    for (const StoredCheckBox& stored : kStoredCheckBoxes)
      store.writeInteger(stored.name, (form.options.*stored.box).checked ? 1 : 0);
    store.writeInteger("Land", form.state.country);
    store.writeInteger("TippTop", form.slipPrinting.slipTop);
    store.writeInteger("TippLeft", form.slipPrinting.slipLeft);
    if (form.frame.windowState == WindowFrame::State::Normal) {
      store.writeInteger("height", form.frame.height);
      store.writeInteger("width", form.frame.width);
    }
    for (const StoredSpinner& stored : kStoredSpinners)
      store.writeInteger(stored.name, (form.options.*stored.spinner).value());
    for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
      for (int index = 1; index <= TipGrid::kNumbers; ++index) {
        store.writeString(storedTipFieldName(tip, index), form.tips.text(tip, index));
      }
    }
    store.writeInteger("DruckPapier", form.slipPrinting.paperFormat);
    store.writeString("ProxyHostEdit", form.internetOptions.proxyHost.text);
    store.writeString("ProxyPortEdit", form.internetOptions.proxyPort.text);
    store.writeBinary("DateTimePicker2", dateBytes(form.chartTab.statisticsStart.date()));
    store.writeString("ServerEdit", form.internetOptions.server.text);
  } catch (const AppError&) {
    // What was written stays; the window closes anyway.
  }
  try {
    store.closeKey();
  } catch (const AppError&) {
  }
}

}  // namespace lotto
