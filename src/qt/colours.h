#pragma once
// The program's colours as Qt colours.

#include <QApplication>
#include <QColor>
#include <QPalette>

#include "controls/controls.h"

namespace lotto {

inline QColor toQColor(Colour colour) {
  const QPalette palette = QApplication::palette();
  switch (colour) {
    case Colour::Lime:
      return QColor(0x00, 0xFF, 0x00);
    case Colour::Yellow:
      return QColor(0xFF, 0xFF, 0x00);
    case Colour::Red:
      return QColor(0xFF, 0x00, 0x00);
    case Colour::Black:
      return QColor(0x00, 0x00, 0x00);
    case Colour::WindowText:
      return palette.color(QPalette::WindowText);
    case Colour::ButtonFace:
      return palette.color(QPalette::Window);
    case Colour::InfoBackground:
      return palette.color(QPalette::ToolTipBase);
    case Colour::Window:
      break;
  }
  return palette.color(QPalette::Base);
}

}  // namespace lotto
