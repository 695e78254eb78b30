#include <QRubberBand>

#include "qt/UiTest.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {
// A drag of the box's control from (2, 2) by a distance, with the modifiers
// held; what the preview showed before the release.
struct DragSeen {
    QRect Band;
    std::vector<Guide> Guides;
    int Compositions = 0;
};

DragSeen Drag(DesignerFixture& d, int slot, QPoint by, Qt::KeyboardModifiers held = {}) {
    QWidget* control = d.Control(slot);
    const QPoint start(2, 2);
    const int before = d.Preview().CompositionCount();
    QTest::mousePress(control, Qt::LeftButton, held, start);
    for (QPoint step : {start + by / 2, start + by}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(step), control->mapToGlobal(QPointF(step)),
                         Qt::NoButton, Qt::LeftButton, held);
        QApplication::sendEvent(control, &move);
    }
    DragSeen seen{d.Preview().Sizer().Band() ? d.Preview().Sizer().Band()->geometry() : QRect(),
                  d.Preview().GuidesShown(), d.Preview().CompositionCount() - before};
    QTest::mouseRelease(control, Qt::LeftButton, held, start + by);
    return seen;
}
} // namespace

// Which lines snap is GuidesTest's in core; here the drag, the band, the overlay and Shift.
TEST(GuideLines, ADraggedBoxSnapsToAnotherBoxsEdgeAndTheLineIsShownWhileDragging) {
    for (int zoom : {1, 2}) {
        SCOPED_TRACE(zoom);
        DesignerFixture d;
        d.Preview().SetZoom(zoom);
        d.AddBox({20, 20, 60, 30}); // right edge at 80
        const int slot = d.AddBox({100, 100, 40, 20});
        Settle();
        // Left to 83, top to 97: three pixels from the first box's right edge.
        const DragSeen seen = Drag(d, slot, QPoint(-17, -3) * zoom);
        // Its right edge lands on the area's centre line too.
        EXPECT_EQ(seen.Guides, (std::vector<Guide>{{true, 80}, {true, 120}}));
        EXPECT_EQ(seen.Band, QRect(80 * zoom, 97 * zoom, 40 * zoom - 1, 20 * zoom - 1))
            << "the band shows the snapped place";
        EXPECT_EQ(seen.Compositions, 0) << "guides compose nothing";
        const QWidget* overlay = d.Preview().DrawArea()->findChild<QWidget*>("GuideOverlay");
        ASSERT_TRUE(overlay);
        EXPECT_FALSE(overlay->isVisible()) << "the lines go with the release";
        EXPECT_TRUE(d.Preview().GuidesShown().empty());
        EXPECT_EQ(d.RectOf(slot), (BoxRect{80, 97, 40, 20}));
    }
}

TEST(GuideLines, ShiftSnapsToNothingAndTheGridWins) {
    DesignerFixture d;
    d.AddBox({20, 20, 60, 30});
    const int slot = d.AddBox({100, 100, 40, 20});
    Settle();
    const DragSeen free = Drag(d, slot, {-17, -3}, Qt::ShiftModifier);
    EXPECT_TRUE(free.Guides.empty());
    EXPECT_EQ(d.RectOf(slot), (BoxRect{83, 97, 40, 20}));

    d.UseSnap("5");
    Drag(d, slot, {-2, 0}); // to 81: the grid gives 80 ... and so does the guide
    EXPECT_EQ(d.RectOf(slot).Left, 80);
    Drag(d, slot, {4, 0}); // to 84: the grid's 85 wins over the guide at 80
    EXPECT_EQ(d.RectOf(slot).Left, 85);
}

TEST(GuideLines, AResizedEdgeSnapsToTheOtherBoxsEdge) {
    DesignerFixture d;
    d.AddBox({20, 20, 60, 30}); // bottom at 50
    const int slot = d.AddBox({100, 60, 40, 20});
    Settle();
    QTest::mouseClick(d.Control(slot), Qt::LeftButton, {}, {2, 2});
    // The top handle dragged up by 8: the top at 52 snaps to 50.
    d.DragHandle(1, {0, -8});
    EXPECT_EQ(d.RectOf(slot), (BoxRect{100, 50, 40, 30}));
}
