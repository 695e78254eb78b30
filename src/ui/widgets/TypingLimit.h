#pragma once
// A length that limits what the user types into a field, never what the
// program puts there: a longer text from a file is shown whole, and the user
// may shorten it but not make it longer.
class QLineEdit;

namespace roamplot {

void LimitTyping(QLineEdit& field, int length);

} // namespace roamplot
