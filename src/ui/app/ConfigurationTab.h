#pragma once
// The "Configuration" tab: the working copies of the designer's settings and
// the device screen selection.
#include <QWidget>
#include <array>

#include "core/app/DesignerSettings.h"
#include "core/model/ScreenLayout.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace roamplot {

class ConfigurationTab : public QWidget {
    Q_OBJECT
  public:
    explicit ConfigurationTab(QWidget* parent = nullptr);

    // Puts the start-up settings into the controls (the device screen excepted).
    void ShowSettings(const DesignerSettings& settings);
    // Copies the controls into the settings (the device screen excepted).
    void CollectSettings(DesignerSettings& settings) const;

    int SelectedDeviceRow() const;
    void SelectDeviceRow(int row); // no signal
    // Enables the custom size fields, their labels and "Refresh".
    void EnableCustomOptions(bool enabled);
    void ShowScreenSize(int width, int height);
    QString ScreenWidthText() const;
    QString ScreenHeightText() const;

    QSpinBox* cNumPages;
    QLineEdit* eAdjust;
    QLineEdit* eSnap;
    QCheckBox* cUseSnap;
    QCheckBox* cLockWindows;
    QLineEdit* eDeviceFolder;
    QLineEdit* eDeviceMountFolder;
    QPushButton* bBrowseDeviceMount;
    std::array<QComboBox*, 4> cDefaultUnits{}; // speed, distance, altitude, heading
    std::array<QRadioButton*, DeviceRowCount> rDeviceScreen{};
    QLineEdit* eScreenWidth;
    QLineEdit* eScreenHeight;
    QLabel* lScreenWidth;
    QLabel* lScreenHeight;
    QPushButton* bRefresh;

  signals:
    void DeviceRowChosen(int row);
    void RefreshClicked();
    void LockWindowsChanged(bool locked);
    void BrowseDeviceMountClicked();

  private:
    QButtonGroup* deviceRows_;
};

} // namespace roamplot
