#include "ui/app/ConfigurationTab.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "render/PathText.h"
#include "render/TextCodec.h"
#include "ui/app/EntryFields.h"

namespace roamplot {

ConfigurationTab::ConfigurationTab(QWidget* parent) : QWidget(parent) {
    auto* general = new QGroupBox(tr("Settings"), this);
    auto* form = new QFormLayout(general);
    cNumPages = new QSpinBox(general);
    cNumPages->setObjectName("cNumPages");
    cNumPages->setRange(1, MaxPages);
    form->addRow(tr("Number of Pages (Max. 20)"), cNumPages);
    eAdjust = new QLineEdit(general);
    eAdjust->setObjectName("eAdjust");
    UseUpperCaseFilter(eAdjust);
    form->addRow(tr("Adjust (pixels)"), eAdjust);
    eSnap = new QLineEdit(general);
    eSnap->setObjectName("eSnap");
    UseUpperCaseFilter(eSnap);
    form->addRow(tr("Snap (pixels)"), eSnap);
    cUseSnap = new QCheckBox(tr("Use Snap"), general);
    cUseSnap->setObjectName("cUseSnap");
    form->addRow(cUseSnap);
    cLockWindows = new QCheckBox(tr("Lock Windows"), general);
    cLockWindows->setObjectName("cLockWindows");
    form->addRow(cLockWindows);
    eDeviceFolder = new QLineEdit(general);
    eDeviceFolder->setObjectName("eDeviceFolder");
    eDeviceFolder->setMaxLength(500);
    form->addRow(tr("RoamplotCE Folder on the PDA"), eDeviceFolder);
    auto* mountRow = new QHBoxLayout;
    eDeviceMountFolder = new QLineEdit(general);
    eDeviceMountFolder->setObjectName("eDeviceMountFolder");
    eDeviceMountFolder->setToolTip(
        tr("A folder of this PC that stands for the handheld's storage (a storage card in a card "
           "reader, a mounted device); empty to use the remote API"));
    bBrowseDeviceMount = new QPushButton(tr("Browse..."), general);
    bBrowseDeviceMount->setObjectName("bBrowseDeviceMount");
    mountRow->addWidget(eDeviceMountFolder);
    mountRow->addWidget(bBrowseDeviceMount);
    form->addRow(tr("Handheld storage folder on this PC"), mountRow);
    connect(bBrowseDeviceMount, &QPushButton::clicked, this,
            &ConfigurationTab::BrowseDeviceMountClicked);

    auto* units = new QGroupBox(tr("RoamplotCE Units Defaults"), this);
    auto* unitsForm = new QFormLayout(units);
    const char* quantities[] = {"Speed", "Distance", "Altitude", "Heading"};
    for (std::size_t q = 0; q < cDefaultUnits.size(); ++q) {
        cDefaultUnits[q] = new QComboBox(units);
        cDefaultUnits[q]->setObjectName(QString("cDefaultUnits%1").arg(quantities[q]));
        for (const std::string& unit : DefaultUnitsChoices()[q])
            cDefaultUnits[q]->addItem(ToQString(unit));
        unitsForm->addRow(tr(quantities[q]), cDefaultUnits[q]);
    }

    auto* screens = new QGroupBox(tr("Device Screen"), this);
    auto* screenColumn = new QVBoxLayout(screens);
    deviceRows_ = new QButtonGroup(this);
    for (int row = 0; row < DeviceRowCount; ++row) {
        auto* radio = new QRadioButton(DeviceScreens[static_cast<std::size_t>(row)].Label, screens);
        radio->setObjectName(QString("rDeviceScreen%1").arg(row));
        rDeviceScreen[static_cast<std::size_t>(row)] = radio;
        deviceRows_->addButton(radio, row);
        screenColumn->addWidget(radio);
    }
    connect(deviceRows_, &QButtonGroup::idClicked, this, &ConfigurationTab::DeviceRowChosen);

    auto* custom = new QGroupBox(tr("Custom Options"), this);
    auto* customGrid = new QGridLayout(custom);
    lScreenWidth = new QLabel(tr("Screen Width"), custom);
    eScreenWidth = new QLineEdit(custom);
    eScreenWidth->setObjectName("eScreenWidth");
    UseUpperCaseFilter(eScreenWidth);
    lScreenHeight = new QLabel(tr("Screen Height"), custom);
    eScreenHeight = new QLineEdit(custom);
    eScreenHeight->setObjectName("eScreenHeight");
    UseUpperCaseFilter(eScreenHeight);
    bRefresh = new QPushButton(tr("Refresh"), custom);
    bRefresh->setObjectName("bRefresh");
    customGrid->addWidget(lScreenWidth, 0, 0);
    customGrid->addWidget(eScreenWidth, 0, 1);
    customGrid->addWidget(lScreenHeight, 1, 0);
    customGrid->addWidget(eScreenHeight, 1, 1);
    customGrid->addWidget(bRefresh, 2, 1);
    connect(bRefresh, &QPushButton::clicked, this, &ConfigurationTab::RefreshClicked);
    connect(cLockWindows, &QCheckBox::toggled, this, &ConfigurationTab::LockWindowsChanged);

    auto* left = new QVBoxLayout;
    left->addWidget(general);
    left->addWidget(units);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(screens);
    right->addWidget(custom);
    right->addStretch();
    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left);
    columns->addLayout(right);
}

void ConfigurationTab::ShowSettings(const DesignerSettings& s) {
    cNumPages->setValue(s.NumberOfPages);
    eAdjust->setText(ToQString(s.AdjustStep));
    eSnap->setText(ToQString(s.SnapInterval));
    cUseSnap->setChecked(s.UseSnap);
    cLockWindows->setChecked(s.LockWindows);
    eDeviceFolder->setText(ToQString(s.DeviceFolder));
    eDeviceMountFolder->setText(QStringFromPath(s.DeviceMountFolder));
    for (std::size_t q = 0; q < cDefaultUnits.size(); ++q) {
        int index = s.DefaultUnits[q];
        cDefaultUnits[q]->setCurrentIndex(index >= 0 && index < cDefaultUnits[q]->count() ? index
                                                                                          : 0);
    }
}

void ConfigurationTab::CollectSettings(DesignerSettings& s) const {
    s.NumberOfPages = cNumPages->value();
    s.AdjustStep = FromQString(eAdjust->text());
    s.SnapInterval = FromQString(eSnap->text());
    s.UseSnap = cUseSnap->isChecked();
    s.LockWindows = cLockWindows->isChecked();
    s.DeviceFolder = FromQString(eDeviceFolder->text());
    s.DeviceMountFolder = PathFromQString(eDeviceMountFolder->text());
    for (std::size_t q = 0; q < cDefaultUnits.size(); ++q)
        s.DefaultUnits[q] = cDefaultUnits[q]->currentIndex();
}

int ConfigurationTab::SelectedDeviceRow() const {
    return deviceRows_->checkedId();
}

void ConfigurationTab::SelectDeviceRow(int row) {
    if (auto* button = deviceRows_->button(row)) button->setChecked(true);
}

void ConfigurationTab::EnableCustomOptions(bool enabled) {
    for (QWidget* w : {static_cast<QWidget*>(eScreenWidth), static_cast<QWidget*>(eScreenHeight),
                       static_cast<QWidget*>(lScreenWidth), static_cast<QWidget*>(lScreenHeight),
                       static_cast<QWidget*>(bRefresh)})
        w->setEnabled(enabled);
}

void ConfigurationTab::ShowScreenSize(int width, int height) {
    eScreenWidth->setText(QString::number(width));
    eScreenHeight->setText(QString::number(height));
}

QString ConfigurationTab::ScreenWidthText() const {
    return eScreenWidth->text();
}
QString ConfigurationTab::ScreenHeightText() const {
    return eScreenHeight->text();
}

} // namespace roamplot
