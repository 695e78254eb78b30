#pragma once
// The keyboard as a user has it: a real click puts the focus into a field,
// and every key then goes to whatever holds the focus at that moment, through
// the window system (shortcuts included), not to the widget the test meant.
#include <QApplication>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace roamplot::test {

// The widget that shows a field's text: a spin box's or an editable choice's line edit.
inline QWidget* TextPartOf(QWidget* field) {
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(field)) {
        if (auto* edit = spin->findChild<QLineEdit*>()) return edit;
    }
    return field;
}

// Whether the keyboard's focus is in the field (a spin box keeps it on itself).
inline bool HasFocus(QWidget* field) {
    QWidget* focus = QApplication::focusWidget();
    return focus && (focus == field || field->isAncestorOf(focus) || focus->isAncestorOf(field));
}

// A click at the end of the field's text, as a user clicks into a field to add to it.
inline void ClickInto(QWidget* field) {
    QWidget* target = TextPartOf(field);
    const QPoint at(target->width() - 3, target->height() / 2);
    QTest::mouseClick(target, Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
    EXPECT_TRUE(HasFocus(field)) << "the click left the focus on "
                                 << (QApplication::focusWidget()
                                         ? QApplication::focusWidget()->objectName().toStdString()
                                         : std::string("nothing"));
}

inline QWindow* KeyboardWindow() {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->window()->windowHandle() : QGuiApplication::focusWindow();
}

// One key, pressed and released, to the window that has the focus.
inline void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWindow* window = KeyboardWindow();
    ASSERT_TRUE(window) << "no window has the keyboard";
    QTest::keyClick(window, key, modifiers);
    QCoreApplication::processEvents();
}

// Each character as its own key stroke, letters, digits and spaces alike.
inline void Type(const QString& text) {
    for (QChar c : text) {
        QWindow* window = KeyboardWindow();
        ASSERT_TRUE(window) << "no window has the keyboard";
        const char ascii = c.toLatin1();
        QTest::keyClick(window, ascii);
        QCoreApplication::processEvents();
    }
}

// Removes the field's whole text with Backspace, as a user would.
inline void EraseField(QWidget* field) {
    auto* edit = qobject_cast<QLineEdit*>(TextPartOf(field));
    ASSERT_TRUE(edit);
    Press(Qt::Key_End);
    for (qsizetype n = edit->text().size(); n > 0; --n) Press(Qt::Key_Backspace);
}

} // namespace roamplot::test
