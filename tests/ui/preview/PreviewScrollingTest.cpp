#include <QPaintEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include "qt/UiTest.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {
std::string CustomScreen(int width, int height, int zoom) {
    return "[Settings]\nDevice Type=7\nCustom Device Width=" + std::to_string(width) +
           "\nCustom Device Height=" + std::to_string(height) +
           "\nPreview Zoom=" + std::to_string(zoom) + "\n";
}

// Turns the wheel over a widget as the window system delivers it: from the
// widget under the pointer up through its parents until one takes it.
void Wheel(QWidget* under, QPoint angle, Qt::KeyboardModifiers modifiers = {}) {
    const QPointF at(5, 5);
    for (QWidget* w = under; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        QWheelEvent wheel(under->mapTo(w, at), under->mapToGlobal(at), QPoint(), angle,
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        if (QApplication::sendEvent(w, &wheel) && wheel.isAccepted()) return;
    }
}

struct ShownPreview : DesignerFixture {
    explicit ShownPreview(const std::string& settings)
        : DesignerFixture(FloatingPreview(settings)) {
        Preview().show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&Preview()));
    }
    QScrollBar* Down() { return Preview().ScrollArea()->verticalScrollBar(); }
    QScrollBar* Across() { return Preview().ScrollArea()->horizontalScrollBar(); }
    bool Scrolls() { return Down()->maximum() > 0 || Across()->maximum() > 0; }
};

// Records the rectangles the drawing area repaints.
struct PaintRecorder : QObject {
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};
} // namespace

TEST(PreviewScrolling, ALargerPreviewScrollsInsideTheAvailableArea) {
    ShownPreview d(CustomScreen(800, 480, 3));
    ASSERT_EQ(d.Preview().Zoom(), 3);
    const QRect area = d.Preview().screen()->availableGeometry();
    EXPECT_TRUE(area.contains(d.Preview().frameGeometry())) << d.Preview().frameGeometry().width();
    EXPECT_EQ(d.Preview().ScrollArea()->widget()->size(), QSize(2410, 1450));
    ASSERT_GT(d.Down()->maximum(), 0);
    ASSERT_GT(d.Across()->maximum(), 0);

    QWidget* drawArea = d.Preview().DrawArea();
    Wheel(drawArea, {0, -120});
    EXPECT_GT(d.Down()->value(), 0);
    EXPECT_EQ(d.Across()->value(), 0);
    Wheel(drawArea, {0, -120}, Qt::ShiftModifier);
    EXPECT_GT(d.Across()->value(), 0);
    const int down = d.Down()->value();
    Wheel(drawArea, {0, 120}, Qt::ShiftModifier);
    EXPECT_EQ(d.Across()->value(), 0);
    EXPECT_EQ(d.Down()->value(), down);
    // Ctrl+wheel still zooms rather than scrolls.
    Wheel(drawArea, {0, -120}, Qt::ControlModifier);
    EXPECT_EQ(d.Preview().Zoom(), 2);

    // Stored away from the corner, it is still shown inside the area.
    ShownPreview moved(CustomScreen(800, 480, 3) + "[Device]\nLeft=300\nTop=100\n");
    EXPECT_TRUE(area.contains(moved.Preview().frameGeometry()))
        << moved.Preview().x() << "," << moved.Preview().y();
}

TEST(PreviewScrolling, EveryDevicePixelStaysAnExactSquareWhenScrolled) {
    ShownPreview d(CustomScreen(800, 480, 3));
    d.AddBox({300, 200, 61, 33});
    d.Down()->setValue(551);
    d.Across()->setValue(817);
    QWidget* viewport = d.Preview().ScrollArea()->viewport();
    const QImage shown = viewport->grab().toImage();
    const QImage& page = d.Preview().PageImage();
    QRegion handles;
    for (int position = 0; position < 8; ++position)
        handles += d.Preview().Sizer().Handle(position)->geometry();
    int compared = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QPoint at = d.Preview().DrawArea()->mapFrom(viewport, QPoint(x, y));
            const QPoint device(at.x() / 3, at.y() / 3);
            if (at.x() < 0 || at.y() < 0 || !page.rect().contains(device) || handles.contains(at))
                continue;
            ASSERT_EQ(shown.pixel(x, y), page.pixel(device)) << x << "," << y;
            ++compared;
        }
    EXPECT_GT(compared, 100000);
}

TEST(PreviewScrolling, ScrollingRepaintsOnlyTheUncoveredStrip) {
    ShownPreview d(CustomScreen(1024, 768, 4));
    ASSERT_TRUE(d.Scrolls());
    QWidget* viewport = d.Preview().ScrollArea()->viewport();
    PaintRecorder recorder;
    d.Preview().DrawArea()->installEventFilter(&recorder);
    QApplication::processEvents();
    for (auto [bar, step] : {std::pair{d.Down(), QPoint(0, 40)}, {d.Across(), QPoint(40, 0)}}) {
        recorder.painted = QRegion();
        bar->setValue(bar->value() + 40);
        QApplication::processEvents();
        const QRect painted = recorder.painted.boundingRect();
        ASSERT_FALSE(painted.isEmpty());
        // The strip uncovered at the bottom or the right edge of the viewport, no more.
        const QRect visible(d.Preview().DrawArea()->mapFrom(viewport, QPoint(0, 0)),
                            viewport->size());
        const QRect edge = step.y()
                               ? QRect(visible.left(), visible.bottom() - 39, visible.width(), 40)
                               : QRect(visible.right() - 39, visible.top(), 40, visible.height());
        const QRect strip = edge & d.Preview().DrawArea()->rect();
        EXPECT_EQ(recorder.painted, QRegion(strip)) << painted.x() << "," << painted.y() << " "
                                                    << painted.width() << "x" << painted.height();
    }
}

// Which zoom fits is the window area's rule; here the command and its key reach it.
TEST(PreviewScrolling, FitPicksTheLargestZoomThatNeedsNoScrolling) {
    ShownPreview d(CustomScreen(400, 300, 2)); // on the 1600 x 1000 test desktop
    d.MenuAction("aZoomFit")->trigger();
    EXPECT_EQ(d.Preview().Zoom(), 3);
    EXPECT_FALSE(d.Scrolls());
    d.Preview().SetZoom(4);
    EXPECT_TRUE(d.Scrolls());
    QTest::keyClick(&d.Preview(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(d.Preview().Zoom(), 3) << "Ctrl+0 in the preview fits too";
    EXPECT_FALSE(d.Layout().Modified);
}
