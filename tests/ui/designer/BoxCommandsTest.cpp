#include "qt/UiTest.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {
QStringList ListTexts(DesignerFixture& d) {
    QStringList texts;
    for (int i = 0; i < d.Tab().cParameterList->count(); ++i)
        texts << d.Tab().cParameterList->item(i)->text();
    return texts;
}
} // namespace

TEST(BoxCommands, NewBoxGoesToTheCornerOfTheScreenKindIsSelectedAndAFullPageRefusesIt) {
    DesignerFixture d;
    Click(d.Tab().bNew);
    EXPECT_EQ(d.RectOf(1), (BoxRect{0, 251, 60, 30}));
    EXPECT_EQ(d.Box(1).Kind, "new");
    EXPECT_EQ(ListTexts(d), QStringList{"<Select>"});
    EXPECT_EQ(d.Tab().cParameterList->currentRow(), 0);
    EXPECT_EQ(d.Designer().GetControl(), 1);
    EXPECT_TRUE(d.Control(1)->isVisible());
    // A full page refuses one more.
    for (int i = 1; i < 32; ++i) Click(d.Tab().bNew);
    EXPECT_TRUE(d.prompter.Shown.isEmpty());
    Click(d.Tab().bNew);
    EXPECT_EQ(d.prompter.Of("message"), QStringList{"There are no more fields available."});
    EXPECT_EQ(d.Tab().cParameterList->count(), 32);

    DesignerFixture wide("[Settings]\nDevice Type=5\n");
    Click(wide.Tab().bNew);
    EXPECT_EQ(wide.RectOf(1), (BoxRect{420, 0, 60, 30}));
}

TEST(BoxCommands, TheArrowKeysInTheListSelectTheBoxAsAClickDoes) {
    DesignerFixture d;
    for (int i = 1; i <= 3; ++i) d.AddBox({i * 20, 0, 10, 10});
    QListWidget* list = d.Tab().cParameterList;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    ASSERT_EQ(d.Designer().GetControl(), 1);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(d.Designer().GetControl(), 2);
    EXPECT_EQ(d.Preview().Sizer().Control(), d.Control(2));
    QTest::keyClick(list, Qt::Key_End);
    EXPECT_EQ(d.Designer().GetControl(), 3);
    QTest::keyClick(list, Qt::Key_Up);
    // "Delete Box" deletes the box the list shows selected.
    Click(d.Tab().Delete1);
    EXPECT_EQ(d.Layout().BoxCount(1), 2);
    EXPECT_EQ(d.RectOf(1).Left, 20);
    EXPECT_EQ(d.RectOf(2).Left, 60);
}

TEST(BoxCommands, AParameterChosenWithNoBoxShowsItsPanelAndTitle) {
    DesignerFixture d;
    ASSERT_EQ(d.Designer().GetControl(), -1);
    EXPECT_FALSE(d.Tab().cTitleText->isVisibleTo(d.form.get()));
    d.Layout().Modified = false;
    Choose(d, 1);
    EXPECT_TRUE(d.Tab().cTitleText->isVisibleTo(d.form.get()));
    EXPECT_TRUE(d.Tab().cParTestText->isVisibleTo(d.form.get()));
    EXPECT_EQ(d.Tab().cTitleText->text(), "Speed");
    EXPECT_EQ(d.Tab().cParTestText->text().toStdString(),
              d.form->Catalogue().At(d.form->Catalogue().PositionOf(1)).SampleValue);
    EXPECT_TRUE(d.Layout().Modified);
    EXPECT_EQ(d.Layout().BoxCount(1), 0);
}

TEST(BoxCommands, APasteOfNothingOrOfASecondMapKeepsTheSelection) {
    DesignerFixture d;
    int map = d.AddBox({0, 0, 100, 100});
    Choose(d, 900);
    for (int i = 1; i <= 2; ++i) d.AddBox({i * 20, 120, 10, 10});
    d.Tab().cParameterList->setCurrentRow(2);
    ASSERT_EQ(d.Designer().GetControl(), 3);
    Click(d.Tab().bPaste); // the clipboard is empty
    EXPECT_EQ(d.Designer().GetControl(), 3);
    EXPECT_EQ(d.Tab().cParameterList->currentRow(), 2);

    // A map onto a page that has one pastes nothing either.
    d.Tab().cParameterList->setCurrentRow(map - 1);
    Click(d.Tab().bCopy);
    d.Tab().cParameterList->setCurrentRow(1);
    Click(d.Tab().bPaste);
    EXPECT_EQ(d.Layout().BoxCount(1), 3);
    EXPECT_TRUE(d.prompter.Shown.isEmpty());
    EXPECT_EQ(d.Designer().GetControl(), 2);
    EXPECT_EQ(d.Tab().cParameterList->currentRow(), 1);
}

TEST(BoxCommands, DeletingSelectsTheBoxThatTookThePlace) {
    DesignerFixture d;
    d.AddBox({0, 0, 10, 10});
    Click(d.Tab().Delete1);
    EXPECT_EQ(d.Tab().cParameterList->count(), 0);
    EXPECT_EQ(d.Designer().GetControl(), -1);
    EXPECT_FALSE(d.Tab().cTitleText->isVisibleTo(d.form.get()));

    for (int i = 1; i <= 3; ++i) d.AddBox({i * 20, 0, 10, 10});
    Select(d, 3);
    Click(d.Tab().Delete1); // the last: the new last is selected
    EXPECT_EQ(d.Designer().GetControl(), 2);
    EXPECT_EQ(d.Tab().cParameterList->currentRow(), 1);
    d.AddBox({60, 0, 10, 10});
    Select(d, 2);
    Click(d.Tab().Delete1); // a middle one: its successor moves in
    EXPECT_EQ(d.Designer().GetControl(), 2);
    EXPECT_EQ(d.RectOf(2).Left, 60);
}

TEST(BoxCommands, CopiedGroupIsPastedOverTheBoxesOfAnotherPage) {
    DesignerFixture d;
    for (int i = 1; i <= 9; ++i) d.AddBox({i * 10, i * 5, 20, 10});
    for (int slot : {2, 5, 9})
        QTest::mouseClick(d.Control(slot), Qt::LeftButton, Qt::ControlModifier, {1, 1});
    Click(d.Tab().bCopy);
    d.Layout().CurrentPage = 3;
    d.Designer().ShowLoadedLayout();
    for (int i = 1; i <= 4; ++i) d.AddBox({0, i * 30, 30, 20});
    Click(d.Tab().bPaste);
    EXPECT_EQ(d.Layout().BoxCount(3), 7);
    EXPECT_EQ(d.RectOf(5), (BoxRect{20, 10, 20, 10}));
    EXPECT_EQ(d.RectOf(6), (BoxRect{50, 25, 20, 10}));
    EXPECT_EQ(d.RectOf(7), (BoxRect{90, 45, 20, 10}));
    EXPECT_EQ(d.Tab().cParameterList->count(), 7);
    EXPECT_EQ(d.Designer().GetControl(), 7);
    EXPECT_EQ(d.Layout().Box(1, 5).Selected, 0);
}

TEST(BoxCommands, OneMapPerPage) {
    DesignerFixture d;
    int first = d.AddBox({0, 0, 100, 100});
    Choose(d, 900);
    EXPECT_EQ(d.Box(first).Kind, "map");
    int second = d.AddBox({0, 120, 50, 50});
    Choose(d, 900);
    EXPECT_EQ(d.prompter.Of("message"),
              QStringList{"Page 1 already has a map, cannot add a second map to the same page."});
    EXPECT_EQ(d.Box(second).Kind, "new");
    EXPECT_EQ(d.Tab().cParameter->currentIndex(), 0);
}

TEST(BoxCommands, ChoosingAParameterGivesTheBoxItsEntry) {
    DesignerFixture d;
    int slot = d.AddBox({10, 10, 60, 30});
    Choose(d, 174);
    EXPECT_EQ(d.RectOf(slot), (BoxRect{10, 10, 30, 30}));
    EXPECT_EQ(d.Box(slot).TitleFontSize, 0);
    EXPECT_EQ(d.Box(slot).TextFontSize, 7);
    Choose(d, 1);
    EXPECT_EQ(d.Box(slot).ParameterId, "001");
    EXPECT_EQ(d.Box(slot).Units, "ROAMCE");
    EXPECT_EQ(d.Tab().cTitleText->text(), "Speed");
    EXPECT_EQ(ListTexts(d), QStringList{"Speed"});
    EXPECT_EQ(d.Control(slot)->objectName(), "aw101");
    // The hint names the parameter first; the 30 x 30 box then tells its value does not fit.
    EXPECT_EQ(d.Control(slot)->toolTip().split('\n').front(), "Speed");
    Choose(d, 902);
    EXPECT_EQ(d.RectOf(slot), (BoxRect{0, 0, 240, 281}));
    Choose(d, 901);
    d.Tab().cTitleText->clear();
    QTest::keyClicks(d.Tab().cTitleText, "Hello");
    EXPECT_EQ(d.Box(slot).TitleText, "Hello");
    EXPECT_EQ(ListTexts(d), QStringList{"Text (Hello)"});
}

TEST(BoxCommands, UpAndDownRestackAndAtTheEndsOnlyMarkModified) {
    DesignerFixture d;
    for (int i = 1; i <= 3; ++i) d.AddBox({i * 10, 0, 10, 10});
    Select(d, 1);
    d.Layout().Modified = false;
    Click(d.Tab().bUP);
    EXPECT_TRUE(d.Layout().Modified);
    EXPECT_EQ(d.RectOf(1).Left, 10);
    Click(d.Tab().bDown);
    EXPECT_EQ(d.RectOf(1).Left, 20);
    EXPECT_EQ(d.RectOf(2).Left, 10);
    EXPECT_EQ(d.Designer().GetControl(), 2);
    EXPECT_EQ(d.Tab().cParameterList->currentRow(), 1);
    d.Tab().cParameterList->setCurrentRow(2);
    d.Layout().Modified = false;
    Click(d.Tab().bDown);
    EXPECT_TRUE(d.Layout().Modified);
    EXPECT_EQ(d.RectOf(3).Left, 30);
}
