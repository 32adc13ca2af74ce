#include "app/window_parts.h"

#include "controls/tip_grid.h"

namespace lotto {

std::vector<std::pair<std::string, TButton*>> CommandButtons::commandControls() {
  std::vector<std::pair<std::string, TButton*>> controls = {
      {"SpeedButton10", &SpeedButton10},
      {"SpeedButton6", &SpeedButton6},
      {"SpeedButton7", &SpeedButton7},
      {"SpeedButton11", &SpeedButton11},
      {"SpeedButton15", &SpeedButton15},
      {"SpeedButton16", &SpeedButton16},
      {"SpeedButton4", &SpeedButton4},
      {"SpeedButton1", &SpeedButton1},
      {"SpeedButton3", &SpeedButton3},
      {"SpeedButton12", &SpeedButton12},
      {"SpeedButton14", &SpeedButton14},
      {"BitBtn4", &BitBtn4},
      {"SpeedButton13", &SpeedButton13},
      {"Warenkorb", &Warenkorb},
      {"SpeedButton5", &SpeedButton5},
      {"BitBtn1", &BitBtn1},
      {"SpeedButton8", &SpeedButton8},
      {"BitBtn6", &BitBtn6},
      {"BitBtn8", &BitBtn8},
      {"Button2", &Button2},
      {"Button3", &Button3},
      {"Button4", &Button4},
      {"Button5", &Button5},
      {"Ziehungsdatenladen1", &Ziehungsdatenladen1},
      {"Onlioneabgeben1", &Onlioneabgeben1},
      {"Benden1", &Benden1},
      {"SpeedButton2", &SpeedButton2},
      {"SpeedButton9", &SpeedButton9},
      {"SpeedButton19", &SpeedButton19},
      {"SpeedButton17", &SpeedButton17},
      {"SpeedButton18", &SpeedButton18},
      {"SpeedButton20", &SpeedButton20},
  };
  for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
    controls.emplace_back("Tipp" + std::to_string(tip) + "Edit",
                          &TippEditButtons[static_cast<std::size_t>(tip - 1)]);
  }
  return controls;
}

}  // namespace lotto
