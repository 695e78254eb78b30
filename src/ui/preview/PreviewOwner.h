#pragma once
// What the preview window asks of the window that owns the layout. Rectangles
// are in device pixels, whatever the zoom.
#include <optional>

#include "core/designer/BoxGeometry.h"
#include "core/designer/Guides.h"

namespace roamplot {

class PreviewOwner {
  public:
    virtual ~PreviewOwner() = default;
    // A mouse button went down on the box of a slot of the current page.
    virtual void PreviewBoxPressed(int slot, bool ctrlHeld) = 0;
    // A move with the mouse ended with the box dropped at `dropped`.
    virtual void PreviewBoxMoved(int slot, BoxRect dropped) = 0;
    // A resize with the mouse ended: the bounds before and after.
    virtual void PreviewBoxResized(int slot, BoxRect saved, BoxRect resized) = 0;
    // Where the box would end if the move or resize were released now, with
    // the guides it lies on; nothing when neither the grid nor a guide takes
    // it, so the band follows the pointer.
    virtual std::optional<GuidedRect> SnappedMove(int slot, BoxRect dropped) const = 0;
    virtual std::optional<GuidedRect> SnappedResize(BoxRect saved, BoxRect resized) const = 0;
    // Ctrl+Delete was released in the preview.
    virtual void PreviewDeleteRequested() = 0;
    // The zoom factor changed through the preview's keys or wheel.
    virtual void PreviewZoomChanged(int zoom) = 0;
    // The window was shown.
    virtual void PreviewShown() = 0;
};

} // namespace roamplot
