#pragma once
// "Scale Layout To Screen": which device screen a layout is scaled to.
#include <QDialog>
#include <array>

#include "core/app/DeviceScreen.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace roamplot {

class Prompter;

class ScaleScreenDialog : public QDialog {
    Q_OBJECT
  public:
    // Opens on the screen shown, its custom size in the fields.
    ScaleScreenDialog(const DeviceScreen& current, Prompter& prompter, QWidget* parent);

    // The screen chosen; meaningful once the dialog was accepted.
    const DeviceScreen& Target() const { return target_; }

    std::array<QRadioButton*, DeviceRowCount> rTargetScreen{};
    QLineEdit* eTargetWidth;
    QLineEdit* eTargetHeight;
    QPushButton* bScale;
    QPushButton* bCancel;

  private:
    void bScaleClick();
    void ShowCustomFields();

    Prompter& prompter_;
    DeviceScreen target_;
};

} // namespace roamplot
