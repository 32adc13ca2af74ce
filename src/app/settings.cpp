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

void readFirstSettingsGroup(TForm1& form, SettingsStore& store) {
  form.TippTop = 84;
  form.TippLeft = 29;
  readGroup([&] {
    for (const StoredCheckBox& stored : kStoredCheckBoxes) {
      if (const auto value = store.readInteger(stored.name))
        (form.*stored.box).Checked = *value != 0;
    }
    form.Land = store.readInteger("Land").value_or(1);
    if (const auto value = store.readInteger("TippTop")) form.TippTop = *value;
    if (const auto value = store.readInteger("TippLeft")) form.TippLeft = *value;
    if (const auto value = store.readInteger("height")) {
      if (*value >= kSmallestWindow && *value <= kLargestWindow)
        form.FormResize(form.Width, *value);
    }
    if (const auto value = store.readInteger("width")) {
      if (*value >= kSmallestWindow && *value <= kLargestWindow)
        form.FormResize(*value, form.Height);
    }
    for (const StoredSpinner& stored : kStoredSpinners) {
      if (const auto value = store.readInteger(stored.name))
        (form.*stored.spinner).setPosition(*value);
    }
    for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
      for (int index = 1; index <= TipGrid::kNumbers; ++index) {
        const std::string name = "Edit" + std::to_string(TipGrid::fieldNumber(tip, index));
        if (const auto value = store.readString(name)) form.TipFieldChange(tip, index, *value);
      }
    }
    if (const auto value = store.readInteger("DruckPapier")) {
      form.Pageformat = (*value >= -1 && *value <= kLastPaperFormat) ? *value : -1;
    }
  });
}

void readSecondSettingsGroup(TForm1& form, SettingsStore& store) {
  readGroup([&] {
    if (const auto value = store.readString("ProxyHostEdit")) form.ProxyHostEdit.Text = *value;
    if (const auto value = store.readString("ProxyPortEdit")) form.ProxyPortEdit.Text = *value;
    if (const auto value = store.readBinary("DateTimePicker2")) {
      form.DateTimePicker2.setDate(dateOfBytes(*value, "DateTimePicker2"));
    }
    if (const auto value = store.readString("ServerEdit")) form.ServerEdit.Text = *value;
  });
}

void writeSettings(TForm1& form, SettingsStore& store) {
  try {
    store.openKey(kSettingsKey);
    for (const StoredCheckBox& stored : kStoredCheckBoxes)
      store.writeInteger(stored.name, (form.*stored.box).Checked ? 1 : 0);
    store.writeInteger("Land", form.Land);
    store.writeInteger("TippTop", form.TippTop);
    store.writeInteger("TippLeft", form.TippLeft);
    if (form.WindowState == TForm1::State::Normal) {
      store.writeInteger("height", form.Height);
      store.writeInteger("width", form.Width);
    }
    for (const StoredSpinner& stored : kStoredSpinners)
      store.writeInteger(stored.name, (form.*stored.spinner).Position());
    for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
      for (int index = 1; index <= TipGrid::kNumbers; ++index) {
        store.writeString("Edit" + std::to_string(TipGrid::fieldNumber(tip, index)),
                          form.Tips.text(tip, index));
      }
    }
    store.writeInteger("DruckPapier", form.Pageformat);
    store.writeString("ProxyHostEdit", form.ProxyHostEdit.Text);
    store.writeString("ProxyPortEdit", form.ProxyPortEdit.Text);
    store.writeBinary("DateTimePicker2", dateBytes(form.DateTimePicker2.Date()));
    store.writeString("ServerEdit", form.ServerEdit.Text);
  } catch (const AppError&) {
    // What was written stays; the window closes anyway.
  }
  try {
    store.closeKey();
  } catch (const AppError&) {
  }
}

}  // namespace lotto
