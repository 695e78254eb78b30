#pragma once
// A push button that shows a colour and lets the user pick another one.
#include <QPushButton>
#include <functional>
#include <optional>

#include "core/model/Colour.h"

namespace roamplot {

class ColourButton : public QPushButton {
    Q_OBJECT
  public:
    // Asks the user for a colour starting from the current one; nothing when cancelled.
    using Chooser = std::function<std::optional<Colour>(Colour current, QWidget* parent)>;

    explicit ColourButton(QWidget* parent = nullptr);

    Colour Value() const { return colour_; }
    // Shows a colour without announcing a choice.
    void SetValue(Colour colour);
    // Tests put a scripted chooser in place of the colour dialog.
    void SetChooser(Chooser chooser) { chooser_ = std::move(chooser); }

  signals:
    void ColorSelected(Colour colour);

  private:
    void Choose();

    Colour colour_ = Black;
    Chooser chooser_;
};

} // namespace roamplot
