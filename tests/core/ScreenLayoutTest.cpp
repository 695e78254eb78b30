#include "core/model/ScreenLayout.h"
#include "plain/CoreTest.h"

namespace {
void FillPage(ScreenLayout& layout, int page) {
    for (int s = 1; s <= SlotsPerPage; ++s) {
        ParameterBox& box = layout.Box(page, s);
        box.PageNo = page;
        box.Kind = BoxKind::SingleParameter;
        box.ParameterId = std::to_string(s);
        box.Left = s;
        box.Units = "kph";
    }
}
} // namespace

TEST(RemoveBox, SlotThirtyTwoOnlyFreesItselfAndSlotOneMovesEveryBoxDownInOrder) {
    ScreenLayout layout;
    FillPage(layout, 2);
    const ParameterBox& last = layout.Box(2, 32);
    layout.Box(2, 32).Symbol = test::PatternDib(3, 1, 24, 0);
    layout.Box(2, 32).SymbolFile = "c:\\a.bmp";
    RemoveBox(layout, 2, 32);
    EXPECT_EQ(std::tuple(last.InUse(), last.ParameterId, last.Symbol.has_value(), last.Units,
                         last.SymbolFile, layout.Box(2, 31).ParameterId, layout.BoxCount(2)),
              std::tuple(false, "0", false, "", "", "31", 31));

    FillPage(layout, 1);
    layout.Box(1, 1).Symbol = test::PatternDib(1, 1, 24, 0);
    layout.Box(1, 5).Symbol = test::PatternDib(5, 1, 24, 0);
    RemoveBox(layout, 1, 1);
    for (int s = 1; s <= 31; ++s)
        EXPECT_EQ(std::tuple(layout.Box(1, s).ParameterId, layout.Box(1, s).Left),
                  std::tuple(std::to_string(s + 1), s + 1));
    ASSERT_TRUE(layout.Box(1, 4).Symbol);
    EXPECT_EQ(layout.Box(1, 4).Symbol->Width(), 5);
    EXPECT_FALSE(layout.Box(1, 5).Symbol);
    EXPECT_FALSE(layout.Box(1, 32).InUse());
    EXPECT_EQ(layout.FirstFreeSlot(1), 32);
}

TEST(ResetLayout, NamesPagesFreesSlotsAndClearsModified) {
    ScreenLayout layout;
    FillPage(layout, 7);
    layout.PageAt(7).PageName = "Trip";
    layout.CurrentPage = 9;
    layout.Modified = true;
    ResetLayout(layout);
    EXPECT_EQ(std::tuple(layout.PageAt(7).PageName, layout.PageAt(20).PageName, layout.CurrentPage,
                         layout.Modified),
              std::tuple("Page 7", "Page 20", 1, false));
    for (int p = 1; p <= MaxPages; ++p) EXPECT_EQ(layout.BoxCount(p), 0);
}

TEST(ClearSlot, KeepsRectangleAndSymbolReference) {
    ScreenLayout layout;
    ParameterBox& box = layout.Box(3, 4);
    box.PageNo = 3;
    box.Left = 11;
    box.Top = 12;
    box.Width = 13;
    box.Height = 14;
    box.SymbolRef = "0304";
    box.TitleText = "Speed";
    box.Symbol = test::PatternDib(2, 1, 24, 0);
    ClearSlot(layout, 3, 4);
    EXPECT_EQ(std::tuple(box.Left, box.Height, box.SymbolRef, box.TitleText, box.Symbol.has_value(),
                         box.Decimals, box.TitleBackColor, box.PageNo),
              std::tuple(11, 14, "0304", "", false, "Auto", Navy, 0));
}
