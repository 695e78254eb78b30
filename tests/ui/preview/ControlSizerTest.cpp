#include <QRubberBand>
#include <QSignalSpy>

#include "qt/UiTest.h"
#include "ui/preview/ControlSizer.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {
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
