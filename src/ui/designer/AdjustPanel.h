#pragma once
// The "Adjust Selected box" panel of the "Page Designer" tab: move and resize
// buttons that repeat while held, and the position fields of the selected box.
// Widgets only; BoxAdjuster holds the logic.
#include <QGroupBox>
#include <array>

#include "core/designer/BoxGeometry.h"
#include "core/designer/NudgeSteps.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace roamplot {

class AdjustPanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit AdjustPanel(QWidget* parent = nullptr);

    // Fills the fields and the value labels; typing is what the fields report.
    void ShowBoxBounds(BoxRect bounds);

    QPushButton* AdjustUp;
    QPushButton* AdjustDown;
    QPushButton* AdjustLeft;
    QPushButton* AdjustRight;
    QPushButton* bte;
    QPushButton* btr;
    QPushButton* ble;
    QPushButton* blr;
    QPushButton* bre;
    QPushButton* brr;
    QPushButton* bbe;
    QPushButton* bbr;
    QLineEdit* BoxLeft;
    QLineEdit* BoxTop;
    QLineEdit* BoxWidth;
    QLineEdit* BoxHeight;
    QLabel* lPosition; // "x,y" value
    QLabel* lSize;     // "w,h" value
    QPushButton* LbButton3;

    struct StepButton {
        QPushButton* Button;
        NudgeStep Step;
    };
    // The twelve buttons in the order a held one is looked for.
    std::array<StepButton, 12> StepButtons() const;
    std::array<QLineEdit*, 4> BoundsFields() const {
        return {BoxLeft, BoxTop, BoxWidth, BoxHeight};
    }
};

} // namespace roamplot
