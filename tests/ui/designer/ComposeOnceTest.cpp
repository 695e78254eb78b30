#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPushButton>
#include <QSpinBox>
#include <functional>

#include "qt/DesignerFixture.h"
#include "ui/designer/AdjustPanel.h"
#include "ui/designer/BoxAdjuster.h"

using namespace roamplot;
using namespace roamplot::test;

// Every command draws the page once, from the one notification of its edit,
// however many boxes and rules it sets going.
TEST(ComposeOnce, EveryCommandOfTheLayoutDrawsThePageOnce) {
    DesignerFixture d;
    d.form->show();
    d.Preview().show();
    d.AddBox({0, 0, 40, 20});
    d.AddBox({50, 30, 40, 20});
    d.AddBox({100, 60, 40, 20});
    BoxAdjuster& adjuster = *d.form->Adjuster();
    AdjustPanel& adjust = *d.Tab().Adjust;
    const struct {
        const char* name;
        std::function<void()> run;
    } commands[] = {
        {"property", [&] { d.Tab().cBorderWidth->setValue(3); }},
        {"automatic font size left by a step", [&] { d.Tab().cParFontSize->stepUp(); }},
        {"a mark of the group", [&] { d.Designer().PreviewBoxPressed(1, true); }},
        {"another mark", [&] { d.Designer().PreviewBoxPressed(2, true); }},
        {"group nudge",
         [&] {
             QTest::mousePress(adjust.AdjustRight, Qt::LeftButton);
             Tick(adjuster.Timer1());
             QTest::mouseRelease(adjust.AdjustRight, Qt::LeftButton);
         }},
        {"align", [&] { adjuster.AlignCommandClick(AlignCommand::AlignTop); }},
        {"mouse resize",
         [&] {
             d.DragHandle(4, {5, 5});
         }},
        {"new box", [&] { QTest::mouseClick(d.Tab().bNew, Qt::LeftButton); }},
        {"box order", [&] { QTest::mouseClick(d.Tab().bUP, Qt::LeftButton); }},
        {"delete box", [&] { QTest::mouseClick(d.Tab().Delete1, Qt::LeftButton); }},
        {"paste", [&] { d.MenuAction("aPaste")->trigger(); }},
        {"page move", [&] { d.MenuAction("aMovePageUp")->trigger(); }},
        {"undo", [&] { d.MenuAction("aUndo")->trigger(); }},
        {"clear page", [&] { QTest::mouseClick(d.Tab().bClearPage, Qt::LeftButton); }},
    };
    d.MenuAction("aCopy")->trigger();
    for (const auto& command : commands) {
        SCOPED_TRACE(command.name);
        QCoreApplication::processEvents();
        const int before = d.Preview().CompositionCount();
        command.run();
        QCoreApplication::processEvents();
        EXPECT_EQ(d.Preview().CompositionCount(), before + 1);
    }
}
