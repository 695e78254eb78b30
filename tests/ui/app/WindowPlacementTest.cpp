#include <gtest/gtest.h>

#include <QTest>
#include <QWindow>

#include "plain/TempFolder.h"
#include "qt/ScriptedPrompter.h"
#include "ui/app/Startup.h"
#include "ui/preview/AlignPalette.h"
#include "ui/preview/PreviewWindow.h"

using namespace roamplot;
using namespace roamplot::test;

TEST(WindowPlacement, FiveClosesAndStartsKeepEveryWindowWhereItWas) {
    TempFolder folder;
    CopyShippedCatalogues(folder);
    const QPoint main(300, 100), preview(20, 420), palette(1300, 600);
    for (int round = 0; round <= 5; ++round) {
        SCOPED_TRACE(round);
        ScriptedPrompter prompter;
        auto form = StartDesigner(QString::fromStdString(folder.Path()), prompter);
        ASSERT_NE(form, nullptr);
        form->show();
        form->Preview()->show();
        form->Palette()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        if (round == 0) {
            form->move(main);
            form->Preview()->move(preview);
            form->Palette()->move(palette);
        }
        EXPECT_EQ(form->pos(), main);
        EXPECT_EQ(form->Preview()->pos(), preview);
        EXPECT_EQ(form->Palette()->pos(), palette);
        ASSERT_TRUE(form->close());
    }
}

TEST(WindowPlacement, StoredPlacesOffTheDesktopComeBackOntoIt) {
    TempFolder folder;
    CopyShippedCatalogues(folder);
    folder.Write("RoamCE_Screen_Designer.ini",
                 "[MainForm]\r\nLeft=1500\r\nTop=990\r\n[Device]\r\nLeft=1590\r\nTop=995\r\n"
                 "[Align Palette]\r\nLeft=1599\r\nTop=999\r\n");
    ScriptedPrompter prompter;
    auto form = StartDesigner(QString::fromStdString(folder.Path()), prompter);
    ASSERT_NE(form, nullptr);
    const QRect desk(0, 0, 1600, 1000);
    for (QWidget* window :
         {static_cast<QWidget*>(form.get()), static_cast<QWidget*>(form->Preview()),
          static_cast<QWidget*>(form->Palette())}) {
        window->show();
        const QRect titleBar(window->frameGeometry().topLeft(),
                             QSize(window->frameGeometry().width(), 30));
        EXPECT_TRUE(desk.contains(titleBar))
            << window->metaObject()->className() << " at " << window->x() << "," << window->y();
    }
}

TEST(WindowPlacement, ThePreviewAndThePaletteStayAboveTheMainWindow) {
    TempFolder folder;
    CopyShippedCatalogues(folder);
    ScriptedPrompter prompter;
    auto form = StartDesigner(QString::fromStdString(folder.Path()), prompter);
    ASSERT_NE(form, nullptr);
    form->Palette()->show();
    for (QWidget* tool :
         {static_cast<QWidget*>(form->Preview()), static_cast<QWidget*>(form->Palette())}) {
        ASSERT_NE(tool->windowHandle(), nullptr);
        EXPECT_EQ(tool->windowHandle()->transientParent(), form->windowHandle())
            << tool->metaObject()->className();
    }
}
