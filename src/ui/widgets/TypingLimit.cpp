#include "ui/widgets/TypingLimit.h"

#include <QLineEdit>
#include <QValidator>
#include <algorithm>

namespace roamplot {

namespace {
class TypingLimitValidator : public QValidator {
  public:
    TypingLimitValidator(QLineEdit& field, int length)
        : QValidator(&field), field_(field), length_(length) {
        connect(&field, &QLineEdit::textChanged, this,
                [this](const QString& text) { held_ = static_cast<int>(text.size()); });
    }

    State validate(QString& input, int& /*position*/) const override {
        // setText clears the modified flag before the text is validated.
        if (!field_.isModified()) return Acceptable;
        return input.size() <= std::max(length_, held_) ? Acceptable : Invalid;
    }

  private:
    QLineEdit& field_;
    int length_;
    int held_ = 0; // the length of the text the field held before this edit
};
} // namespace

void LimitTyping(QLineEdit& field, int length) {
    field.setValidator(new TypingLimitValidator(field, length));
}

} // namespace roamplot
