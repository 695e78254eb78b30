#include "qt/UiTest.h"

TEST(AlignPalette, ShownFromThePanelTwoButtonsWideAndKeepsItsPlaceInTheSettingsFile) {
    {
        DesignerFixture d(FloatingPreview());
        AlignPalette& palette = *d.form->Palette();
        EXPECT_FALSE(palette.isVisible());
        EXPECT_EQ(palette.pos(), d.form->pos() + QPoint(115, 340));
        Click(d.Tab().Adjust->LbButton3);
        EXPECT_TRUE(palette.isVisible());
        EXPECT_EQ(palette.windowTitle(), "Align");
        EXPECT_EQ(palette.width(), 84);
    }
    DesignerFixture d(FloatingPreview() + "[Align Palette]\r\nLeft=-20\r\nTop=200\r\n");
    EXPECT_EQ(d.form->Palette()->pos(), QPoint(0, 200));
    d.form->Palette()->move(300, 210);
    d.form.reset();
    const std::string ini = Ini(d);
    const std::size_t section = ini.find("[Align Palette]");
    ASSERT_NE(section, std::string::npos) << ini;
    EXPECT_NE(ini.find("Left=300", section), std::string::npos) << ini;
    EXPECT_NE(ini.find("Top=210", section), std::string::npos) << ini;
}

// The alignments themselves are the editor's; one of them shows the button reaches it.
TEST(AlignPalette, AButtonLinesUpTheGroupAndThePanelFollows) {
    DesignerFixture d;
    int a = d.AddBox({20, 30, 100, 40});
    int b = d.AddBox({5, 80, 30, 10});
    CtrlClick(d, a);
    CtrlClick(d, b);
    Click(d.form->Palette()->Button(AlignCommand::SameHeight));
    EXPECT_EQ(d.Control(b)->geometry(), QRect(5, 80, 30, 40));
    EXPECT_EQ(d.Tab().Adjust->BoxHeight->text(), "40");
}
