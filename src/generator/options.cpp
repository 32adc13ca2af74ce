#include "generator/options.h"

namespace lotto {

std::vector<std::pair<int, TCheckBox*>> GenerationOptions::checkBoxes() {
  return {{1, &CheckBox1},   {2, &CheckBox2},   {3, &CheckBox3},   {4, &CheckBox4},
          {5, &CheckBox5},   {6, &CheckBox6},   {7, &CheckBox7},   {8, &CheckBox8},
          {9, &CheckBox9},   {10, &CheckBox10}, {11, &CheckBox11}, {12, &CheckBox12},
          {13, &CheckBox13}, {14, &CheckBox14}, {15, &CheckBox15}, {18, &CheckBox18},
          {20, &CheckBox20}};
}

std::vector<TUpDown*> GenerationOptions::spinners() {
  return {&UpDown1, &UpDown2, &UpDown3, &UpDown4, &UpDown5, &UpDown6, &UpDown7, &UpDown8};
}

}  // namespace lotto
