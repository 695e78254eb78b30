#include "ui/preview/PreviewWindow.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "core/app/DesignerSettings.h"

namespace roamplot {

namespace {
constexpr int FrameMargin = 5;
}

PreviewWindow::PreviewWindow(const SettingsFile& settings, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint), settings_(settings) {
    setWindowTitle(tr("Device"));
    QRect screen = QGuiApplication::primaryScreen()->geometry();
    WindowPosition place = RestoreWindowPosition(settings_, DeviceSection, DefaultWindowLeft,
                                                 DefaultWindowTop, screen.width(), screen.height());
    move(place.Left, place.Top);
}

PreviewWindow::~PreviewWindow() {
    StoreWindowPosition(settings_, DeviceSection, {x(), y()});
}

void PreviewWindow::ApplyDeviceScreen(ScreenSize size) {
    if (size.Width <= 0 || size.Height <= 0) return;
    size_ = size;
    setFixedSize(size.Width + 2 * FrameMargin, size.Height + 2 * FrameMargin);
    update();
}

void PreviewWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    QRect device(FrameMargin, FrameMargin, size_.Width, size_.Height);
    painter.fillRect(device, Qt::white);
    painter.fillRect(QRect(FrameMargin, FrameMargin + size_.Height - ToolbarHeight, size_.Width,
                           ToolbarHeight),
                     QColor(200, 200, 200));
}

} // namespace roamplot
