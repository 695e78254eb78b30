#include "ui/widgets/TypingLimit.h"

#include <QLineEdit>
#include <QValidator>
#include <algorithm>

namespace roamplot {

namespace {
class TypingLimitValidator : public QValidator {
  public:
    TypingLimitValidator(QLineEdit& field, int length, FieldTextRules* commas)
        : QValidator(&field), field_(field), length_(length), commas_(commas) {
        connect(&field, &QLineEdit::textChanged, this,
                [this](const QString& text) { held_ = static_cast<int>(text.size()); });
    }

    State validate(QString& input, int& position) const override {
        // setText clears the modified flag before the text is validated.
        if (!field_.isModified()) return Acceptable;
        if (commas_ && input.contains(',')) {
            const qsizetype before = input.left(position).count(',');
            input.remove(',');
            position -= static_cast<int>(before);
            emit commas_->CommaRefused();
        }
        const int room = std::max(length_, held_);
        if (input.size() <= room) return Acceptable;
        const qsizetype added = input.size() - held_;
        // One key too many is refused; a paste keeps what fits of it.
        if (added <= 1) return Invalid;
        const qsizetype cut = input.size() - room;
        const qsizetype end = std::clamp<qsizetype>(position, cut, input.size());
        input.remove(end - cut, cut);
        position = static_cast<int>(end - cut);
        return Acceptable;
    }

  private:
    QLineEdit& field_;
    int length_;
    FieldTextRules* commas_;
    int held_ = 0; // the length of the text the field held before this edit
};
} // namespace

void LimitTyping(QLineEdit& field, int length) {
    field.setValidator(new TypingLimitValidator(field, length, nullptr));
}

FieldTextRules& LimitFileText(QLineEdit& field, int length) {
    auto* rules = new FieldTextRules(&field);
    field.setValidator(new TypingLimitValidator(field, length, rules));
    return *rules;
}

} // namespace roamplot
