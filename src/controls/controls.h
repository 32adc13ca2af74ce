#pragma once
// Plain states of the window controls. A window holds them as members named like the
// controls; the views copy them into their widgets.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "platform/dates.h"

namespace lotto {

enum class Colour {
  Window,          // the system's window background
  WindowText,      // the system's normal text colour
  ButtonFace,      // the system's dialog background
  InfoBackground,  // the system's tooltip background
  Lime,            // RGB 00 FF 00
  Yellow,          // RGB FF FF 00
  Red,
  Black,
};

// The tabs of the main window, in their order.
enum class MainPage { Lottotipp, BerechnungsOptionen, Diagramm, Datenbank, InternetOptionen };

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
  std::string Caption;  // for the buttons whose caption changes
};

struct TCheckBox {
  bool Checked = false;
};

// A date field that refuses dates before its earliest one and after 31 December 9999. A
// value that is no date at all (NaN, infinity) leaves it as it was.
class TDateTimePicker {
 public:
  TDateTimePicker(double minDate, double date) : MinDate(minDate), date_(minDate) { setDate(date); }
  double Date() const { return date_; }
  void setDate(double date) {
    if (std::isfinite(date)) date_ = std::clamp(date, MinDate, kLatestDate);
  }
  const double MinDate;

 private:
  double date_;
};

// A spinner: a whole number that an up-down control steps within its range. Every value
// set is limited to the range.
class TUpDown {
 public:
  TUpDown(int min, int max, int position)
      : Min(min), Max(max), position_(std::clamp(position, min, max)) {}
  int Position() const { return position_; }
  void setPosition(int position) { position_ = std::clamp(position, Min, Max); }
  const int Min;
  const int Max;

 private:
  int position_;
};

// The progress bar of the status bar: shown while a long run is on, at Position of Max.
struct TProgressBar {
  bool Visible = false;
  std::int64_t Position = 0;
  std::int64_t Max = 100;
};

// Shows a progress bar from 0 of `max` while it lives, and hides it when it ends, however
// the run ends.
class ShownProgress {
 public:
  ShownProgress(TProgressBar& bar, std::int64_t max) : bar_(bar) {
    bar_.Max = std::max<std::int64_t>(max, 1);
    bar_.Position = 0;
    bar_.Visible = true;
  }
  ShownProgress(const ShownProgress&) = delete;
  ShownProgress& operator=(const ShownProgress&) = delete;
  ~ShownProgress() { bar_.Visible = false; }
  void set(std::int64_t position) {
    bar_.Position = std::clamp<std::int64_t>(position, 0, bar_.Max);
  }

 private:
  TProgressBar& bar_;
};

struct TStatusBar {
  std::array<std::string, 2> Panels;
  TProgressBar Progress;
};

}  // namespace lotto
