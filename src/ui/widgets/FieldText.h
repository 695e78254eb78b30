#pragma once
// Filling a field with the text it already holds would move the cursor of a
// user typing in it and repaint it for nothing.
#include <QLineEdit>

namespace roamplot {

inline void ShowText(QLineEdit* field, const QString& text) {
    if (field->text() != text) field->setText(text);
}

} // namespace roamplot
