#include <gtest/gtest.h>

#include "core/designer/BoxFindings.h"
#include "core/designer/LayoutEditor.h"
#include "core/designer/PageInsertion.h"

using namespace roamplot;

namespace {

// Gives the page `count` boxes whose titles name the page they were made on.
void Fill(ScreenLayout& layout, int page, int count, const std::string& name) {
    layout.PageAt(page).PageName = name;
    for (int slot = 1; slot <= count; ++slot) {
        ParameterBox& box = layout.Box(page, slot);
        box.PageNo = page;
        box.Kind = BoxKind::Button;
        box.TitleText = name + " " + std::to_string(slot);
        box.Left = slot * 10;
        box.Width = box.Height = 20;
    }
}

std::vector<std::string> Names(const ScreenLayout& layout, int pages) {
    std::vector<std::string> names;
    for (int p = 1; p <= pages; ++p)
        names.push_back(layout.BoxCount(p) > 0 ? layout.PageAt(p).PageName : "-");
    return names;
}

// Every box in use carries the number of the page it is on.
void ExpectPageNumbers(const ScreenLayout& layout) {
    for (int p = 1; p <= MaxPages; ++p)
        for (const ParameterBox& box : layout.PageAt(p).Boxes)
            if (box.InUse()) {
                EXPECT_EQ(box.PageNo, p);
            }
}

} // namespace

TEST(DuplicatePage, PutsACopyAfterTheCurrentPageWithItsSymbolsAndShowsIt) {
    ScreenLayout layout;
    LayoutEditor editor(layout);
    Fill(layout, 1, 2, "Map");
    Fill(layout, 2, 3, "Speed");
    Fill(layout, 3, 1, "Trip");
    Dib picture;
    picture.Header.Width = picture.Header.Height = 2;
    layout.Box(2, 1).Symbol = SharedDib(picture);
    layout.Box(2, 1).SymbolFile = "C:\\Symbols\\arrow.bmp";
    editor.ResetHistory();
    editor.ShowPage(2);
    const Page original = layout.PageAt(2);

    ASSERT_TRUE(editor.DuplicateCurrentPage());
    EXPECT_EQ(Names(layout, 5), (std::vector<std::string>{"Map", "Speed", "Speed", "Trip", "-"}));
    EXPECT_EQ(layout.CurrentPage, 3) << "the copy is shown";
    EXPECT_EQ(editor.SelectedSlot(), 1);
    EXPECT_EQ(layout.Box(3, 2).TitleText, "Speed 2");
    EXPECT_EQ(*layout.Box(3, 1).Symbol, picture);
    EXPECT_EQ(layout.Box(3, 1).SymbolFile, original.Boxes[0].SymbolFile);
    ExpectPageNumbers(layout);

    EXPECT_TRUE(editor.FinishEdit());
    EXPECT_EQ(editor.History().UndoName(), "Duplicate Page");
    std::optional<EditView> view = editor.Undo();
    ASSERT_TRUE(view);
    EXPECT_EQ(view->Page, 2);
    EXPECT_EQ(Names(layout, 4), (std::vector<std::string>{"Map", "Speed", "Trip", "-"}));
    EXPECT_TRUE(layout.PageAt(2) == original);
}

TEST(DuplicatePage, UsesUpTheFirstEmptyPageAndIsRefusedWhenEveryPageHoldsBoxes) {
    ScreenLayout layout;
    LayoutEditor editor(layout);
    for (int p = 1; p <= MaxPages; ++p)
        if (p != 4) Fill(layout, p, 1, "P" + std::to_string(p));
    editor.ShowPage(2);
    ASSERT_TRUE(editor.DuplicateCurrentPage());
    EXPECT_EQ(Names(layout, 6), (std::vector<std::string>{"P1", "P2", "P2", "P3", "P5", "P6"}))
        << "pages past the empty page keep their numbers";
    ExpectPageNumbers(layout);
    editor.FinishEdit();

    const std::size_t steps = editor.History().Size();
    const auto full = layout.Pages;
    EXPECT_FALSE(editor.DuplicateCurrentPage());
    EXPECT_FALSE(editor.FinishEdit());
    EXPECT_TRUE(layout.Pages == full);
    EXPECT_EQ(editor.History().Size(), steps);
    EXPECT_EQ(std::string(NoMorePagesMessage), "There are no more pages available.");
}

TEST(ImportPages, InsertsAsManyAsThereIsRoomForAsOneStep) {
    ScreenLayout layout;
    LayoutEditor editor(layout);
    for (int p = 1; p <= 18; ++p) Fill(layout, p, 1, "Own " + std::to_string(p));
    editor.ResetHistory();
    ScreenLayout other;
    Fill(other, 1, 3, "A");
    Fill(other, 2, 32, "B");
    Fill(other, 3, 1, "C");
    editor.ShowPage(1);
    EXPECT_EQ(RoomForPages(layout, 1), 2);
    EXPECT_EQ(editor.ImportPages({other.PageAt(1), other.PageAt(2), other.PageAt(3)}), 2);
    EXPECT_EQ(OnlyPagesMessage(2), "Only 2 pages can be added.");
    EXPECT_EQ(OnlyPagesMessage(1), "Only 1 page can be added.");
    EXPECT_EQ(Names(layout, 4), (std::vector<std::string>{"Own 1", "A", "B", "Own 2"}));
    EXPECT_EQ(layout.PageAt(20).PageName, "Own 18");
    EXPECT_EQ(layout.BoxCount(3), 32);
    EXPECT_EQ(layout.CurrentPage, 2);
    ExpectPageNumbers(layout);
    EXPECT_TRUE(editor.FinishEdit());
    EXPECT_EQ(editor.History().Size(), 1u);
    editor.Undo();
    EXPECT_EQ(Names(layout, 3), (std::vector<std::string>{"Own 1", "Own 2", "Own 3"}));
    EXPECT_EQ(layout.BoxCount(20), 0);
}

TEST(ImportPages, PagesOfAnotherScreenComeAsTheyAreAndTheFindingsMarkWhatLiesOutside) {
    ScreenLayout layout;
    LayoutEditor editor(layout);
    ScreenLayout wide;
    Fill(wide, 1, 2, "Wide");
    wide.Box(1, 2).Left = 400; // inside 800 x 441, outside 240 x 281
    wide.Box(1, 1).Selected = 1;
    EXPECT_EQ(editor.ImportPages({wide.PageAt(1)}), 1);
    EXPECT_EQ(layout.Box(2, 2).Left, 400);
    EXPECT_EQ(layout.Box(2, 1).Selected, 0) << "no marks come along";
    const std::vector<BoxFinding> outside = OutsideFindings(layout, 2, {240, 281});
    ASSERT_EQ(outside.size(), 1u);
    EXPECT_EQ(outside[0].Slot, 2);
    EXPECT_EQ(editor.ImportPages({}), 0);
}
