#pragma once
// The tool window that shows the current page at the device's exact pixel size
// (times a whole zoom factor) and lets the user pick, move and size its boxes.
#include <QImage>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "core/app/DeviceScreen.h"
#include "core/app/SettingsFile.h"
#include "core/designer/BoxFindings.h"
#include "core/designer/BoxGeometry.h"
#include "core/model/ScreenLayout.h"
#include "render/RenderContext.h"
#include "ui/preview/ControlSizer.h"
#include "ui/preview/GuideOverlay.h"
#include "ui/widgets/Dockable.h"

class QFrame;
class QLabel;
class QScrollArea;

class QMouseEvent;

namespace roamplot {

class DrawAreaWidget;
class PreviewControl;
class PreviewOwner;

class PreviewWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int MinZoom = 1;
    static constexpr int MaxZoom = 4;

    // Restores its position from section "Device" of the settings file.
    PreviewWindow(SettingsFile& settings, QWidget* parent = nullptr);
    // Stores its position in section "Device".
    ~PreviewWindow() override;
    // Puts the position into the settings for the next write.
    void RememberPosition();

    void SetOwner(PreviewOwner* owner) { owner_ = owner; }

    // Docked, the preview is a child of the holder and takes the room its
    // place gives it, scrolling what does not fit; floating, it is a tool
    // window of the owner at the place it had floating before.
    void Dock(QWidget* holder);
    void Float(QWidget* owner);
    bool Docked() const { return dockable_.Docked(); }
    // Docked: the frame around the device screen, as much as it needs.
    QSize sizeHint() const override;

    // Sizes the window for a screen of W x H pixels: client (W + 10) x (H + 10)
    // at zoom 1, at most the available area of its screen, scrolling what is
    // larger. A screen without a size keeps the previous size.
    void ApplyDeviceScreen(ScreenSize size);
    ScreenSize DeviceSize() const { return size_; }
    ScreenSize DrawAreaSize() const { return {size_.Width, size_.Height - ToolbarHeight}; }

    int Zoom() const { return zoom_; }
    // Whether Shift was held at the last mouse event of a drag: it snaps to nothing.
    bool GuidesHeldOff() const { return guidesHeldOff_; }
    // The guide lines the drag in progress shows (device pixels); none between drags.
    const std::vector<Guide>& GuidesShown() const;
    void SetZoom(int zoom);
    // The largest whole zoom at which the whole preview fits the available area.
    int FitZoom() const;
    QScrollArea* ScrollArea() const;

    // Recomposes the page image and puts the controls of the page's used slots
    // on their boxes; every other control is hidden.
    void ShowPage(const ScreenLayout& layout, int page, const RenderContext& context);
    // Draws again only where the given boxes of the shown page were and are
    // now (an edit in place), and repaints only that part of the screen.
    void RedrawBoxes(const ScreenLayout& layout, int page, const RenderContext& context,
                     const std::vector<int>& changedSlots);
    // How many times a page image was composed (a drag composes nothing).
    int CompositionCount() const { return compositions_; }
    const QImage& PageImage() const { return image_; }
    // What the composition of the shown page found, by slot: marked on the
    // boxes and told in their hints.
    const std::vector<BoxFinding>& Findings() const { return findings_; }

    PreviewControl* Control(int page, int slot) const;
    ControlSizer& Sizer() { return sizer_; }
    // Attaches the control of a slot of a page to the sizer (0: detach).
    void AttachSlot(int page, int slot);
    // The slot of the box attached to the sizer, or -1.
    int AttachedSlot() const;
    // Brings the controls of the page to the front in slot order.
    void RestackControls(int page);

    // The device picture panel in front of the page, or the page in front.
    // Docked, the panel is left out where the preview's room cannot hold it.
    void ShowDevicePicture(bool inFront);
    bool DevicePictureInFront() const;

    QWidget* DrawArea() const;

    // Mouse events of the preview controls.
    void ControlPressed(PreviewControl& control, QMouseEvent& event);
    void ControlMoved(PreviewControl& control, QMouseEvent& event);
    void ControlReleased(PreviewControl& control, QMouseEvent& event);

  signals:
    // The pointer over the drawing area, in device pixels.
    void PointerMoved(QPoint device);
    void PointerLeft();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void LayOut();
    BoxRect DeviceRectOf(const QRect& shown) const;
    QRect ShownRectOf(BoxRect device) const;
    QRect ShapeBand(const QRect& bounds, bool sizing) const;
    void NoteModifiers(const QMouseEvent& event);
    void ReportPointer(QPoint inDrawArea);
    void SaveBounds();
    void PlaceDevicePicture();
    void ChangeZoomBy(int step);
    // Puts the controls of the given slots on their boxes, with their hints,
    // and marks the boxes with findings.
    void PlaceControls(const ScreenLayout& layout, int page, const RenderContext& context,
                       const std::vector<int>& changedSlots);

    SettingsFile& settings_;
    Dockable dockable_;
    PreviewOwner* owner_ = nullptr;
    ScreenSize size_{240, 320};
    int zoom_ = 1;
    QScrollArea* scroll_;
    QFrame* frame_;
    QWidget* deviceScreen_;
    DrawAreaWidget* drawArea_;
    QLabel* toolbar_;
    QWidget* devicePanel_;
    QLabel* devicePicture_;
    std::vector<PreviewControl*> controls_;
    ControlSizer sizer_;
    GuideOverlay* guides_;
    bool guidesHeldOff_ = false;
    BoxRect savedBounds_;
    std::optional<QPoint> lastPointer_; // the device pixel last reported
    QImage image_;
    std::vector<BoxFinding> findings_;
    std::vector<QRect> marked_;                   // device pixels
    std::array<QRect, SlotsPerPage + 1> drawn_{}; // where each slot's box was last drawn
    int compositions_ = 0;
    int shownPage_ = 1;
    bool pictureWanted_ = false;
};

} // namespace roamplot
