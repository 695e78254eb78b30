#pragma once
// Filling a field with the text it already holds would move the cursor of a
// user typing in it and repaint it for nothing.
#include <QLineEdit>
#include <QSpinBox>

namespace roamplot {

inline void ShowText(QLineEdit* field, const QString& text) {
    if (field->text() != text) field->setText(text);
}

// A spin box repaints itself on every value put in, even the one it shows.
inline void ShowValue(QSpinBox* field, int value) {
    if (field->value() != value) field->setValue(value);
}

} // namespace roamplot
