#include "qt/UiTest.h"
#include "ui/preview/ControlSizer.h"
#include <QPaintEvent>
#include <QRubberBand>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QWheelEvent>

namespace {

QRect ShownRect(BoxRect b, int zoom) {
    return QRect(b.Left * zoom, b.Top * zoom, b.Width * zoom, b.Height * zoom);
}

// A drag from (2, 2) by a distance in screen pixels, with the modifiers held; what the
// preview showed before the release.
struct DragSeen {
    QRect Band;
    std::vector<Guide> Guides;
    int Compositions = 0;
};

DragSeen Drag(DesignerFixture& d, QWidget* widget, QPoint by, Qt::KeyboardModifiers held = {}) {
    const QPoint start(2, 2);
    const int before = d.Preview().CompositionCount();
    QTest::mousePress(widget, Qt::LeftButton, held, start);
    for (QPoint step : {start + by / 2, start + by}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(step), widget->mapToGlobal(QPointF(step)),
                         Qt::NoButton, Qt::LeftButton, held);
        QApplication::sendEvent(widget, &move);
    }
    const QRubberBand* band = d.Preview().Sizer().Band();
    DragSeen seen{band ? band->geometry() : QRect(), d.Preview().GuidesShown(),
                  d.Preview().CompositionCount() - before};
    QTest::mouseRelease(widget, Qt::LeftButton, held, start + by);
    return seen;
}

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

// A parent with one child control that forwards its mouse to the sizer, as the preview does.
class ForwardingControl : public QWidget {
  public:
    ForwardingControl(QWidget* parent, ControlSizer& sizer) : QWidget(parent), sizer_(sizer) {}

  protected:
    void mousePressEvent(QMouseEvent* e) override { sizer_.BeginMove(e->position().toPoint()); }
    void mouseMoveEvent(QMouseEvent* e) override { sizer_.MoveTo(e->position().toPoint()); }
    void mouseReleaseEvent(QMouseEvent* e) override { sizer_.EndMove(e->position().toPoint()); }

  private:
    ControlSizer& sizer_;
};

struct Stage {
    QWidget parent;
    ControlSizer sizer;
    ForwardingControl* control;
    QSignalSpy startMove{&sizer, &ControlSizer::OnStartMove};
    QSignalSpy endMove{&sizer, &ControlSizer::OnEndMove};
    QSignalSpy startSize{&sizer, &ControlSizer::OnStartSize};
    QSignalSpy endSize{&sizer, &ControlSizer::OnEndSize};

    explicit Stage(int minimumMove) {
        parent.resize(300, 300);
        control = new ForwardingControl(&parent, sizer);
        control->setGeometry(50, 60, 40, 30);
        sizer.SetMinimumMove(minimumMove);
        parent.show();
        sizer.SetControl(control);
    }
    void Drag(QWidget* widget, QPoint from, QPoint to) {
        QTest::mousePress(widget, Qt::LeftButton, {}, from);
        DesignerFixture::Move(widget, to);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, to);
    }
};

} // namespace

TEST(PreviewInteraction, CtrlClicksMarkAGroupAndAPlainClickDeselectsEveryBoxOnEveryPage) {
    DesignerFixture d;
    int a = d.AddBox({10, 10, 40, 20});
    int b = d.AddBox({10, 60, 40, 20});
    int c = d.AddBox({100, 60, 40, 20});
    d.SetUp([](ScreenLayout& l) { l.Box(4, 3).Selected = 1; });
    for (int slot : {a, c}) CtrlClick(d, slot);
    for (int slot : {a, c}) EXPECT_EQ(d.Box(slot).Selected, 1);
    EXPECT_EQ(d.Designer().ReferenceBox(), a) << "the first of the group";
    QTest::mouseClick(d.Control(b), Qt::LeftButton, {}, {2, 2});
    for (int slot : {a, b, c}) EXPECT_EQ(d.Box(slot).Selected, 0);
    EXPECT_EQ(d.Layout().Box(4, 3).Selected, 0);
    EXPECT_EQ(d.Designer().GetControl(), b);
    EXPECT_EQ(d.Designer().ReferenceBox(), 0);
    EXPECT_EQ(d.Tab().cParameterList->currentRow(), b - 1);
}

TEST(PreviewInteraction, ARightPressPicksButNeverMoves) {
    DesignerFixture d;
    int a = d.AddBox({10, 10, 40, 20});
    int b = d.AddBox({10, 60, 40, 20});
    QTest::mousePress(d.Control(a), Qt::RightButton, {}, {2, 2});
    DesignerFixture::Move(d.Control(a), {30, 30}, Qt::RightButton);
    QTest::mouseRelease(d.Control(a), Qt::RightButton, {}, {30, 30});
    EXPECT_EQ(d.Designer().GetControl(), a);
    EXPECT_EQ(d.RectOf(a), (BoxRect{10, 10, 40, 20}));
    EXPECT_EQ(d.RectOf(b), (BoxRect{10, 60, 40, 20}));
}

// Snapping and keeping inside are the editor's and the bands are checked in the overlay tests;
// here a zoomed drop lands on whole device pixels.
TEST(PreviewInteraction, ZoomTwoGivesTheSameDevicePixels) {
    DesignerFixture d(FloatingPreview());
    d.Preview().SetZoom(2);
    int slot = d.AddBox({10, 20, 40, 20});
    EXPECT_EQ(d.Control(slot)->geometry(), QRect(20, 40, 80, 40));
    EXPECT_EQ(d.Preview().Sizer().Handle(0)->size(), QSize(5, 5));
    d.DragBox(slot, {3, 0}); // one and a half device pixels become whole ones
    EXPECT_EQ(d.RectOf(slot).Left, 12);
    EXPECT_EQ(d.Preview().size(), QSize(490, 650));
}

TEST(PreviewInteraction, ZoomKeysAndTheStoredFactor) {
    DesignerFixture d("[Settings]\nPreview Zoom=3\n");
    EXPECT_EQ(d.Preview().Zoom(), 3);
    QTest::keyClick(&d.Preview(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(d.Preview().Zoom(), 2);
    QTest::keyClick(&d.Preview(), Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(&d.Preview(), Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(&d.Preview(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(d.Preview().Zoom(), 4);
    ASSERT_TRUE(d.form->close());
    EXPECT_NE(d.folder.Read("RoamCE_Screen_Designer.ini").find("Preview Zoom=4"),
              std::string::npos);
}

TEST(PreviewInteraction, TheImageIsComposedOnlyWhenTheDragEnds) {
    DesignerFixture d;
    int slot = d.AddBox({20, 20, 40, 20});
    int before = d.Preview().CompositionCount();
    QWidget* control = d.Control(slot);
    QTest::mousePress(control, Qt::LeftButton, {}, {2, 2});
    int afterPress = d.Preview().CompositionCount();
    for (int step = 1; step <= 50; ++step) DesignerFixture::Move(control, {2 + step, 2 + step});
    EXPECT_EQ(d.Preview().CompositionCount(), afterPress);
    QTest::mouseRelease(control, Qt::LeftButton, {}, {52, 52});
    EXPECT_GT(d.Preview().CompositionCount(), afterPress);
    EXPECT_LE(afterPress - before, 2);
}

TEST(PreviewInteraction, CtrlDeleteInThePreviewDeletesTheSelectedBox) {
    DesignerFixture d;
    d.AddBox({20, 20, 40, 20});
    QTest::keyClick(&d.Preview(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(d.Layout().BoxCount(1), 0);
    QTest::keyClick(&d.Preview(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(d.prompter.Of("message"), QStringList{"No parameter box selected for deletion"});
}

TEST(PreviewInteraction, TheDevicePictureComesInFrontByTheTabAndWhenTheWindowIsShown) {
    DesignerFixture d;
    PreviewWindow& preview = d.Preview();
    EXPECT_FALSE(preview.DevicePictureInFront());
    d.form->Tabs()->setCurrentIndex(MainForm::KeyTabIndex); // row 0: the device picture
    EXPECT_TRUE(preview.DevicePictureInFront());
    d.form->Tabs()->setCurrentIndex(MainForm::ConfigurationTabIndex);
    EXPECT_FALSE(preview.DevicePictureInFront());

    // Shown again away from the page designer, the window shows the device.
    preview.hide();
    preview.show();
    EXPECT_TRUE(preview.DevicePictureInFront());
    d.form->Tabs()->setCurrentIndex(MainForm::PageDesignerTabIndex);
    preview.hide();
    preview.show();
    EXPECT_FALSE(preview.DevicePictureInFront());
}

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
        const QRect moveBand = Drag(d, control, QPoint(13, 8) * zoom).Band;
        EXPECT_EQ(d.RectOf(slot), (BoxRect{35, 30, 40, 20}));
        // A move band is one pixel narrower and shorter than the box.
        EXPECT_EQ(moveBand, ShownRect(d.RectOf(slot), zoom).adjusted(0, 0, -1, -1));

        // Dropped past the right edge: the band shows the box kept inside.
        const QRect keptBand = Drag(d, control, QPoint(500, 0) * zoom).Band;
        EXPECT_EQ(d.RectOf(slot).Left, 200);
        EXPECT_EQ(keptBand, ShownRect(d.RectOf(slot), zoom).adjusted(0, 0, -1, -1));

        // The right handle dragged by 13 device pixels: the width 53 snaps to 55.
        GrabHandle* right = d.Preview().Sizer().Handle(3);
        QTest::mouseClick(control, Qt::LeftButton, {}, {2, 2});
        d.Designer().Editor().SetBoxRect(slot, {100, 30, 40, 20});
        d.Designer().RefreshPage();
        const QRect sizeBand = Drag(d, right, QPoint(13 * zoom, 0)).Band;
        EXPECT_EQ(d.RectOf(slot), (BoxRect{100, 30, 55, 20}));
        EXPECT_EQ(sizeBand, ShownRect(d.RectOf(slot), zoom));
    }
}

TEST(PreviewOverlay, WithoutSnapTheBandFollowsThePointer) {
    DesignerFixture d;
    int slot = d.AddBox({20, 20, 40, 20});
    EXPECT_EQ(Drag(d, d.Control(slot), {-30, 3}).Band, QRect(-10, 23, 39, 19));
    EXPECT_EQ(d.RectOf(slot), (BoxRect{0, 23, 40, 20}));
}

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
        const DragSeen seen = Drag(d, d.Control(slot), QPoint(-17, -3) * zoom);
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

TEST(GuideLines, ShiftSnapsToNothingAndAResizedEdgeSnapsToTheOtherBoxsEdge) {
    DesignerFixture d;
    d.AddBox({20, 20, 60, 30}); // right edge at 80, bottom at 50
    const int slot = d.AddBox({100, 100, 40, 20});
    Settle();
    const DragSeen free = Drag(d, d.Control(slot), {-17, -3}, Qt::ShiftModifier);
    EXPECT_TRUE(free.Guides.empty());
    EXPECT_EQ(d.RectOf(slot), (BoxRect{83, 97, 40, 20}));

    d.Designer().Editor().SetBoxRect(slot, {100, 60, 40, 20});
    d.Designer().RefreshPage();
    QTest::mouseClick(d.Control(slot), Qt::LeftButton, {}, {2, 2});
    // The top handle dragged up by 8: the top at 52 snaps to 50.
    d.DragHandle(1, {0, -8});
    EXPECT_EQ(d.RectOf(slot), (BoxRect{100, 50, 40, 30}));
}

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

TEST(ControlSizer, AMoveStartsOnlyOnceThePointerHasGoneTheMinimumDistance) {
    EXPECT_EQ(ControlSizer().MinimumMove(), 3);
    struct Case {
        int minimum;
        QPoint to; // dragged from (10, 10); there itself a plain click
        int moves;
        QPoint at;
    };
    for (Case c : {Case{1, {11, 10}, 1, {51, 60}}, Case{1, {10, 10}, 0, {50, 60}},
                   Case{3, {12, 12}, 0, {50, 60}}, Case{3, {13, 10}, 1, {53, 60}}}) {
        SCOPED_TRACE(testing::Message() << c.minimum << ": " << c.to.x() << "," << c.to.y());
        Stage stage(c.minimum);
        if (c.to == QPoint(10, 10))
            QTest::mouseClick(stage.control, Qt::LeftButton, {}, c.to);
        else
            stage.Drag(stage.control, {10, 10}, c.to);
        EXPECT_EQ(stage.startMove.count(), c.moves);
        EXPECT_EQ(stage.endMove.count(), c.moves);
        EXPECT_EQ(stage.control->pos(), c.at);
    }
}

TEST(ControlSizer, TheMoveBandIsOnePixelSmallerAndLeavesNoTrace) {
    Stage stage(1);
    QTest::mousePress(stage.control, Qt::LeftButton, {}, QPoint(5, 5));
    DesignerFixture::Move(stage.control, {25, 15});
    ASSERT_NE(stage.sizer.Band(), nullptr);
    EXPECT_EQ(stage.sizer.Band()->geometry(), QRect(70, 70, 39, 29));
    EXPECT_EQ(stage.control->pos(), QPoint(50, 60)); // nothing moves during the drag
    EXPECT_FALSE(stage.sizer.Handle(0)->isVisible());
    QTest::mouseRelease(stage.control, Qt::LeftButton, {}, QPoint(25, 15));
    EXPECT_EQ(stage.sizer.Band(), nullptr);
    EXPECT_TRUE(stage.parent.findChildren<QRubberBand*>().isEmpty());
    EXPECT_EQ(stage.control->pos(), QPoint(70, 70));
    EXPECT_TRUE(stage.sizer.Handle(0)->isVisible());
}

TEST(ControlSizer, HandlesSitOnTheirAnchors) {
    Stage stage(1);
    QRect b = stage.control->geometry();
    EXPECT_EQ(stage.sizer.Handle(0)->geometry(), QRect(b.left() - 2, b.top() - 2, 5, 5));
    EXPECT_EQ(stage.sizer.Handle(4)->pos(), QPoint(b.left() + 40 - 2, b.top() + 30 - 2));
    EXPECT_EQ(stage.sizer.Handle(3)->pos(), QPoint(b.left() + 40 - 2, b.top() + 15 - 2));
    EXPECT_EQ(stage.sizer.Handle(1)->cursor().shape(), Qt::SizeVerCursor);
    EXPECT_EQ(stage.sizer.Handle(2)->cursor().shape(), Qt::SizeBDiagCursor);
    EXPECT_EQ(GrabHandle::Anchor(9, b), b.topLeft());
}

TEST(ControlSizer, DraggingTheLeftHandlePastTheRightEdgeSwapsTheEdges) {
    Stage stage(1);
    GrabHandle* left = stage.sizer.Handle(7);
    // From the left edge (50) to x = 100 in the parent: 10 pixels past the right edge (90).
    QPoint start(2, 2);
    QPoint end = left->mapFromGlobal(stage.parent.mapToGlobal(QPoint(100, 70)));
    stage.Drag(left, start, end);
    EXPECT_EQ(stage.startSize.count(), 1);
    EXPECT_EQ(stage.endSize.count(), 1);
    EXPECT_EQ(stage.control->geometry(), QRect(90, 60, 10, 30));
}

TEST(ControlSizer, AttachingAnotherControlMovesTheHandlesAndDestroyingItHidesThem) {
    Stage stage(1);
    auto* other = new QWidget(&stage.parent);
    other->setGeometry(150, 160, 20, 20);
    stage.sizer.SetControl(other);
    EXPECT_EQ(stage.sizer.Handle(0)->pos(), QPoint(148, 158));
    QPoint before = stage.sizer.Handle(4)->pos();
    stage.sizer.SetControl(other);
    EXPECT_EQ(stage.sizer.Handle(4)->pos(), before);
    EXPECT_EQ(stage.sizer.Control(), other);
    delete other;
    EXPECT_EQ(stage.sizer.Control(), nullptr);
    for (int i = 0; i < 8; ++i) EXPECT_FALSE(stage.sizer.Handle(i)->isVisible());
}

TEST(ControlSizer, LimitToParentKeepsTheMoveInside) {
    Stage stage(1);
    stage.sizer.SetLimitToParentRect(true);
    stage.Drag(stage.control, {5, 5}, {-200, -200});
    EXPECT_EQ(stage.control->pos(), QPoint(0, 0));
}
