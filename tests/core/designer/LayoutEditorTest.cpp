#include "plain/CoreTest.h"
#include <set>

#include "core/designer/LayoutEditor.h"

namespace {
DeviceScreen Row(int row) {
    DeviceScreen screen;
    screen.Row = row;
    return screen;
}

CatalogueEntry Entry(int id, const std::string& kind, const std::string& units = "") {
    CatalogueEntry e;
    e.Id = id;
    e.Kind = kind;
    e.Name = "Name" + std::to_string(id);
    e.DefaultTitle = "Title" + std::to_string(id);
    e.UnitsList = units;
    e.SampleValue = "12.3";
    return e;
}

void AddBoxes(LayoutEditor& editor, int count) {
    for (int i = 0; i < count; ++i) {
        int slot = editor.NewBox(Row(0));
        editor.SetBoxText(slot, BoxText::Title, "B" + std::to_string(slot));
    }
}
// Each test edits a fresh layout.
class Editing : public ::testing::Test {
  protected:
    ScreenLayout layout;
    LayoutEditor editor{layout};
};
using NewBoxes = Editing;
using CopyPaste = Editing;
using SwapBoxes = Editing;
using ChooseParameter = Editing;
using Pages = Editing;

void NamePages(ScreenLayout& layout, std::initializer_list<const char*> names) {
    int p = 1;
    for (const char* name : names) layout.PageAt(p++).PageName = name;
}
void FillPage(LayoutEditor& editor, int page, int boxes) {
    editor.ShowPage(page);
    for (int i = 0; i < boxes; ++i) editor.NewBox(Row(0));
}

// Hears every finished edit, as the page designer does.
class Notified : public Editing {
  protected:
    std::vector<LayoutChange> heard;
    void SetUp() override {
        editor.OnLayoutChanged([this](const LayoutChange& change) { heard.push_back(change); });
    }
    LayoutChange Only() {
        EXPECT_EQ(heard.size(), 1u);
        LayoutChange change = heard.empty() ? LayoutChange{} : heard.back();
        heard.clear();
        return change;
    }
};
using Selection = Editing;
using Pairs = std::set<std::pair<int, int>>;

} // namespace

TEST_F(NewBoxes, TakesItsCornerByDeviceScreenRow) {
    int slot = editor.NewBox(Row(0));
    ASSERT_EQ(slot, 1);
    const ParameterBox& box = layout.Box(1, 1);
    EXPECT_EQ(editor.BoxRectOf(1), (BoxRect{0, 251, 60, 30}));
    EXPECT_EQ(box.Kind, "new");
    EXPECT_EQ(box.PageNo, 1);
    EXPECT_EQ(box.ParameterId, "0");
    EXPECT_EQ(box.TitleFontSize, 7);
    EXPECT_EQ(box.TextFontSize, 0);
    EXPECT_TRUE(layout.Modified);

    layout.CurrentPage = 2;
    EXPECT_EQ(editor.NewBox(Row(5)), 1);
    EXPECT_EQ(editor.BoxRectOf(1), (BoxRect{420, 0, 60, 30}));
}

TEST_F(NewBoxes, RefusesTheThirtyThirdBox) {
    AddBoxes(editor, 32);
    EXPECT_EQ(editor.NewBox(Row(0)), 0);
    EXPECT_EQ(layout.BoxCount(1), 32);
}

TEST_F(CopyPaste, GroupLandsInTheFirstFreeSlotsInOrderAtTheSameRectangles) {
    AddBoxes(editor, 9);
    for (int s : {2, 5, 9}) {
        editor.SetBoxRect(s, {s, s * 2, 10 + s, 20});
        editor.MarkSelected(s);
    }
    BoxClipboard clipboard = editor.Copy(1);
    layout.CurrentPage = 3;
    AddBoxes(editor, 4);
    layout.Modified = false;
    PasteResult result = editor.Paste(clipboard);
    EXPECT_EQ(result.PastedSlots, (std::vector<int>{5, 6, 7}));
    EXPECT_FALSE(result.PageFull);
    EXPECT_EQ(layout.Box(3, 5).TitleText, "B2");
    EXPECT_EQ(layout.Box(3, 7).TitleText, "B9");
    EXPECT_EQ(editor.BoxRectOf(6), (BoxRect{5, 10, 15, 20}));
    EXPECT_EQ(layout.Box(3, 6).PageNo, 3);
    for (int s : {2, 5, 9}) EXPECT_EQ(layout.Box(1, s).Selected, 0);
    EXPECT_EQ(layout.Box(3, 5).Selected, 0);
    EXPECT_TRUE(layout.Modified);
}

TEST_F(CopyPaste, WithoutAGroupCopiesTheSelectedBoxAndItsOwnBitmap) {
    AddBoxes(editor, 2);
    Dib dib;
    dib.Header.Width = 2;
    dib.Header.Height = 1;
    dib.Pixels.assign(dib.RowStride(), 7);
    layout.Box(1, 2).Symbol = dib;
    BoxClipboard clipboard = editor.Copy(2);
    editor.DeleteBox(2);
    EXPECT_FALSE(clipboard.IsEmpty());
    PasteResult result = editor.Paste(clipboard);
    ASSERT_EQ(result.PastedSlots, std::vector<int>{2});
    ASSERT_TRUE(layout.Box(1, 2).Symbol);
    EXPECT_EQ(layout.Box(1, 2).Symbol->Pixels[0], 7);
    EXPECT_TRUE(editor.Copy(0).IsEmpty());
}

TEST_F(CopyPaste, MapsAreNotPastedOntoAPageWithAMapAndAFullPageStops) {
    AddBoxes(editor, 1);
    layout.Box(1, 1).Kind = BoxKind::Map;
    BoxClipboard clipboard = editor.Copy(1);
    layout.Modified = false;
    EXPECT_TRUE(editor.Paste(clipboard).PastedSlots.empty());
    EXPECT_FALSE(layout.Modified);
    EXPECT_EQ(layout.BoxCount(1), 1);

    AddBoxes(editor, 30);
    layout.Box(1, 2).Selected = 1;
    layout.Box(1, 3).Selected = 1;
    BoxClipboard two = editor.Copy(0);
    PasteResult result = editor.Paste(two);
    EXPECT_EQ(result.PastedSlots, std::vector<int>{32});
    EXPECT_TRUE(result.PageFull);
    // The map on page 1 does not count against another page.
    layout.CurrentPage = 2;
    EXPECT_EQ(editor.Paste(clipboard).PastedSlots, std::vector<int>{1});
}

TEST_F(SwapBoxes, ExchangesWholeRecords) {
    AddBoxes(editor, 3);
    editor.SwapBoxes(2, 3);
    EXPECT_EQ(layout.Box(1, 2).TitleText, "B3");
    EXPECT_EQ(layout.Box(1, 3).TitleText, "B2");
}

TEST_F(ChooseParameter, OneMapPerPage) {
    AddBoxes(editor, 2);
    EXPECT_EQ(editor.ChooseParameter(1, Entry(900, "map"), Row(0)), ParameterChoice::Applied);
    EXPECT_EQ(layout.Box(1, 1).Kind, "map");
    EXPECT_EQ(editor.ChooseParameter(1, Entry(900, "map"), Row(0)), ParameterChoice::AlreadyTheMap);
    EXPECT_EQ(editor.ChooseParameter(2, Entry(900, "map"), Row(0)),
              ParameterChoice::SecondMapRefused);
    EXPECT_EQ(layout.Box(1, 2).Kind, "new");
}

TEST_F(ChooseParameter, GivesKindTitleSampleUnitsAndPaddedIdentifier) {
    AddBoxes(editor, 1);
    editor.ChooseParameter(1, Entry(5, "sp", "kph|mph|knots"), Row(0));
    const ParameterBox& box = layout.Box(1, 1);
    EXPECT_EQ(box.ParameterId, "005");
    EXPECT_EQ(box.Kind, "sp");
    EXPECT_EQ(box.TitleText, "Title5");
    EXPECT_EQ(box.TestText, "12") << "shown with the box's decimals, as a reload shows it";
    EXPECT_EQ(box.Units, "kph");
    editor.SetBoxText(1, BoxText::Decimals, "2");
    editor.ChooseParameter(1, Entry(6, "np"), Row(0));
    EXPECT_EQ(box.TestText, "12.00");
    editor.ChooseParameter(1, Entry(164, "mp"), Row(0));
    EXPECT_EQ(box.TestText, "12.3") << "the position keeps its sample as the reader does";
    editor.ChooseParameter(1, Entry(901, "txt"), Row(0));
    EXPECT_EQ(box.TestText, "12.3");
    editor.ChooseParameter(1, Entry(1030, "bb", "a|"), Row(0));
    EXPECT_EQ(box.ParameterId, "1030");
    EXPECT_EQ(box.Units, "");
    EXPECT_EQ(box.BorderWidth, 0);
}

TEST_F(ChooseParameter, SizePresetsAndBackgrounds) {
    AddBoxes(editor, 1);
    editor.ChooseParameter(1, Entry(174, "mp"), Row(0));
    const ParameterBox& box = layout.Box(1, 1);
    EXPECT_EQ(editor.BoxRectOf(1), (BoxRect{0, 251, 30, 30}));
    EXPECT_EQ(box.TitleFontSize, 0);
    EXPECT_EQ(box.TextFontSize, 7);
    editor.ChooseParameter(1, Entry(168, "mp"), Row(0));
    EXPECT_EQ(editor.BoxRectOf(1), (BoxRect{0, 251, 120, 30}));
    editor.ChooseParameter(1, Entry(902, "bg"), Row(0));
    EXPECT_EQ(editor.BoxRectOf(1), (BoxRect{0, 0, 240, 281}));
}

TEST_F(Editing, PropertyEditsBringTheirCompanions) {
    AddBoxes(editor, 1);
    const ParameterBox& box = layout.Box(1, 1);
    editor.SetBoxNumber(1, BoxNumber::ButtonStyle, 3);
    EXPECT_EQ(std::tuple(box.ButtonStyle, box.BorderRadius, box.BorderColor),
              std::tuple(3, 6, Grey));
    editor.SetBoxNumber(1, BoxNumber::Justification, 2);
    editor.SetBoxNumber(1, BoxNumber::Justification, 3);
    EXPECT_EQ(box.Justification, "R") << "no fourth justification";
    editor.SetBoxText(1, BoxText::TestText, "45.6");
    editor.SetBoxText(1, BoxText::Decimals, "3");
    EXPECT_EQ(std::tuple(box.Decimals, box.TestText), std::tuple("3", "45.000"));
    editor.SetBoxText(1, BoxText::Decimals, "Auto");
    EXPECT_EQ(box.TestText, "45");
}

TEST(SplitUnits, KeepsEveryPieceIncludingTheLast) {
    EXPECT_EQ(SplitUnits("kph|mph"), (std::vector<std::string>{"kph", "mph"}));
    EXPECT_EQ(SplitUnits(""), (std::vector<std::string>{""}));
    EXPECT_EQ(SplitUnits("a|"), (std::vector<std::string>{"a", ""}));
}

TEST_F(Pages, BrowsingWrapsAroundThePagesInUse) {
    EXPECT_EQ(LayoutEditor::NextPage(3, 3), 1);
    EXPECT_EQ(LayoutEditor::PreviousPage(1, 3), 3);
    EXPECT_EQ(LayoutEditor::NextPage(1, 1), 1);
    EXPECT_EQ(LayoutEditor::PreviousPage(1, 1), 1);
    // Below the current page after lowering the number: Next goes to 1, Previous counts down.
    EXPECT_EQ(LayoutEditor::NextPage(7, 5), 1);
    EXPECT_EQ(LayoutEditor::PreviousPage(7, 5), 6);
}

TEST_F(Pages, MovingAPageTakesItsBoxesAndName) {
    NamePages(layout, {"Map", "Speed", "Sats"});
    FillPage(editor, 2, 4);
    FillPage(editor, 3, 1);
    layout.CurrentPage = 2;
    EXPECT_EQ(editor.MovePageUp(5), PageMove::Moved);
    EXPECT_EQ(layout.CurrentPage, 3);
    EXPECT_EQ(layout.PageAt(3).PageName, "Speed");
    EXPECT_EQ(layout.BoxCount(3), 4);
    EXPECT_EQ(layout.Box(3, 4).PageNo, 3);
    EXPECT_EQ(layout.PageAt(2).PageName, "Sats");
    EXPECT_EQ(layout.BoxCount(2), 1);
    EXPECT_EQ(layout.Box(2, 1).PageNo, 2);

    // The page shown selects its first box, whichever was selected before the move.
    editor.SelectBox(4);
    editor.MovePageDown();
    EXPECT_EQ(editor.SelectedSlot(), 1);
    editor.MovePageUp(5);
    EXPECT_EQ(editor.SelectedSlot(), 1);

    layout.Modified = false;
    EXPECT_EQ(editor.MovePageUp(3), PageMove::AtLastPage);
    EXPECT_FALSE(layout.Modified);
    layout.CurrentPage = 1;
    EXPECT_EQ(editor.MovePageDown(), PageMove::AtFirstPage);
    layout.CurrentPage = 20;
    EXPECT_EQ(editor.MovePageUp(5), PageMove::AtLastPage);
}

TEST_F(Pages, DeletingMovesTheFollowingPagesDown) {
    NamePages(layout, {"A", "B", "C", "D", "E"});
    FillPage(editor, 2, 2);
    FillPage(editor, 3, 3);
    FillPage(editor, 4, 1);
    FillPage(editor, 5, 5);
    layout.CurrentPage = 2;
    editor.SelectBox(2);
    editor.DeleteCurrentPage(4);
    EXPECT_EQ(layout.CurrentPage, 2);
    EXPECT_EQ(editor.SelectedSlot(), 1);
    EXPECT_EQ(layout.PageAt(2).PageName, "C");
    EXPECT_EQ(layout.BoxCount(2), 3);
    EXPECT_EQ(layout.PageAt(3).PageName, "D");
    EXPECT_EQ(layout.PageAt(4).PageName, "B");
    EXPECT_EQ(layout.BoxCount(4), 0);
    EXPECT_EQ(layout.PageAt(5).PageName, "E");
    EXPECT_EQ(layout.BoxCount(5), 5);

    layout.CurrentPage = 4;
    FillPage(editor, 4, 2);
    editor.DeleteCurrentPage(4);
    EXPECT_EQ(layout.BoxCount(4), 0);
    EXPECT_EQ(layout.PageAt(4).PageName, "B");
}

TEST_F(Pages, NewLayoutEmptiesEveryPageAndKeepsLaterNames) {
    NamePages(layout, {"A", "B"});
    FillPage(editor, 2, 2);
    editor.NewLayout();
    EXPECT_FALSE(layout.Modified);
    EXPECT_EQ(layout.CurrentPage, 1);
    EXPECT_EQ(layout.PageAt(1).PageName, "Page 1");
    EXPECT_EQ(layout.PageAt(2).PageName, "B");
    EXPECT_EQ(layout.BoxCount(2), 0);
}

TEST_F(Notified, OncePerFinishedEditWithThePagesAndBoxesItTouched) {
    AddBoxes(editor, 2);
    heard.clear();
    editor.SetBoxNumber(2, BoxNumber::BorderWidth, 3);
    const LayoutChange property = Only();
    EXPECT_EQ(property.Boxes, (Pairs{{1, 2}}));
    EXPECT_TRUE(property.InPlaceOn(1)) << "a property edit redraws its box, no list or page";
    editor.SetPageName("North");
    EXPECT_TRUE(Only().Renamed);
    editor.SwapBoxes(1, 2);
    EXPECT_FALSE(Only().InPlaceOn(1)) << "boxes changing slots rebuild the list";
    editor.NewBox(Row(0));
    EXPECT_FALSE(Only().InPlaceOn(1));
    editor.DeleteBox(3);
    EXPECT_FALSE(Only().InPlaceOn(1));

    {
        // One command of several edits (a resize, then the fit) is heard when it ends.
        LayoutEditor::EditScope scope(editor);
        editor.SetBoxRect(1, {300, 0, 60, 30});
        editor.ApplyBoxGeometry(1, {320, 240});
        EXPECT_TRUE(heard.empty());
    }
    EXPECT_EQ(Only().Boxes, (Pairs{{1, 1}}));

    editor.MovePageUp(3);
    const LayoutChange move = Only();
    EXPECT_EQ(move.Pages, (std::set<int>{1, 2}));
    EXPECT_TRUE(move.Restacked && move.Renamed);
    EXPECT_EQ(layout.CurrentPage, 2);

    // Reading is no edit, and neither is a refused one.
    editor.Copy(1);
    EXPECT_TRUE(heard.empty());
    editor.ShowPage(3);
    heard.clear();
    for (int i = 0; i < SlotsPerPage; ++i) editor.NewBox(Row(0));
    heard.clear();
    EXPECT_EQ(editor.NewBox(Row(0)), 0);
    EXPECT_TRUE(heard.empty()) << "a full page refuses the box and draws nothing new";

    editor.Undo();
    EXPECT_FALSE(Only().Empty());
    const LayoutChange load = [&] {
        editor.Load([](ScreenLayout& l) { return l.PageAt(4).PageName = "Read"; });
        return Only();
    }();
    EXPECT_TRUE(load.Replaced);
    EXPECT_EQ(load.Pages.size(), static_cast<std::size_t>(MaxPages));
}

TEST_F(Selection, FollowsTheEditsAndAlwaysNamesABoxWhenThePageHasOne) {
    AddBoxes(editor, 3);
    EXPECT_EQ(editor.SelectedSlot(), 3) << "a new box is selected";
    editor.SelectBox(2);
    editor.DeleteBox(2);
    EXPECT_EQ(editor.SelectedSlot(), 2) << "the next box moved up into the slot";
    EXPECT_EQ(layout.Box(1, 2).TitleText, "B3");
    editor.DeleteBox(2);
    EXPECT_EQ(editor.SelectedSlot(), 1) << "the last box gone: the one before it";

    AddBoxes(editor, 1);
    editor.SwapBoxes(2, 1);
    EXPECT_EQ(editor.SelectedSlot(), 1) << "the selection goes with its box";
    editor.SelectBox(9);
    EXPECT_EQ(editor.SelectedSlot(), 2) << "no box in slot 9: the nearest before it";

    BoxClipboard clipboard = editor.Copy(2);
    editor.ShowPage(2);
    EXPECT_EQ(editor.SelectedSlot(), NoBox) << "an empty page";
    editor.Paste(clipboard);
    EXPECT_EQ(editor.SelectedSlot(), 1) << "the pasted box";
    editor.ShowPage(1);
    EXPECT_EQ(editor.SelectedSlot(), 1) << "a page shown selects its first box";
    editor.FinishEdit();
    editor.ClearCurrentPage();
    EXPECT_EQ(editor.SelectedSlot(), NoBox);

    const std::optional<EditView> view = editor.Undo();
    ASSERT_TRUE(view);
    EXPECT_EQ(editor.SelectedSlot(), view->Slot) << "an undo shows the box it changed";
    EXPECT_GE(editor.SelectedSlot(), 1);
}
