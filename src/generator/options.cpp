#include "generator/options.h"

namespace lotto {

std::vector<std::pair<std::string, TCheckBox*>> GenerationOptions::checkBoxes() {
  return {{"CheckBox1", &CheckBox1},   {"CheckBox2", &CheckBox2},   {"CheckBox3", &CheckBox3},
          {"CheckBox4", &CheckBox4},   {"CheckBox5", &CheckBox5},   {"CheckBox6", &CheckBox6},
          {"CheckBox7", &CheckBox7},   {"CheckBox8", &CheckBox8},   {"CheckBox9", &CheckBox9},
          {"CheckBox10", &CheckBox10}, {"CheckBox11", &CheckBox11}, {"CheckBox12", &CheckBox12},
          {"CheckBox13", &CheckBox13}, {"CheckBox14", &CheckBox14}, {"CheckBox15", &CheckBox15},
          {"CheckBox18", &CheckBox18}, {"CheckBox20", &CheckBox20}};
}

std::vector<std::pair<std::string, TUpDown*>> GenerationOptions::spinners() {
  return {{"UpDown1", &UpDown1}, {"UpDown2", &UpDown2}, {"UpDown3", &UpDown3},
          {"UpDown4", &UpDown4}, {"UpDown5", &UpDown5}, {"UpDown6", &UpDown6},
          {"UpDown7", &UpDown7}, {"UpDown8", &UpDown8}};
}

}  // namespace lotto
