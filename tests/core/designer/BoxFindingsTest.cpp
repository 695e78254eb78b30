#include "core/designer/BoxFindings.h"
#include "core/designer/LayoutEditor.h"
#include "plain/CoreTest.h"

namespace {

constexpr ScreenSize Area{240, 281}; // the 240 x 320 screen less its toolbar

void Place(ScreenLayout& layout, int page, int slot, BoxRect r) {
    ParameterBox& box = layout.Box(page, slot);
    box.PageNo = page;
    box.Kind = BoxKind::SingleParameter;
    box.Left = r.Left;
    box.Top = r.Top;
    box.Width = r.Width;
    box.Height = r.Height;
}

BoxRect RectOf(const ScreenLayout& layout, int page, int slot) {
    const ParameterBox& b = layout.Box(page, slot);
    return {b.Left, b.Top, b.Width, b.Height};
}

} // namespace

TEST(BoxesOutside, AnEdgePastTheAreaCountsOneOnTheEdgeDoesNot) {
    ScreenLayout layout;
    Place(layout, 1, 1, {0, 0, 240, 281});   // the whole area
    Place(layout, 1, 2, {-1, 10, 20, 20});   // past the left edge
    Place(layout, 1, 3, {10, -1, 20, 20});   // past the top
    Place(layout, 1, 4, {221, 10, 20, 20});  // one pixel past the right
    Place(layout, 1, 5, {10, 262, 20, 20});  // one pixel into the toolbar
    Place(layout, 1, 6, {300, 300, 20, 20}); // wholly outside
    std::vector<int> slots;
    for (const BoxFinding& f : OutsideFindings(layout, 1, Area)) {
        EXPECT_EQ(std::tuple(f.Page, f.Kind), std::tuple(1, FindingKind::PartlyOutside));
        slots.push_back(f.Slot);
    }
    EXPECT_EQ(slots, (std::vector<int>{2, 3, 4, 5, 6}));
    // A free slot keeps its old rectangle and is no finding.
    layout.Box(1, 6).PageNo = 0;
    EXPECT_EQ(OutsideFindings(layout, 1, Area).size(), 4u);
}

TEST(BoxesOutside, AreCountedOverEveryPageAndToldInOneMessage) {
    ScreenLayout layout;
    Place(layout, 1, 1, {200, 0, 60, 30});
    Place(layout, 1, 2, {0, 0, 60, 30});
    Place(layout, 3, 1, {0, 270, 60, 30});
    Place(layout, 20, 1, {0, 0, 300, 30});
    Place(layout, 20, 2, {-5, 0, 10, 10});
    const OutsideCount count = CountOutside(layout, Area);
    EXPECT_EQ(std::tuple(count.Boxes, count.Pages), std::tuple(4, 3));
    EXPECT_EQ(OutsideMessage(count), "4 boxes on 3 pages lie partly outside the new screen.");
    EXPECT_EQ(OutsideMessage({1, 1}), "1 box on 1 page lies partly outside the new screen.");
    EXPECT_EQ(OutsideMessage({2, 1}), "2 boxes on 1 page lie partly outside the new screen.");
}

TEST(FindingLines, NameThePageTheBoxAndWhatIsWrong) {
    const ScreenSize screen{240, 320};
    EXPECT_EQ(FindingLine({1, 3, FindingKind::ValueTooWide, 52, 40}, screen),
              "page 1, box 3: value text 52 px wide in a 40 px area");
    EXPECT_EQ(FindingLine({2, 7, FindingKind::TitleTooWide, 61, 58}, screen),
              "page 2, box 7: title text 61 px wide in a 58 px area");
    EXPECT_EQ(FindingLine({4, 1, FindingKind::PartlyOutside, 0, 0}, screen),
              "page 4, box 1: lies partly outside the 240 x 281 drawing area of the 240 x 320 "
              "screen");
    std::vector<BoxFinding> findings{{2, 1, FindingKind::TitleTooWide, 9, 8},
                                     {1, 5, FindingKind::ValueTooWide, 9, 8},
                                     {2, 1, FindingKind::PartlyOutside, 0, 0},
                                     {1, 2, FindingKind::ValueTooWide, 9, 8}};
    SortFindings(findings);
    EXPECT_EQ(std::tuple(findings[0].Slot, findings[1].Slot, findings[2].Kind, findings[3].Kind),
              std::tuple(2, 5, FindingKind::PartlyOutside, FindingKind::TitleTooWide));
}

TEST(FitBoxesIntoScreen, MovesFirstShrinksWhatStillDoesNotFitOnEveryPage) {
    ScreenLayout layout;
    LayoutEditor editor(layout);
    Place(layout, 1, 1, {200, 10, 60, 30});  // moves left, keeps its size
    Place(layout, 1, 2, {10, 10, 60, 30});   // inside: untouched
    Place(layout, 2, 1, {-20, 270, 50, 40}); // moves right and up
    Place(layout, 5, 1, {100, 0, 300, 400}); // larger than the area: moved, then cut
    Place(layout, 5, 2, {500, 600, 20, 20}); // wholly outside: back at the far corner
    editor.ResetHistory();
    const ScreenLayout before = layout;

    EXPECT_EQ(editor.FitBoxesIntoScreen(Area), 4);
    EXPECT_TRUE(editor.FinishEdit());
    EXPECT_EQ(RectOf(layout, 1, 1), (BoxRect{180, 10, 60, 30}));
    EXPECT_EQ(RectOf(layout, 1, 2), (BoxRect{10, 10, 60, 30}));
    EXPECT_EQ(RectOf(layout, 2, 1), (BoxRect{0, 241, 50, 40}));
    EXPECT_EQ(RectOf(layout, 5, 1), (BoxRect{0, 0, 240, 281}));
    EXPECT_EQ(RectOf(layout, 5, 2), (BoxRect{220, 261, 20, 20}));
    EXPECT_EQ(CountOutside(layout, Area).Boxes, 0);
    EXPECT_TRUE(layout.Modified);
    EXPECT_EQ(editor.History().UndoName(), "Fit Boxes Into Screen");

    // One step takes every page back.
    ASSERT_TRUE(editor.Undo());
    for (auto [page, slot] : {std::pair{1, 1}, {2, 1}, {5, 1}, {5, 2}})
        EXPECT_EQ(RectOf(layout, page, slot), RectOf(before, page, slot)) << page << "/" << slot;
    EXPECT_FALSE(layout.Modified);
    EXPECT_FALSE(editor.History().CanUndo());
}

TEST(FitBoxesIntoScreen, WithEveryBoxInsideRecordsNothing) {
    ScreenLayout layout;
    LayoutEditor editor(layout);
    Place(layout, 1, 1, {0, 0, 240, 281});
    editor.ResetHistory();
    EXPECT_EQ(editor.FitBoxesIntoScreen(Area), 0);
    EXPECT_FALSE(editor.FinishEdit());
    EXPECT_FALSE(layout.Modified);
}
