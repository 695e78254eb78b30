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
