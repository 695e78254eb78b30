#pragma once
// The borderless window shown while the last parameter file loads.
#include <QWidget>

namespace roamplot {

class SplashWindow : public QWidget {
  public:
    explicit SplashWindow(QWidget* parent = nullptr);
    // Centres the window on the screen, shows it and paints it at once.
    void ShowCentred();

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace roamplot
