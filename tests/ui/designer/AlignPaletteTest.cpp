#include <gtest/gtest.h>

#include <QToolButton>

#include "qt/DesignerFixture.h"
#include "ui/designer/AdjustPanel.h"
#include "ui/preview/AlignPalette.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {
AlignPalette& Palette(DesignerFixture& d) {
    return *d.form->Palette();
}
void Click(DesignerFixture& d, AlignCommand command) {
    QTest::mouseClick(Palette(d).Button(command), Qt::LeftButton);
}
void CtrlClick(DesignerFixture& d, int slot) {
    QTest::mouseClick(d.Control(slot), Qt::LeftButton, Qt::ControlModifier, {2, 2});
}
} // namespace

TEST(AlignPalette, ShownFromThePanelTwoButtonsWide) {
    DesignerFixture d;
    EXPECT_FALSE(Palette(d).isVisible());
    QTest::mouseClick(d.Tab().Adjust->LbButton3, Qt::LeftButton);
    EXPECT_TRUE(Palette(d).isVisible());
    EXPECT_EQ(Palette(d).windowTitle(), "Align");
    EXPECT_EQ(Palette(d).width(), 84);
}

TEST(AlignPalette, LinesUpTheGroupOnTheReferenceAndRedraws) {
    DesignerFixture d;
    int a = d.AddBox({20, 30, 100, 40});
    int b = d.AddBox({5, 80, 30, 10});
    int c = d.AddBox({150, 150, 30, 10});
    d.Layout().Modified = false;
    CtrlClick(d, a);
    CtrlClick(d, b);
    Click(d, AlignCommand::AlignRight);
    EXPECT_EQ(d.RectOf(b).Left, 90);
    EXPECT_EQ(d.Control(b)->geometry(), QRect(90, 80, 30, 10));
    EXPECT_EQ(d.RectOf(c).Left, 150);
    // Aligned boxes are unsaved work like any other change.
    EXPECT_TRUE(d.Layout().Modified);

    Click(d, AlignCommand::SameHeight);
    EXPECT_EQ(d.RectOf(b).Height, 40);
    EXPECT_EQ(d.Tab().Adjust->BoxHeight->text(), "40");
}

TEST(AlignPalette, KeepsItsPlaceInTheSettingsFile) {
    {
        DesignerFixture d;
        EXPECT_EQ(Palette(d).pos(), d.form->pos() + QPoint(115, 340));
    }
    DesignerFixture d("[Align Palette]\r\nLeft=-20\r\nTop=200\r\n");
    EXPECT_EQ(Palette(d).pos(), QPoint(0, 200));
    Palette(d).move(300, 210);
    d.form.reset();
    std::string ini = d.folder.Read("RoamCE_Screen_Designer.ini");
    std::size_t section = ini.find("[Align Palette]");
    ASSERT_NE(section, std::string::npos) << ini;
    EXPECT_NE(ini.find("Left=300", section), std::string::npos) << ini;
    EXPECT_NE(ini.find("Top=210", section), std::string::npos) << ini;
}
