#include <QWindow>

#include "qt/UiTest.h"

TEST(WindowPlacement, FiveClosesAndStartsKeepEveryWindowWhereItWas) {
    DesignerFixture d(FloatingPreview());
    const QPoint main(300, 100), preview(20, 420), palette(1300, 600);
    for (int round = 0; round <= 5; ++round) {
        SCOPED_TRACE(round);
        if (round > 0) d.form = StartDesigner(Q(d.folder.Path()), d.prompter);
        ASSERT_NE(d.form, nullptr);
        d.form->Palette()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(d.form.get()));
        if (round == 0) {
            d.form->move(main);
            d.Preview().move(preview);
            d.form->Palette()->move(palette);
        }
        EXPECT_EQ(d.form->pos(), main);
        EXPECT_EQ(d.Preview().pos(), preview);
        EXPECT_EQ(d.form->Palette()->pos(), palette);
        ASSERT_TRUE(d.form->close());
    }
}

TEST(WindowPlacement, StoredPlacesOffTheDesktopComeBackOntoIt) {
    DesignerFixture d(FloatingPreview() +
                      "[MainForm]\r\nLeft=1500\r\nTop=990\r\n[Device]\r\nLeft=1590\r\nTop=995\r\n"
                      "[Align Palette]\r\nLeft=1599\r\nTop=999\r\n");
    for (QWidget* window :
         {static_cast<QWidget*>(d.form.get()), static_cast<QWidget*>(&d.Preview()),
          static_cast<QWidget*>(d.form->Palette())}) {
        window->show();
        const QRect titleBar(window->frameGeometry().topLeft(),
                             QSize(window->frameGeometry().width(), 30));
        EXPECT_TRUE(QRect(0, 0, 1600, 1000).contains(titleBar))
            << window->metaObject()->className() << " at " << window->x() << "," << window->y();
    }
}

// The palette stays above the floating preview, the preview above the main window.
TEST(WindowPlacement, ThePreviewAndThePaletteStayAboveTheMainWindow) {
    DesignerFixture d(FloatingPreview());
    d.form->Palette()->show();
    const std::pair<QWidget*, QWidget*> above[] = {{&d.Preview(), d.form.get()},
                                                   {d.form->Palette(), &d.Preview()}};
    for (const auto& [tool, owner] : above) {
        ASSERT_NE(tool->windowHandle(), nullptr);
        EXPECT_EQ(tool->windowHandle()->transientParent(), owner->windowHandle())
            << tool->metaObject()->className();
    }
}
