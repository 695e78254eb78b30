#pragma once
// The tool window that shows the device screen at its true pixel size.
#include <QWidget>

#include "core/app/DeviceScreen.h"
#include "core/app/SettingsFile.h"

namespace roamplot {

class PreviewWindow : public QWidget {
    Q_OBJECT
  public:
    // Restores its position from section "Device" of the settings file.
    PreviewWindow(const SettingsFile& settings, QWidget* parent = nullptr);
    // Stores its position in section "Device".
    ~PreviewWindow() override;

    // Sizes the window for a screen of W x H pixels: client (W + 10) x (H + 10).
    // A screen without a size (a row outside the table) keeps the previous size.
    void ApplyDeviceScreen(ScreenSize size);
    ScreenSize DeviceSize() const { return size_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const SettingsFile& settings_;
    ScreenSize size_;
};

} // namespace roamplot
