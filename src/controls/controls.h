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
enum class MainPage { Tips, Options, Chart, Draws, Internet };

struct Label {
  std::string caption;
  Colour colour = Colour::WindowText;
};

struct TextField {
  std::string text;
  Colour background = Colour::Window;
};

struct Button {
  bool enabled = true;
  bool visible = true;
  std::string caption;  // for the buttons whose caption changes
};

struct CheckBox {
  bool checked = false;
};

// A date field that refuses dates before its earliest one and after 31 December 9999. A
// value that is no date at all (NaN, infinity) leaves it as it was.
class DateField {
 public:
  DateField(double minDate, double date) : minDate(minDate), date_(minDate) { setDate(date); }
  double date() const { return date_; }
  void setDate(double date) {
    if (std::isfinite(date)) date_ = std::clamp(date, minDate, kLatestDate);
  }
  const double minDate;

 private:
  double date_;
};

// A spinner: a whole number that an up-down control steps within its range. Every value
// set is limited to the range.
class Spinner {
 public:
  Spinner(int min, int max, int position)
      : minimum(min), maximum(max), position_(std::clamp(position, min, max)) {}
  int value() const { return position_; }
  void setValue(int position) { position_ = std::clamp(position, minimum, maximum); }
  const int minimum;
  const int maximum;

 private:
  int position_;
};

// The progress bar of the status bar: shown while a long run is on, at `position` of `maximum`.
struct ProgressBar {
  bool visible = false;
  std::int64_t position = 0;
  std::int64_t maximum = 100;
};

// Shows a progress bar from 0 of `max` while it lives, and hides it when it ends, however
// the run ends.
class ShownProgress {
 public:
  ShownProgress(ProgressBar& bar, std::int64_t max) : bar_(bar) {
    bar_.maximum = std::max<std::int64_t>(max, 1);
    bar_.position = 0;
    bar_.visible = true;
  }
  ShownProgress(const ShownProgress&) = delete;
  ShownProgress& operator=(const ShownProgress&) = delete;
  ~ShownProgress() { bar_.visible = false; }
  void set(std::int64_t position) {
    bar_.position = std::clamp<std::int64_t>(position, 0, bar_.maximum);
  }

 private:
  ProgressBar& bar_;
};

struct StatusBar {
  std::array<std::string, 2> panels;
  ProgressBar progress;
};

}  // namespace lotto
