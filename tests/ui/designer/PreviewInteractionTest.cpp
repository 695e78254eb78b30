#include "qt/UiTest.h"

using namespace roamplot;
using namespace roamplot::test;

TEST(PreviewInteraction, CtrlClicksMarkAGroupAndAPlainClickDeselectsEveryBoxOnEveryPage) {
    DesignerFixture d;
    int a = d.AddBox({10, 10, 40, 20});
    int b = d.AddBox({10, 60, 40, 20});
    int c = d.AddBox({100, 60, 40, 20});
    d.Layout().Box(4, 3).Selected = 1;
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

TEST(PreviewInteraction, DropsSnapAndStayInsideTheDrawArea) {
    DesignerFixture d;
    d.UseSnap("5");
    int slot = d.AddBox({20, 20, 40, 20});
    d.DragBox(slot, {-8, -7});
    EXPECT_EQ(d.RectOf(slot), (BoxRect{10, 15, 40, 20}));
    d.DragBox(slot, {-12, 0});
    EXPECT_EQ(d.RectOf(slot).Left, 0);
    // Partly below the drawing area: the bottom ends on its bottom edge (281 on 240 x 320).
    d.DragBox(slot, {0, 300});
    EXPECT_EQ(d.RectOf(slot).Top + d.RectOf(slot).Height, 281);
    EXPECT_TRUE(d.Layout().Modified);
    EXPECT_EQ(d.Control(slot)->geometry(), QRect(0, 261, 40, 20));
}

TEST(PreviewInteraction, SnapIntervalsThatCannotDivideLeaveTheDropAsItIs) {
    for (QString interval : {"0", "", "ABC"}) {
        DesignerFixture d;
        d.UseSnap(interval);
        int slot = d.AddBox({20, 20, 40, 20});
        d.DragBox(slot, {3, 4});
        EXPECT_EQ(d.RectOf(slot), (BoxRect{23, 24, 40, 20})) << interval.toStdString();
    }
}

TEST(PreviewInteraction, ResizingWithSnap) {
    DesignerFixture d;
    d.UseSnap("10");
    int slot = d.AddBox({20, 40, 60, 30});
    d.DragHandle(3, {17, 0}); // right edge to 97
    EXPECT_EQ(d.RectOf(slot), (BoxRect{20, 40, 80, 30}));
    d.DragHandle(1, {0, -7}); // top edge to 33: snaps to 30, the bottom stays at 70
    EXPECT_EQ(d.RectOf(slot), (BoxRect{20, 30, 80, 40}));

    int right = d.AddBox({200, 100, 20, 30});
    QTest::mouseClick(d.Control(right), Qt::LeftButton, {}, {2, 2});
    d.DragHandle(3, {27, 0}); // width 47 snaps to 50 and sticks out: one pixel less than the room
    EXPECT_EQ(d.RectOf(right), (BoxRect{200, 100, 39, 30}));
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

TEST(PreviewInteraction, ZoomTwoGivesTheSameDevicePixels) {
    DesignerFixture d;
    d.UseSnap("5");
    d.Preview().SetZoom(2);
    int slot = d.AddBox({20, 20, 40, 20});
    EXPECT_EQ(d.Control(slot)->geometry(), QRect(40, 40, 80, 40));
    EXPECT_EQ(d.Preview().Sizer().Handle(0)->size(), QSize(5, 5));
    d.DragBox(slot, {-16, -14});
    EXPECT_EQ(d.RectOf(slot), (BoxRect{10, 15, 40, 20}));
    d.DragBox(slot, {0, 600});
    EXPECT_EQ(d.RectOf(slot).Top + d.RectOf(slot).Height, 281);
    d.form->Configuration()->cUseSnap->setChecked(false);
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
