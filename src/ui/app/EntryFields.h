#pragma once
// The input filters of the entry fields and the Enter key that moves on.
#include <QObject>
#include <QValidator>

class QLineEdit;

namespace roamplot {

// Position and key-code fields: only digits, "+" and "-".
class SignedDigitsFilter : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

// Adjust step, snap interval and custom size fields: typed letters become upper case.
class UpperCaseFilter : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

void UseSignedDigitsFilter(QLineEdit* field);
void UseUpperCaseFilter(QLineEdit* field);

// Installed once on a window: Enter in any of its entry fields moves the focus
// to the next control that is not a push button.
class EnterMovesFocus : public QObject {
  public:
    explicit EnterMovesFocus(QWidget* window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
};

} // namespace roamplot
