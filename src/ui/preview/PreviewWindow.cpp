#include "ui/preview/PreviewWindow.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStringList>
#include <QStyle>
#include <QWheelEvent>
#include <algorithm>
#include <numeric>

#include "core/app/DesignerSettings.h"
#include "core/app/WindowArea.h"
#include "render/PageCompositor.h"
#include "render/TextCodec.h"
#include "render/artwork/PreviewPictures.h"
#include "ui/preview/GrabHandle.h"
#include "ui/preview/PreviewControl.h"
#include "ui/preview/PreviewOwner.h"
#include "ui/preview/PreviewScrollArea.h"
#include "ui/widgets/ScreenPlacement.h"

namespace roamplot {

namespace {
constexpr int FrameMargin = 5;
constexpr QSize DevicePanelSize{247, 327};
constexpr QPoint DevicePicturePlace{37, 27};
constexpr int ScrollStep = 10; // device pixels per wheel line
} // namespace

// The white area above the toolbar: the page image, scaled by the zoom with
// nearest-neighbour sampling so that every device pixel stays sharp, and a red
// corner on every box with a finding.
class DrawAreaWidget : public QWidget {
  public:
    DrawAreaWidget(QWidget* parent, const QImage& image, const int& zoom,
                   const std::vector<QRect>& marked)
        : QWidget(parent), image_(image), zoom_(zoom), marked_(marked) {
        setObjectName("DrawArea");
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        const QRect exposed = event->rect();
        painter.fillRect(exposed, Qt::white);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        // Only the device pixels under the exposed part, so that scrolling a
        // large zoomed page costs the strip it uncovers.
        const QRect source = QRect(QPoint(exposed.left() / zoom_, exposed.top() / zoom_),
                                   QPoint(exposed.right() / zoom_, exposed.bottom() / zoom_)) &
                             image_.rect();
        if (!source.isEmpty())
            painter.drawImage(QRect(source.topLeft() * zoom_, source.size() * zoom_), image_,
                              source);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 0, 0));
        for (const QRect& box : marked_) DrawMark(painter, box);
    }

  private:
    // A triangle in the top right corner of the box, drawn over the page, so
    // marking costs no composition. A corner beyond the page is brought to
    // its edge: a box wholly outside is marked where it left.
    void DrawMark(QPainter& painter, const QRect& box) const {
        const int side = std::min({MarkSide, box.width(), box.height()});
        if (side <= 0) return;
        const int right = std::clamp(box.x() + box.width(), side, image_.width());
        const int top = std::clamp(box.y(), 0, std::max(0, image_.height() - side));
        const QPoint corner[3] = {{(right - side) * zoom_, top * zoom_},
                                  {right * zoom_, top * zoom_},
                                  {right * zoom_, (top + side) * zoom_}};
        painter.drawPolygon(corner, 3);
    }

    // Big enough to show beside the grab handle on the corner of the picked box.
    static constexpr int MarkSide = 8;
    const QImage& image_;
    const int& zoom_;
    const std::vector<QRect>& marked_;
};

namespace {
constexpr Qt::WindowFlags FloatingFlags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
// Docked, the preview can be made this small; it scrolls the rest.
constexpr QSize LeastDockedSize{120, 120};
} // namespace

PreviewWindow::PreviewWindow(SettingsFile& settings, QWidget* parent)
    : QWidget(parent, FloatingFlags), settings_(settings), dockable_(*this, FloatingFlags) {
    setWindowTitle(tr("Device"));
    setFocusPolicy(Qt::StrongFocus);
    scroll_ = new PreviewScrollArea(this);
    frame_ = new QFrame;
    frame_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    // Opaque, so that scrolling moves what is drawn and repaints only what it uncovers.
    frame_->setAutoFillBackground(true);
    scroll_->setWidget(frame_);
    deviceScreen_ = new QWidget(frame_);
    deviceScreen_->setAutoFillBackground(true);
    QPalette white = deviceScreen_->palette();
    white.setColor(QPalette::Window, Qt::white);
    deviceScreen_->setPalette(white);
    drawArea_ = new DrawAreaWidget(deviceScreen_, image_, zoom_, marked_);
    drawArea_->setMouseTracking(true);
    drawArea_->installEventFilter(this);
    toolbar_ = new QLabel(deviceScreen_);
    toolbar_->setObjectName("ToolbarStrip");
    devicePanel_ = new QWidget(this);
    devicePanel_->setObjectName("DevicePicturePanel");
    devicePanel_->setAutoFillBackground(true);
    QPalette panel = devicePanel_->palette();
    panel.setColor(QPalette::Window, QColor(177, 224, 224));
    devicePanel_->setPalette(panel);
    devicePanel_->setGeometry(QRect(QPoint(1, 1), DevicePanelSize));
    devicePicture_ = new QLabel(devicePanel_);
    devicePicture_->move(DevicePicturePlace);
    devicePanel_->hide();

    guides_ = new GuideOverlay(drawArea_);
    controls_.reserve(MaxPages * SlotsPerPage);
    for (int page = 1; page <= MaxPages; ++page)
        for (int slot = 1; slot <= SlotsPerPage; ++slot)
            controls_.push_back(new PreviewControl(page, slot, *this, drawArea_));

    sizer_.SetMinimumMove(1);
    connect(&sizer_, &ControlSizer::OnStartMove, this, &PreviewWindow::SaveBounds);
    connect(&sizer_, &ControlSizer::OnStartSize, this, &PreviewWindow::SaveBounds);
    // A drag shows its guides until it is released.
    for (int position = 0; position < 8; ++position)
        sizer_.Handle(position)->installEventFilter(this);
    connect(&sizer_, &ControlSizer::OnEndMove, this, [this] { guides_->ShowGuides({}, zoom_); });
    connect(&sizer_, &ControlSizer::OnEndSize, this, [this] { guides_->ShowGuides({}, zoom_); });
    connect(&sizer_, &ControlSizer::OnEndMove, this, [this] {
        if (!owner_ || !sizer_.Control()) return;
        owner_->PreviewBoxMoved(AttachedSlot(), DeviceRectOf(sizer_.Control()->geometry()));
    });
    connect(&sizer_, &ControlSizer::OnEndSize, this, [this] {
        if (!owner_ || !sizer_.Control()) return;
        owner_->PreviewBoxResized(AttachedSlot(), savedBounds_,
                                  DeviceRectOf(sizer_.Control()->geometry()));
    });
    sizer_.SetBandShaper(
        [this](const QRect& bounds, bool sizing) { return ShapeBand(bounds, sizing); });

    QRect screen = QGuiApplication::primaryScreen()->geometry();
    WindowPosition place = RestoreWindowPosition(settings_, DeviceSection, DefaultWindowLeft,
                                                 DefaultWindowTop, screen.width(), screen.height());
    LayOut();
    MoveInsideArea(*this, {place.Left, place.Top});
    dockable_.KeepFloatingPlace(pos());
}

PreviewWindow::~PreviewWindow() {
    sizer_.SetControl(nullptr);
    RememberPosition();
    settings_.Save();
}

void PreviewWindow::RememberPosition() {
    const QPoint place = dockable_.FloatingPlace();
    ChangeWindowPosition(settings_, DeviceSection, {place.x(), place.y()});
}

void PreviewWindow::Dock(QWidget* holder) {
    dockable_.Dock(holder);
    LayOut();
}

void PreviewWindow::Float(QWidget* owner) {
    dockable_.Float(owner);
    LayOut();
}

QSize PreviewWindow::sizeHint() const {
    const int frame = 2 * scroll_->frameWidth();
    QSize hint = frame_->size() + QSize(frame, frame);
    // Docked narrower than the page, the scroll bar under it is asked for too,
    // so that no second bar scrolls the first one's height.
    if (Docked() && width() < hint.width())
        hint.rheight() += style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return hint;
}

void PreviewWindow::ApplyDeviceScreen(ScreenSize size) {
    if (size.Width <= 0 || size.Height <= 0) return;
    size_ = size;
    LayOut();
}

void PreviewWindow::SetZoom(int zoom) {
    zoom = std::clamp(zoom, MinZoom, MaxZoom);
    if (zoom == zoom_) return;
    zoom_ = zoom;
    LayOut();
    if (owner_) owner_->PreviewZoomChanged(zoom_);
}

int PreviewWindow::FitZoom() const {
    const QSize room =
        Docked() ? scroll_->maximumViewportSize() : ClientRoomIn(*this, AvailableAreaAt(pos()));
    return roamplot::FitZoom(size_, FrameMargin, {room.width(), room.height()}, MaxZoom);
}

QScrollArea* PreviewWindow::ScrollArea() const {
    return scroll_;
}

void PreviewWindow::LayOut() {
    int w = size_.Width * zoom_;
    int h = size_.Height * zoom_;
    int drawHeight = std::max(0, size_.Height - ToolbarHeight) * zoom_;
    frame_->resize(w + 2 * FrameMargin, h + 2 * FrameMargin);
    deviceScreen_->setGeometry(FrameMargin, FrameMargin, w, h);
    drawArea_->setGeometry(0, 0, w, drawHeight);
    const QImage& strip = ToolbarStrip();
    QImage shown = strip.copy(0, 0, std::min(size_.Width, strip.width()), ToolbarHeight);
    toolbar_->setPixmap(
        QPixmap::fromImage(shown.scaled(shown.width() * zoom_, ToolbarHeight * zoom_,
                                        Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    toolbar_->setGeometry(zoom_, drawHeight, shown.width() * zoom_, ToolbarHeight * zoom_);

    scroll_->horizontalScrollBar()->setSingleStep(ScrollStep * zoom_);
    scroll_->verticalScrollBar()->setSingleStep(ScrollStep * zoom_);
    sizer_.UpdateHandles();
    update();
    if (Docked()) {
        setMinimumSize(LeastDockedSize);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        updateGeometry();
        PlaceDevicePicture();
        return;
    }
    // At most the available area.
    const QSize content = frame_->size();
    const QSize room = ClientRoomIn(*this, AvailableAreaAt(pos()));
    const ScreenSize view =
        ScrolledViewSize({content.width(), content.height()}, {room.width(), room.height()},
                         style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    setFixedSize(view.Width, view.Height);
    scroll_->setGeometry(rect());
    // Shown or not: a hidden window grown with the screen or the zoom would
    // otherwise first appear running off the area.
    MoveInsideArea(*this, pos());
    PlaceDevicePicture();
}

void PreviewWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int pageWidth = frame_->width() + 2 * scroll_->frameWidth();
    if (Docked() && (event->oldSize().width() < pageWidth) != (width() < pageWidth))
        updateGeometry();
    scroll_->setGeometry(rect());
    PlaceDevicePicture();
}

void PreviewWindow::ShowPage(const ScreenLayout& layout, int page, const RenderContext& context) {
    RenderContext sized = context;
    sized.DrawArea = DrawAreaSize();
    findings_ = OutsideFindings(layout, page, sized.DrawArea);
    image_ = ComposePage(layout, page, sized, &findings_);
    ++compositions_;
    if (page != shownPage_)
        for (int slot = 1; slot <= SlotsPerPage; ++slot) Control(shownPage_, slot)->hide();
    shownPage_ = page;
    std::vector<int> all(SlotsPerPage);
    std::iota(all.begin(), all.end(), 1);
    PlaceControls(layout, page, context, all);
    RestackControls(page);
    drawArea_->update();
}

void PreviewWindow::RedrawBoxes(const ScreenLayout& layout, int page, const RenderContext& context,
                                const std::vector<int>& changedSlots) {
    RenderContext sized = context;
    sized.DrawArea = DrawAreaSize();
    if (page != shownPage_ || image_.size() != QSize(sized.DrawArea.Width, sized.DrawArea.Height))
        return ShowPage(layout, page, context);
    QRect changed;
    for (int slot : changedSlots) {
        const ParameterBox& box = layout.Box(page, slot);
        changed |= drawn_[static_cast<std::size_t>(slot)];
        if (box.InUse()) changed |= QRect(box.Left, box.Top, box.Width, box.Height);
    }
    std::erase_if(findings_,
                  [](const BoxFinding& f) { return f.Kind == FindingKind::PartlyOutside; });
    std::vector<int> drawn = RecomposeArea(image_, changed, layout, page, sized, findings_);
    ++compositions_;
    for (const BoxFinding& outside : OutsideFindings(layout, page, sized.DrawArea))
        findings_.push_back(outside);
    drawn.insert(drawn.end(), changedSlots.begin(), changedSlots.end());
    PlaceControls(layout, page, context, drawn);
    const QRect shown = ShownRectOf({changed.x(), changed.y(), changed.width(), changed.height()});
    drawArea_->update(shown.adjusted(-zoom_, -zoom_, zoom_, zoom_));
}

void PreviewWindow::PlaceControls(const ScreenLayout& layout, int page,
                                  const RenderContext& context,
                                  const std::vector<int>& changedSlots) {
    SortFindings(findings_);
    marked_.clear();
    for (const BoxFinding& finding : findings_) {
        const ParameterBox& box = layout.Box(page, finding.Slot);
        const QRect rect(box.Left, box.Top, box.Width, box.Height);
        if (marked_.empty() || marked_.back() != rect) marked_.push_back(rect);
    }
    for (int slot : changedSlots) {
        const ParameterBox& box = layout.Box(page, slot);
        PreviewControl* control = Control(page, slot);
        if (!box.InUse()) {
            if (sizer_.Control() == control) sizer_.SetControl(nullptr);
            control->hide();
            drawn_[static_cast<std::size_t>(slot)] = QRect();
            continue;
        }
        drawn_[static_cast<std::size_t>(slot)] = QRect(box.Left, box.Top, box.Width, box.Height);
        control->setGeometry(ShownRectOf({box.Left, box.Top, box.Width, box.Height}));
        QStringList hint;
        if (context.Catalogue) hint << ToQString(context.Catalogue->NameOf(box.ParameterId));
        for (const BoxFinding& finding : findings_)
            if (finding.Slot == slot) hint << ToQString(FindingHint(finding, size_));
        control->setToolTip(hint.join('\n'));
        control->show();
    }
    sizer_.UpdateHandles();
}

PreviewControl* PreviewWindow::Control(int page, int slot) const {
    if (page < 1 || page > MaxPages || slot < 1 || slot > SlotsPerPage) return nullptr;
    return controls_[static_cast<std::size_t>((page - 1) * SlotsPerPage + slot - 1)];
}

void PreviewWindow::AttachSlot(int page, int slot) {
    sizer_.SetControl(Control(page, slot));
}

int PreviewWindow::AttachedSlot() const {
    auto* control = dynamic_cast<PreviewControl*>(sizer_.Control());
    return control ? control->Slot() : -1;
}

void PreviewWindow::RestackControls(int page) {
    for (int slot = 1; slot <= SlotsPerPage; ++slot) Control(page, slot)->raise();
    for (int position = 0; position < 8; ++position)
        if (GrabHandle* handle = sizer_.Handle(position)) handle->raise();
}

void PreviewWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (owner_) owner_->PreviewShown();
}

void PreviewWindow::ShowDevicePicture(bool inFront) {
    pictureWanted_ = inFront;
    PlaceDevicePicture();
}

void PreviewWindow::PlaceDevicePicture() {
    const bool fits = !Docked() || (width() > devicePanel_->geometry().right() &&
                                    height() > devicePanel_->geometry().bottom());
    const bool shown = pictureWanted_ && fits;
    // Painted when first shown: a session on the page designer never needs it.
    if (shown && devicePicture_->pixmap().isNull()) {
        devicePicture_->setPixmap(QPixmap::fromImage(DevicePicture()));
        devicePicture_->adjustSize();
    }
    devicePanel_->setVisible(shown);
    if (shown) devicePanel_->raise();
}

bool PreviewWindow::DevicePictureInFront() const {
    return devicePanel_->isVisible();
}

QWidget* PreviewWindow::DrawArea() const {
    return drawArea_;
}

BoxRect PreviewWindow::DeviceRectOf(const QRect& shown) const {
    // Whole device pixels: a drag at any zoom moves a box by whole pixels.
    auto device = [this](int v) {
        return static_cast<int>(std::lround(static_cast<double>(v) / zoom_));
    };
    return {device(shown.x()), device(shown.y()), device(shown.width()), device(shown.height())};
}

QRect PreviewWindow::ShownRectOf(BoxRect device) const {
    return QRect(device.Left * zoom_, device.Top * zoom_, device.Width * zoom_,
                 device.Height * zoom_);
}

QRect PreviewWindow::ShapeBand(const QRect& bounds, bool sizing) const {
    if (!owner_) return bounds;
    const BoxRect device = DeviceRectOf(bounds);
    const std::optional<GuidedRect> outcome = sizing ? owner_->SnappedResize(savedBounds_, device)
                                                     : owner_->SnappedMove(AttachedSlot(), device);
    guides_->ShowGuides(outcome ? outcome->Guides : std::vector<Guide>{}, zoom_);
    return outcome ? ShownRectOf(outcome->Rect) : bounds;
}

const std::vector<Guide>& PreviewWindow::GuidesShown() const {
    return guides_->Guides();
}

void PreviewWindow::NoteModifiers(const QMouseEvent& event) {
    guidesHeldOff_ = event.modifiers() & Qt::ShiftModifier;
}

void PreviewWindow::ReportPointer(QPoint inDrawArea) {
    // Rounded down: a drag that leaves the area to the left shows -1, not 0.
    auto device = [this](int v) { return (v >= 0 ? v : v - zoom_ + 1) / zoom_; };
    const QPoint at(device(inDrawArea.x()), device(inDrawArea.y()));
    // Zoomed, most movements stay on the same device pixel: nothing to tell.
    if (at == lastPointer_) return;
    lastPointer_ = at;
    emit PointerMoved(at);
}

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event) {
    if (qobject_cast<GrabHandle*>(watched) &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseMove ||
         event->type() == QEvent::MouseButtonRelease))
        NoteModifiers(*static_cast<QMouseEvent*>(event));
    if (watched == drawArea_) {
        if (event->type() == QEvent::MouseMove)
            ReportPointer(static_cast<QMouseEvent*>(event)->position().toPoint());
        else if (event->type() == QEvent::MouseButtonPress)
            setFocus(Qt::MouseFocusReason);
        else if (event->type() == QEvent::Leave) {
            lastPointer_.reset();
            emit PointerLeft();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PreviewWindow::SaveBounds() {
    if (sizer_.Control()) savedBounds_ = DeviceRectOf(sizer_.Control()->geometry());
}

void PreviewWindow::ControlPressed(PreviewControl& control, QMouseEvent& event) {
    // The keys that nudge and zoom go to the preview once a box is picked.
    setFocus(Qt::MouseFocusReason);
    NoteModifiers(event);
    sizer_.SetControl(&control);
    if (owner_) owner_->PreviewBoxPressed(control.Slot(), event.modifiers() & Qt::ControlModifier);
    if (event.button() == Qt::LeftButton && sizer_.Control() == &control)
        sizer_.BeginMove(event.position().toPoint());
}

void PreviewWindow::ControlMoved(PreviewControl& control, QMouseEvent& event) {
    NoteModifiers(event);
    ReportPointer(control.mapTo(drawArea_, event.position().toPoint()));
    if ((event.buttons() & Qt::LeftButton) && sizer_.Control() == &control)
        sizer_.MoveTo(event.position().toPoint());
}

void PreviewWindow::ControlReleased(PreviewControl& control, QMouseEvent& event) {
    NoteModifiers(event);
    if (event.button() == Qt::LeftButton && sizer_.Control() == &control)
        sizer_.EndMove(event.position().toPoint());
    sizer_.UpdateHandles();
}

void PreviewWindow::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        if (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Equal) return ChangeZoomBy(1);
        if (event->key() == Qt::Key_Minus) return ChangeZoomBy(-1);
        if (event->key() == Qt::Key_0) return SetZoom(FitZoom());
    }
    QWidget::keyPressEvent(event);
}

void PreviewWindow::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && (event->modifiers() & Qt::ControlModifier) && owner_)
        owner_->PreviewDeleteRequested();
}

void PreviewWindow::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) return QWidget::wheelEvent(event);
    int delta = event->angleDelta().y();
    if (delta != 0) ChangeZoomBy(delta > 0 ? 1 : -1);
    event->accept();
}

void PreviewWindow::ChangeZoomBy(int step) {
    SetZoom(zoom_ + step);
}

} // namespace roamplot
