#include <QRadioButton>

#include "core/designer/BoxFindings.h"
#include "qt/UiTest.h"

namespace {

const QRgb MarkRed = qRgb(255, 0, 0);

struct Marking : DesignerFixture {
    using DesignerFixture::DesignerFixture;

    // A single-value box without title or units showing `value` at a fixed size.
    int AddValueBox(BoxRect rect, const std::string& value, int points) {
        const int slot = AddBox(rect);
        LayoutEditor& editor = Designer().Editor();
        for (std::size_t k = 0; k < form->Catalogue().Size(); ++k)
            if (form->Catalogue().At(k).Kind == BoxKind::SingleParameter) {
                editor.ChooseParameter(slot, form->Catalogue().At(k), form->Screen());
                break;
            }
        editor.SetBoxRect(slot, rect);
        editor.SetBoxText(slot, BoxText::Title, "");
        editor.SetBoxText(slot, BoxText::TestText, value);
        editor.SetBoxNumber(slot, BoxNumber::ShowUnits, 0);
        editor.SetBoxNumber(slot, BoxNumber::TextFontSize, points);
        return slot;
    }
    // The draw area as shown, without grab handles over the corners.
    QImage Shown() {
        Designer().RefreshPage();
        Preview().AttachSlot(0, 0);
        return Preview().DrawArea()->grab().toImage();
    }
    void ClickRow(int row) {
        QTest::mouseClick(form->Configuration()->rDeviceScreen[row], Qt::LeftButton);
    }
};

} // namespace

TEST(Findings, TheDesignerMarksTheBoxesWithAFindingAndSaysWhatIsWrong) {
    Marking d;
    const int fits = d.AddValueBox({0, 0, 120, 40}, "1234", 14);
    const int tooWide = d.AddValueBox({0, 50, 40, 40}, "123456", 14);

    const int compositions = d.Preview().CompositionCount();
    const QImage shown = d.Shown();
    EXPECT_EQ(d.Preview().CompositionCount(), compositions + 1);
    ASSERT_EQ(d.Preview().Findings().size(), 1u);
    const BoxFinding& finding = d.Preview().Findings()[0];
    EXPECT_EQ(std::tuple(finding.Slot, finding.Kind, finding.AreaWidth),
              std::tuple(tooWide, FindingKind::ValueTooWide, 38));
    EXPECT_TRUE(d.Control(tooWide)->toolTip().endsWith(
        QString("\nvalue text %1 px wide in a 38 px area").arg(finding.TextWidth)))
        << d.Control(tooWide)->toolTip().toStdString();
    EXPECT_FALSE(d.Control(fits)->toolTip().contains("px"));
    // The corner mark over the page, the page image itself as composed.
    EXPECT_EQ(shown.pixel(38, 51), MarkRed);
    EXPECT_NE(d.Preview().PageImage().pixel(38, 51), MarkRed);
    EXPECT_NE(shown.pixel(118, 1), MarkRed);

    // Partly outside: the mark sits on the part that shows.
    d.Designer().Editor().SetBoxRect(fits, {200, 0, 120, 40});
    const QImage moved = d.Shown();
    EXPECT_EQ(moved.pixel(238, 1), MarkRed);
    EXPECT_TRUE(d.Control(fits)->toolTip().contains(
        "lies partly outside the 240 x 281 drawing area of the 240 x 320 screen"));

    // Wholly below the page, in the toolbar rows: marked on the page's edge.
    d.Designer().Editor().SetBoxRect(fits, {0, 290, 40, 20});
    EXPECT_EQ(d.Shown().pixel(38, 275), MarkRed);

    // At zoom 2 the mark covers the same device pixels.
    d.Preview().SetZoom(2);
    const QImage zoomed = d.Shown();
    EXPECT_EQ(zoomed.pixel(2 * 38, 2 * 51), MarkRed);
    EXPECT_NE(zoomed.pixel(2 * 30, 2 * 51), MarkRed);
}

TEST(Findings, AScreenChangeTellsOnceHowManyBoxesLieOutsideAndFitBringsThemIn) {
    Marking d("[Settings]\nDevice Type=6\n"); // 640 x 240
    const int wide = d.AddBox({500, 0, 100, 40});
    d.AddBox({0, 0, 60, 30});
    d.Designer().ShowPage(2);
    const int second = d.AddBox({300, 150, 60, 50});
    Settle();
    d.prompter.Shown.clear();

    d.ClickRow(5); // 480 x 272: only the box at 500 is outside
    d.ClickRow(5); // the same screen again says nothing
    d.ClickRow(0); // 240 x 320
    EXPECT_EQ(d.prompter.Of("message"),
              QStringList({"1 box on 1 page lies partly outside the new screen.",
                           "2 boxes on 2 pages lie partly outside the new screen."}));

    // How the fit moves and shrinks is the editor's; here the command, its step and the marks.
    d.MenuAction("aFitBoxesIntoScreen")->trigger();
    Settle();
    EXPECT_EQ(CountOutside(d.Layout(), d.form->Screen().DrawArea()).Boxes, 0);
    EXPECT_EQ(d.MenuAction("aUndo")->text(), "&Undo Fit Boxes Into Screen");
    EXPECT_TRUE(d.Preview().Findings().empty());
    d.MenuAction("aUndo")->trigger();
    Settle();
    EXPECT_EQ(d.Layout().Box(1, wide).Left, 500);
    EXPECT_EQ(d.Layout().Box(2, second).Left, 300);
    d.ClickRow(6); // everything fits again: nothing to tell
    EXPECT_EQ(d.prompter.Of("message").size(), 2);
}
