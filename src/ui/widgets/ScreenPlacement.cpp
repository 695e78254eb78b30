#include "ui/widgets/ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace roamplot {

namespace {
// What a window manager's title bar and borders add before the window is shown.
constexpr int BorderAllowance = 8;
} // namespace

WindowRect AvailableAreaAt(QPoint point) {
    QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QRect area = screen->availableGeometry();
    return {area.left(), area.top(), area.width(), area.height()};
}

WindowRect FrameOf(const QWidget& window, QPoint at) {
    if (window.isVisible()) {
        const QRect frame = window.frameGeometry();
        return {at.x(), at.y(), frame.width(), frame.height()};
    }
    // A window never resized has the default size of a new window until it is shown.
    const QSize size = window.testAttribute(Qt::WA_Resized) ? window.size() : window.sizeHint();
    return {at.x(), at.y(), size.width() + BorderAllowance,
            size.height() + TitleBarAllowance + BorderAllowance};
}

QSize ClientRoomIn(const QWidget& window, WindowRect area) {
    const QSize frame = window.isVisible()
                            ? window.frameGeometry().size() - window.size()
                            : QSize(BorderAllowance, TitleBarAllowance + BorderAllowance);
    return QSize(area.Width, area.Height) - frame;
}

void MoveInsideArea(QWidget& window, QPoint at, const WindowRect& area) {
    const WindowPosition place = KeepInsideArea(FrameOf(window, at), area);
    // Moving a window not yet shown to where it stands would shift it by its
    // frame, which is not known before it is shown.
    if (QPoint(place.Left, place.Top) == at && window.pos() == at) return;
    window.move(place.Left, place.Top);
}

void MoveInsideArea(QWidget& window, QPoint at) {
    MoveInsideArea(window, at, AvailableAreaAt(at));
}

} // namespace roamplot
