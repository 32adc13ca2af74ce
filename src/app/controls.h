#pragma once
// Plain states of the window controls. A window holds them as members named like the
// controls; the views copy them into their widgets.

#include <algorithm>
#include <array>
#include <string>

namespace lotto {

enum class Colour {
  Window,      // the system's window background
  WindowText,  // the system's normal text colour
  Lime,        // RGB 00 FF 00
  Yellow,      // RGB FF FF 00
  Red,
  Black,
};

struct TLabel {
  std::string Caption;
  Colour FontColour = Colour::WindowText;
};

struct TEdit {
  std::string Text;
  Colour Color = Colour::Window;
};

struct TButton {
  bool Enabled = true;
  bool Visible = true;
};

struct TCheckBox {
  bool Checked = false;
};

// A date field that refuses dates before its earliest one.
class TDateTimePicker {
 public:
  TDateTimePicker(double minDate, double date) : MinDate(minDate), date_(std::max(date, minDate)) {}
  double Date() const { return date_; }
  void setDate(double date) { date_ = std::max(date, MinDate); }
  const double MinDate;

 private:
  double date_;
};

struct TStatusBar {
  std::array<std::string, 2> Panels;
};

}  // namespace lotto
