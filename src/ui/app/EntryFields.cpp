#include "ui/app/EntryFields.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace roamplot {

QValidator::State SignedDigitsFilter::validate(QString& input, int&) const {
    for (QChar c : input)
        if (!c.isDigit() && c != '+' && c != '-') return Invalid;
    return Acceptable;
}

QValidator::State UpperCaseFilter::validate(QString& input, int&) const {
    input = input.toUpper();
    return Acceptable;
}

void UseSignedDigitsFilter(QLineEdit* field) {
    field->setValidator(new SignedDigitsFilter(field));
}
void UseUpperCaseFilter(QLineEdit* field) {
    field->setValidator(new UpperCaseFilter(field));
}

EnterMovesFocus::EnterMovesFocus(QWidget* window) : QObject(window), window_(window) {
    qApp->installEventFilter(this);
}

bool EnterMovesFocus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field || field->window() != window_) return false;
    // Walk the focus chain past push buttons; stop when it comes round again.
    QWidget* next = field->nextInFocusChain();
    while (next && next != field) {
        if (!qobject_cast<QPushButton*>(next) && next->isEnabled() && next->isVisibleTo(window_) &&
            (next->focusPolicy() & Qt::TabFocus))
            break;
        next = next->nextInFocusChain();
    }
    if (next && next != field) next->setFocus(Qt::TabFocusReason);
    // Let a text field's own returnPressed still be emitted.
    return false;
}

} // namespace roamplot
