// Whatever a settings key holds, reading it leaves every control in a state it can have:
// spinners in their ranges, tip fields clean, a paper format that exists, a real date.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/main_window.h"
#include "app/settings.h"
#include "support/fakes.h"

namespace {

const char* const kNames[] = {"Chekcbox1",     "Chekcbox20",      "Land",        "TippTop",
                              "TippLeft",      "height",          "width",       "UpDown1",
                              "UpDown6",       "UpDown7",         "Edit1",       "Edit36",
                              "Edit43",        "Edit79",          "DruckPapier", "ProxyHostEdit",
                              "ProxyPortEdit", "DateTimePicker2", "ServerEdit"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  lotto::testing::FakeServices fakes;
  std::size_t at = 0;
  // Each value: a name, a kind and up to 15 bytes of content.
  while (at + 3 <= size) {
    const std::string name = kNames[data[at] % std::size(kNames)];
    const int kind = data[at + 1] % 3;
    const std::size_t length = std::min<std::size_t>(data[at + 2] % 16, size - at - 3);
    const std::uint8_t* content = data + at + 3;
    at += 3 + length;
    if (kind == 0) {
      std::int32_t value = 0;
      for (std::size_t i = 0; i < std::min<std::size_t>(length, 4); ++i)
        value = (value << 8) | content[i];
      fakes.settings.values[name] = value;
    } else if (kind == 1) {
      fakes.settings.values[name] = std::string(reinterpret_cast<const char*>(content), length);
    } else {
      fakes.settings.values[name] = std::vector<std::uint8_t>(content, content + length);
    }
  }

  lotto::MainWindow form(fakes.services(), "/nowhere/kalkuat");
  lotto::readFirstSettingsGroup(form, fakes.settings);
  lotto::readSecondSettingsGroup(form, fakes.settings);
  for (const auto& [name, spinner] : form.options.spinners()) {
    if (spinner->value() < spinner->minimum || spinner->value() > spinner->maximum)
      __builtin_trap();
  }
  for (int tip = 1; tip <= lotto::TipGrid::kTips; ++tip) {
    for (int index = 1; index <= lotto::TipGrid::kNumbers; ++index) {
      const std::string& text = form.tips.text(tip, index);
      if (lotto::cleanTipText(text) != text) __builtin_trap();
    }
  }
  if (form.slipPrinting.paperFormat < -1 || form.slipPrinting.paperFormat > 3) __builtin_trap();
  if (!std::isfinite(form.chartTab.statisticsStart.date()) || form.frame.tabScale <= 0)
    __builtin_trap();
  lotto::writeSettings(form, fakes.settings);
  return 0;
}
