#include "ui/app/StatusLine.h"
#include "qt/UiTest.h"

using namespace roamplot;
using namespace roamplot::test;

TEST(StatusLine, ShowsThePointerInDevicePixelsTheBoxTheZoomAndTheFile) {
    DesignerFixture d("[Settings]\nPreview Zoom=2\n");
    StatusLine& status = *d.form->Status();
    EXPECT_EQ(status.Pointer()->text(), "");
    EXPECT_EQ(status.SelectedBox()->text(), "");
    EXPECT_EQ(status.Zoom()->text(), "zoom 2x");
    EXPECT_EQ(status.File()->text(), "untitled");

    int slot = d.AddBox({10, 20, 40, 30});
    EXPECT_EQ(status.SelectedBox()->text(), "10, 20, 40 x 30");
    EXPECT_EQ(status.File()->text(), "untitled (modified)");

    QWidget* area = d.Preview().DrawArea();
    DesignerFixture::Move(area, {151, 31}, Qt::NoButton);
    EXPECT_EQ(status.Pointer()->text(), "75, 15");
    // Over a box: its control at (20, 40) on the screen, the pointer 3 pixels inside.
    DesignerFixture::Move(d.Control(slot), {3, 3}, Qt::NoButton);
    EXPECT_EQ(status.Pointer()->text(), "11, 21");
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(area, &leave);
    EXPECT_EQ(status.Pointer()->text(), "");

    d.DragBox(slot, {8, 4});
    EXPECT_EQ(status.SelectedBox()->text(), "14, 22, 40 x 30");
    d.MenuAction("aZoom3")->trigger();
    EXPECT_EQ(status.Zoom()->text(), "zoom 3x");

    // Side by side inside the bar, whatever the texts.
    d.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(d.form.get()));
    QRect taken;
    for (QLabel* label : {status.Pointer(), status.SelectedBox(), status.Zoom(), status.File()}) {
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()))
            << label->objectName().toStdString();
        EXPECT_FALSE(taken.intersects(label->geometry())) << label->objectName().toStdString();
        EXPECT_TRUE(status.rect().contains(label->geometry()));
        taken |= label->geometry();
    }

    d.prompter.FileAnswers.push_back(QString::fromStdString(d.folder.Path() + "/Pages.par1"));
    d.MenuAction("aSaveAs")->trigger();
    EXPECT_EQ(status.File()->text(), "Pages.par1");
}
