#pragma once
// The guide lines of a drag, drawn across the preview's drawing area over the
// composed page: showing or moving them composes nothing.
#include <QWidget>
#include <vector>

#include "core/designer/Guides.h"

namespace roamplot {

class GuideOverlay : public QWidget {
  public:
    explicit GuideOverlay(QWidget* drawArea);

    // Shows the lines (device pixels) at the zoom; no lines hide the overlay.
    void ShowGuides(const std::vector<Guide>& guides, int zoom);
    const std::vector<Guide>& Guides() const { return guides_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<Guide> guides_;
    int zoom_ = 1;
};

} // namespace roamplot
