#pragma once
// A length that limits what the user types into a field, never what the
// program puts there: a longer text from a file is shown whole, and the user
// may shorten it but not make it longer. A pasted text longer than the room
// left is cut to fit.
//
// A field whose text goes into a file of the handheld also refuses commas,
// which the files cannot hold inside a field: a typed comma is not taken, and
// commas are dropped from pasted text.
#include <QObject>

class QLineEdit;

namespace roamplot {

class FieldTextRules : public QObject {
    Q_OBJECT
  public:
    // Tells that a comma the user typed or pasted was left out.
    static constexpr const char* CommaNote = "A comma cannot be stored in the file.";

    explicit FieldTextRules(QObject* parent) : QObject(parent) {}

  signals:
    void CommaRefused();
};

void LimitTyping(QLineEdit& field, int length);
// Limits the typing and refuses commas; the rules' signal tells of a refused comma.
FieldTextRules& LimitFileText(QLineEdit& field, int length);

} // namespace roamplot
