#include <QRubberBand>

#include "qt/UiTest.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {
QRect ShownRect(BoxRect b, int zoom) {
    return QRect(b.Left * zoom, b.Top * zoom, b.Width * zoom, b.Height * zoom);
}

// Drags from (2, 2) by a distance in screen pixels; the band as it was before the release.
QRect BandOfDrag(DesignerFixture& d, QWidget* widget, QPoint by) {
    const QPoint start(2, 2);
    QTest::mousePress(widget, Qt::LeftButton, {}, start);
    DesignerFixture::Move(widget, start + by);
    const QRect band =
        d.Preview().Sizer().Band() ? d.Preview().Sizer().Band()->geometry() : QRect();
    QTest::mouseRelease(widget, Qt::LeftButton, {}, start + by);
    return band;
}
} // namespace

TEST(PreviewOverlay, TheSelectedBoxsHandlesStayAboveALaterOverlappingBox) {
    DesignerFixture d;
    int first = d.AddBox({20, 20, 60, 40});
    int later = d.AddBox({60, 40, 60, 40}); // covers the first's bottom-right corner
    QWidget* area = d.Preview().DrawArea();
    GrabHandle* corner = d.Preview().Sizer().Handle(4);
    auto check = [&](const char* after) {
        SCOPED_TRACE(after);
        ASSERT_EQ(d.Designer().GetControl(), first);
        EXPECT_EQ(area->childAt(80, 60), corner);
        EXPECT_EQ(area->childAt(80, 40), d.Preview().Sizer().Handle(3));
        // The boxes themselves keep slot order: the later one lies above.
        EXPECT_EQ(area->childAt(70, 50), d.Control(later));
    };
    QTest::mouseClick(d.Control(first), Qt::LeftButton, {}, {2, 2});
    check("a click");
    d.Tab().cParameterList->setCurrentRow(later - 1);
    d.Tab().cParameterList->setCurrentRow(first - 1);
    check("a choice in the box list");
    d.Designer().RefreshPage();
    check("a redraw");
    d.DragBox(first, {1, 0});
    EXPECT_EQ(area->childAt(81, 60), corner);
}

TEST(PreviewOverlay, WithSnapTheBandShowsWhatTheReleaseGives) {
    for (int zoom : {1, 2}) {
        SCOPED_TRACE(zoom);
        DesignerFixture d;
        d.UseSnap("5");
        d.Preview().SetZoom(zoom);
        int slot = d.AddBox({20, 20, 40, 20});
        QWidget* control = d.Control(slot);

        // A move by (13, 8) device pixels to (33, 28) snaps to (35, 30).
        const QRect moveBand = BandOfDrag(d, control, QPoint(13, 8) * zoom);
        EXPECT_EQ(d.RectOf(slot), (BoxRect{35, 30, 40, 20}));
        // A move band is one pixel narrower and shorter than the box.
        EXPECT_EQ(moveBand, ShownRect(d.RectOf(slot), zoom).adjusted(0, 0, -1, -1));

        // Dropped past the right edge: the band shows the box kept inside.
        const QRect keptBand = BandOfDrag(d, control, QPoint(500, 0) * zoom);
        EXPECT_EQ(d.RectOf(slot).Left, 200);
        EXPECT_EQ(keptBand, ShownRect(d.RectOf(slot), zoom).adjusted(0, 0, -1, -1));

        // The right handle dragged by 13 device pixels: the width 53 snaps to 55.
        GrabHandle* right = d.Preview().Sizer().Handle(3);
        QTest::mouseClick(control, Qt::LeftButton, {}, {2, 2});
        d.Designer().Editor().SetBoxRect(slot, {100, 30, 40, 20});
        d.Designer().RefreshPage();
        const QRect sizeBand = BandOfDrag(d, right, QPoint(13 * zoom, 0));
        EXPECT_EQ(d.RectOf(slot), (BoxRect{100, 30, 55, 20}));
        EXPECT_EQ(sizeBand, ShownRect(d.RectOf(slot), zoom));
    }
}

TEST(PreviewOverlay, WithoutSnapTheBandFollowsThePointer) {
    DesignerFixture d;
    int slot = d.AddBox({20, 20, 40, 20});
    EXPECT_EQ(BandOfDrag(d, d.Control(slot), {-30, 3}), QRect(-10, 23, 39, 19));
    EXPECT_EQ(d.RectOf(slot), (BoxRect{0, 23, 40, 20}));
}
