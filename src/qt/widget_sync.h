#pragma once
// Small helpers the views use to copy the headless state into their widgets: each touches
// a widget only when its content differs, so that nothing flickers and the cursor of an
// edit field does not jump.

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QString>
#include <string>

#include "controls/controls.h"
#include "qt/colours.h"
#include "qt/date_convert.h"

namespace lotto {

inline QString qs(const std::string& text) {
  return QString::fromStdString(text);
}

inline void setTextIfChanged(QLabel* label, const std::string& text) {
  const QString wanted = qs(text);
  if (label->text() != wanted) label->setText(wanted);
}

inline void setTextIfChanged(QLineEdit* edit, const std::string& text) {
  const QString wanted = qs(text);
  if (edit->text() != wanted) edit->setText(wanted);
}

inline void setTextColour(QLabel* label, Colour colour) {
  QPalette palette = label->palette();
  const QColor wanted = toQColor(colour);
  if (palette.color(QPalette::WindowText) != wanted) {
    palette.setColor(QPalette::WindowText, wanted);
    label->setPalette(palette);
  }
}

inline void setBackground(QLineEdit* edit, Colour colour) {
  QPalette palette = edit->palette();
  const QColor wanted = toQColor(colour);
  if (palette.color(QPalette::Base) != wanted) {
    palette.setColor(QPalette::Base, wanted);
    edit->setPalette(palette);
  }
}

inline void setDate(QDateEdit* edit, const DateField& field) {
  const QDate minimum = qDateOf(field.minDate);
  if (edit->minimumDate() != minimum) edit->setMinimumDate(minimum);
  const QDate wanted = qDateOf(field.date());
  if (edit->date() != wanted) edit->setDate(wanted);
}

}  // namespace lotto
