#include <gtest/gtest.h>

#include <vector>

#include "core/designer/LayoutEditor.h"
#include "core/designer/LayoutScaling.h"
#include "core/model/Dib.h"

using namespace roamplot;

namespace {

DeviceScreen Row(int row) {
    DeviceScreen screen;
    screen.Row = row;
    return screen;
}

DeviceScreen Custom(int width, int height) {
    DeviceScreen screen;
    screen.Row = CustomDeviceRow;
    screen.CustomWidth = width;
    screen.CustomHeight = height;
    return screen;
}

// A page tiled by a grid of boxes whose edges are the given cuts: every box
// touches its neighbours and the grid fills the area.
struct Grid {
    std::vector<int> Columns, Rows;
    int Count() const { return int((Columns.size() - 1) * (Rows.size() - 1)); }
};

void Tile(ScreenLayout& layout, int page, const Grid& grid) {
    int slot = 0;
    for (std::size_t r = 0; r + 1 < grid.Rows.size(); ++r)
        for (std::size_t c = 0; c + 1 < grid.Columns.size(); ++c) {
            ParameterBox& box = layout.Box(page, ++slot);
            box.PageNo = page;
            box.Kind = BoxKind::SingleParameter;
            box.Left = grid.Columns[c];
            box.Top = grid.Rows[r];
            box.Width = grid.Columns[c + 1] - grid.Columns[c];
            box.Height = grid.Rows[r + 1] - grid.Rows[r];
        }
}

// Every neighbour still touches, every box lies inside and the grid fills the area.
void ExpectTiled(const ScreenLayout& layout, int page, int columns, int rows, ScreenSize area,
                 const char* when) {
    auto at = [&](int c, int r) -> const ParameterBox& {
        return layout.Box(page, r * columns + c + 1);
    };
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const ParameterBox& box = at(c, r);
            EXPECT_GT(box.Width, 0) << when;
            EXPECT_GT(box.Height, 0) << when;
            EXPECT_GE(box.Left, 0) << when;
            EXPECT_GE(box.Top, 0) << when;
            EXPECT_LE(box.Left + box.Width, area.Width) << when;
            EXPECT_LE(box.Top + box.Height, area.Height) << when;
            if (c + 1 < columns)
                EXPECT_EQ(box.Left + box.Width, at(c + 1, r).Left) << when << " column " << c;
            else
                EXPECT_EQ(box.Left + box.Width, area.Width) << when;
            if (r + 1 < rows)
                EXPECT_EQ(box.Top + box.Height, at(c, r + 1).Top) << when << " row " << r;
            else
                EXPECT_EQ(box.Top + box.Height, area.Height) << when;
        }
}

} // namespace

TEST(LayoutScaling, TouchingBoxesStillTouchInsideEveryAreaThereAndBack) {
    ScreenLayout layout;
    const Grid grid{{0, 37, 91, 150, 151, 240}, {0, 53, 119, 200, 281}};
    Tile(layout, 1, grid);
    Tile(layout, 20, grid);
    const std::vector<DeviceScreen> screens{Row(0), Row(5), Custom(800, 480), Row(5), Row(0)};
    for (std::size_t i = 1; i < screens.size(); ++i) {
        ScaleBoxes(layout, screens[i - 1].DrawArea(), screens[i].DrawArea());
        const std::string when = std::to_string(screens[i].Size().Width) + " x " +
                                 std::to_string(screens[i].Size().Height);
        ExpectTiled(layout, 1, 5, 4, screens[i].DrawArea(), when.c_str());
        ExpectTiled(layout, 20, 5, 4, screens[i].DrawArea(), when.c_str());
    }
    // The one-pixel column survives every step; the others come back within a pixel.
    EXPECT_EQ(layout.Box(1, 4).Width, 1);
    EXPECT_NEAR(layout.Box(1, 2).Left, 37, 1);
    EXPECT_NEAR(layout.Box(1, 7).Top, 53, 1);
}

TEST(LayoutScaling, DoublingIsExactAndBoxesPastTheEdgeComeInside) {
    ScreenLayout layout;
    auto place = [&](int slot, int left, int top, int width, int height) {
        ParameterBox& box = layout.Box(1, slot);
        box.PageNo = 1;
        box.Left = left, box.Top = top, box.Width = width, box.Height = height;
    };
    place(1, 10, 20, 30, 40);
    place(2, 230, 270, 30, 30); // past the right and bottom edges
    place(3, -10, 5, 20, 10);   // past the left edge
    place(4, 300, 300, 20, 20); // wholly outside
    ScaleBoxes(layout, {240, 281}, {480, 562});
    auto rect = [&](int slot) {
        const ParameterBox& b = layout.Box(1, slot);
        return std::vector<int>{b.Left, b.Top, b.Width, b.Height};
    };
    EXPECT_EQ(rect(1), (std::vector<int>{20, 40, 60, 80}));
    EXPECT_EQ(rect(2), (std::vector<int>{460, 540, 20, 22}));
    EXPECT_EQ(rect(3), (std::vector<int>{0, 10, 20, 20}));
    EXPECT_EQ(rect(4), (std::vector<int>{479, 561, 1, 1}));
}

TEST(LayoutScaling, FontsAndBordersFollowTheSmallerRatioSymbolsStay) {
    ScreenLayout layout;
    ParameterBox& box = layout.Box(2, 1);
    box.PageNo = 2;
    box.Kind = BoxKind::Button;
    box.TitleFontSize = 12;
    box.TextFontSize = 0; // automatic
    box.BorderWidth = 1;
    box.BorderRadius = 6;
    Dib picture;
    picture.Header.Width = picture.Header.Height = 4;
    box.Symbol = SharedDib(picture);
    const SharedDib symbol = box.Symbol;
    ParameterBox& small = layout.Box(2, 2);
    small.PageNo = 2;
    small.TitleFontSize = 1;
    small.TextFontSize = 3;
    small.BorderWidth = 0;
    layout.Box(3, 1).TitleFontSize = 30; // a free slot is left alone

    // 240 x 281 to 480 x 233: the heights shrink, so fonts do too.
    ScaleBoxes(layout, {240, 281}, {480, 233});
    EXPECT_EQ(box.TitleFontSize, 10);
    EXPECT_EQ(box.TextFontSize, 0) << "automatic stays automatic";
    EXPECT_EQ(box.BorderWidth, 1) << "a border stays at least a pixel";
    EXPECT_EQ(box.BorderRadius, 5);
    EXPECT_EQ(box.Symbol.Shared(), symbol.Shared());
    EXPECT_EQ(box.Symbol->Width(), 4);
    EXPECT_EQ(small.TitleFontSize, 1);
    EXPECT_EQ(small.TextFontSize, 2);
    EXPECT_EQ(small.BorderWidth, 0);
    EXPECT_EQ(layout.Box(3, 1).TitleFontSize, 30);

    ScaleBoxes(layout, {480, 233}, {800, 441});
    EXPECT_EQ(box.TitleFontSize, 17);
}

TEST(LayoutScaling, TheTargetIsARowOrASizeOfAtLeastFiftyPixels) {
    const DeviceScreen custom = Custom(500, 300);
    auto target = [&](const char* text) { return TargetScreenOf(text, custom); };
    ASSERT_TRUE(target("5"));
    EXPECT_EQ(target("5")->Size(), (ScreenSize{480, 272}));
    EXPECT_EQ(target("480x272")->Row, 5) << "the first row of that size";
    EXPECT_EQ(target("320x240")->Row, 1);
    ASSERT_TRUE(target("800x480"));
    EXPECT_EQ(target("800x480")->Row, CustomDeviceRow);
    EXPECT_EQ(target("800x480")->Size(), (ScreenSize{800, 480}));
    EXPECT_EQ(target("7")->Size(), (ScreenSize{500, 300}));
    EXPECT_EQ(target("50X50")->Size(), (ScreenSize{50, 50}));
    for (const char* refused : {"8", "-1", "49x100", "100x49", "4097x100", "x", "800x", "abc", ""})
        EXPECT_FALSE(target(refused)) << refused;
}

TEST(LayoutScaling, IsOneUndoStepThatNamesBothScreens) {
    ScreenLayout layout;
    LayoutEditor editor(layout);
    Tile(layout, 1, {{0, 120, 240}, {0, 281}});
    Tile(layout, 4, {{0, 240}, {0, 100, 281}});
    editor.ResetHistory();
    const std::array<Page, MaxPages> before = layout.Pages;

    editor.ScaleLayout(Row(0), Custom(800, 480));
    EXPECT_TRUE(editor.FinishEdit());
    EXPECT_EQ(layout.DeviceTypeCode, "Custom");
    EXPECT_EQ(layout.Box(1, 2).Left, 400);
    EXPECT_EQ(layout.Box(4, 2).Top, 157);
    const std::array<Page, MaxPages> after = layout.Pages;
    EXPECT_EQ(editor.History().UndoName(), "Scale Layout To Screen");

    std::optional<EditView> undone = editor.Undo();
    ASSERT_TRUE(undone && undone->Screen);
    EXPECT_EQ(undone->Screen->Row, 0);
    EXPECT_EQ(layout.DeviceTypeCode, "PPC");
    EXPECT_TRUE(layout.Pages == before);
    EXPECT_FALSE(layout.Modified);
    EXPECT_FALSE(editor.History().CanUndo());

    std::optional<EditView> redone = editor.Redo();
    ASSERT_TRUE(redone && redone->Screen);
    EXPECT_EQ(redone->Screen->Size(), (ScreenSize{800, 480}));
    EXPECT_EQ(layout.DeviceTypeCode, "Custom");
    EXPECT_TRUE(layout.Pages == after);

    // A later edit's steps name no screen.
    editor.SetPageName("Harbour");
    editor.FinishEdit();
    undone = editor.Undo();
    ASSERT_TRUE(undone);
    EXPECT_FALSE(undone->Screen);
}
