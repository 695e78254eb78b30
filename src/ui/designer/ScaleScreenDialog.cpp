#include "ui/designer/ScaleScreenDialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/designer/LayoutScaling.h"
#include "core/model/FieldFunctions.h"
#include "render/TextCodec.h"
#include "ui/app/Prompter.h"

namespace roamplot {

ScaleScreenDialog::ScaleScreenDialog(const DeviceScreen& current, Prompter& prompter,
                                     QWidget* parent)
    : QDialog(parent), prompter_(prompter), target_(current) {
    setWindowTitle(tr("Scale Layout To Screen"));
    auto* screens = new QGroupBox(tr("Target Screen"), this);
    auto* screenColumn = new QVBoxLayout(screens);
    for (int row = 0; row < DeviceRowCount; ++row) {
        auto* radio = new QRadioButton(DeviceScreens[static_cast<std::size_t>(row)].Label, screens);
        radio->setObjectName(QString("rTargetScreen%1").arg(row));
        rTargetScreen[static_cast<std::size_t>(row)] = radio;
        screenColumn->addWidget(radio);
        connect(radio, &QRadioButton::toggled, this, &ScaleScreenDialog::ShowCustomFields);
    }
    eTargetWidth = new QLineEdit(QString::number(current.CustomWidth), this);
    eTargetWidth->setObjectName("eTargetWidth");
    eTargetHeight = new QLineEdit(QString::number(current.CustomHeight), this);
    eTargetHeight->setObjectName("eTargetHeight");
    auto* size = new QFormLayout;
    size->addRow(tr("Screen Width"), eTargetWidth);
    size->addRow(tr("Screen Height"), eTargetHeight);
    bScale = new QPushButton(tr("Scale"), this);
    bScale->setObjectName("bScale");
    bScale->setDefault(true);
    bCancel = new QPushButton(tr("Cancel"), this);
    bCancel->setObjectName("bCancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(bScale);
    buttons->addWidget(bCancel);
    auto* column = new QVBoxLayout(this);
    column->addWidget(screens);
    column->addLayout(size);
    column->addLayout(buttons);

    if (DeviceScreen::IsValidRow(current.Row))
        rTargetScreen[static_cast<std::size_t>(current.Row)]->setChecked(true);
    ShowCustomFields();
    connect(bScale, &QPushButton::clicked, this, &ScaleScreenDialog::bScaleClick);
    connect(bCancel, &QPushButton::clicked, this, &ScaleScreenDialog::reject);
}

void ScaleScreenDialog::ShowCustomFields() {
    const bool custom = rTargetScreen[CustomDeviceRow]->isChecked();
    eTargetWidth->setEnabled(custom);
    eTargetHeight->setEnabled(custom);
}

void ScaleScreenDialog::bScaleClick() {
    DeviceScreen chosen = target_;
    chosen.Row = -1;
    for (int row = 0; row < DeviceRowCount; ++row)
        if (rTargetScreen[static_cast<std::size_t>(row)]->isChecked()) chosen.Row = row;
    if (chosen.Row == CustomDeviceRow) {
        chosen.CustomWidth = TryStrToInt(FromQString(eTargetWidth->text())).value_or(0);
        chosen.CustomHeight = TryStrToInt(FromQString(eTargetHeight->text())).value_or(0);
    }
    if (!DeviceScreen::IsValidRow(chosen.Row) || !IsScalableScreen(chosen.Size())) {
        prompter_.ShowMessage(tr(UnscalableScreenMessage));
        return;
    }
    target_ = chosen;
    accept();
}

} // namespace roamplot
