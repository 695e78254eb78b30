#include "qt/UiTest.h"

namespace {

QStringList ListTexts(DesignerFixture& d) {
    QStringList texts;
    for (int i = 0; i < d.Tab().cParameterList->count(); ++i)
        texts << d.Tab().cParameterList->item(i)->text();
    return texts;
}

} // namespace

// Where a new box goes and how many a page takes are the editor's; here the button and the
// message of a full page.
TEST(BoxCommands, NewBoxIsListedAndSelectedAndAFullPageSaysSo) {
    DesignerFixture d;
    Click(d.Tab().bNew);
    EXPECT_EQ(ListTexts(d), QStringList{"<Select>"});
    EXPECT_EQ(d.Designer().GetControl(), 1);
    EXPECT_TRUE(d.Control(1)->isVisible());
    for (int i = 1; i < 32; ++i) Click(d.Tab().bNew);
    EXPECT_TRUE(d.prompter.Shown.isEmpty());
    Click(d.Tab().bNew);
    EXPECT_EQ(d.prompter.Of("message"), QStringList{"There are no more fields available."});
    EXPECT_EQ(d.Tab().cParameterList->count(), 32);
}

TEST(BoxCommands, TheArrowKeysInTheListSelectTheBoxAsAClickDoes) {
    DesignerFixture d;
    for (int i = 1; i <= 3; ++i) d.AddBox({i * 20, 0, 10, 10});
    QListWidget* list = d.Tab().cParameterList;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    ASSERT_EQ(d.Designer().GetControl(), 1);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(d.Designer().GetControl(), 2);
    EXPECT_EQ(d.Preview().Sizer().Control(), d.Control(2));
    QTest::keyClick(list, Qt::Key_End);
    EXPECT_EQ(d.Designer().GetControl(), 3);
    QTest::keyClick(list, Qt::Key_Up);
    // "Delete Box" deletes the box the list shows selected; its successor takes the place.
    Click(d.Tab().Delete1);
    EXPECT_EQ(d.Layout().BoxCount(1), 2);
    EXPECT_EQ(d.RectOf(2).Left, 60);
    EXPECT_EQ(d.Designer().GetControl(), 2);
    EXPECT_EQ(list->currentRow(), 1);
}

TEST(BoxCommands, AParameterChosenWithNoBoxShowsItsPanelAndTitle) {
    DesignerFixture d;
    ASSERT_EQ(d.Designer().GetControl(), -1);
    EXPECT_FALSE(d.Tab().cTitleText->isVisibleTo(d.form.get()));
    Choose(d, 1);
    EXPECT_TRUE(d.Tab().cTitleText->isVisibleTo(d.form.get()));
    EXPECT_EQ(d.Tab().cTitleText->text(), "Speed");
    EXPECT_EQ(d.Tab().cParTestText->text().toStdString(),
              d.form->Catalogue().At(d.form->Catalogue().PositionOf(1)).SampleValue);
    EXPECT_EQ(d.Layout().BoxCount(1), 0);
}

TEST(BoxCommands, CopyAndPasteCarryTheCtrlClickedGroupAndARefusedPasteKeepsTheSelection) {
    DesignerFixture d;
    for (int i = 1; i <= 3; ++i) d.AddBox({i * 10, i * 5, 20, 10});
    Click(d.Tab().bPaste); // the clipboard is empty
    EXPECT_EQ(d.Designer().GetControl(), 3);
    for (int slot : {1, 3}) CtrlClick(d, slot);
    Click(d.Tab().bCopy);
    Click(d.Tab().bNext);
    Click(d.Tab().bPaste);
    EXPECT_EQ(d.Tab().cParameterList->count(), 2);
    EXPECT_EQ(d.Designer().GetControl(), 2);

    // A map onto a page that has one pastes nothing, silently.
    int map = d.AddBox({0, 0, 100, 100});
    Choose(d, 900);
    Click(d.Tab().bCopy);
    d.Tab().cParameterList->setCurrentRow(0);
    Click(d.Tab().bPaste);
    EXPECT_EQ(d.Tab().cParameterList->count(), map);
    EXPECT_TRUE(d.prompter.Shown.isEmpty());
    EXPECT_EQ(d.Designer().GetControl(), 1);
}

TEST(BoxCommands, ASecondMapIsRefusedWithAMessage) {
    DesignerFixture d;
    d.AddBox({0, 0, 100, 100});
    Choose(d, 900);
    d.AddBox({0, 120, 50, 50});
    Choose(d, 900);
    EXPECT_EQ(d.prompter.Of("message"),
              QStringList{"Page 1 already has a map, cannot add a second map to the same page."});
    EXPECT_EQ(d.Tab().cParameter->currentIndex(), 0);
}

TEST(BoxCommands, ChoosingAParameterRenamesTheBoxInTheListAndThePreview) {
    DesignerFixture d;
    int slot = d.AddBox({10, 10, 60, 30});
    Choose(d, 1);
    EXPECT_EQ(d.Tab().cTitleText->text(), "Speed");
    EXPECT_EQ(ListTexts(d), QStringList{"Speed"});
    EXPECT_EQ(d.Control(slot)->objectName(), "aw101");
    EXPECT_EQ(d.Control(slot)->toolTip().split('\n').front(), "Speed");
    Choose(d, 901);
    d.Tab().cTitleText->clear();
    QTest::keyClicks(d.Tab().cTitleText, "Hello");
    EXPECT_EQ(d.Box(slot).TitleText, "Hello");
    EXPECT_EQ(ListTexts(d), QStringList{"Text (Hello)"});
}

TEST(BoxCommands, UpAndDownRestackAndTheSelectionFollowsTheBox) {
    DesignerFixture d;
    for (int i = 1; i <= 3; ++i) d.AddBox({i * 10, 0, 10, 10});
    Select(d, 1);
    Click(d.Tab().bDown);
    EXPECT_EQ(d.RectOf(1).Left, 20);
    EXPECT_EQ(d.RectOf(2).Left, 10);
    EXPECT_EQ(d.Designer().GetControl(), 2);
    EXPECT_EQ(d.Tab().cParameterList->currentRow(), 1);
    // At the end nothing moves, yet the layout counts as changed.
    d.SetUp([](ScreenLayout& l) { l.Modified = false; });
    d.Tab().cParameterList->setCurrentRow(2);
    Click(d.Tab().bDown);
    EXPECT_TRUE(d.Layout().Modified);
    EXPECT_EQ(d.RectOf(3).Left, 30);
}

// The wrap and the moves themselves are the editor's; here the view follows and the
// refusals are told.
TEST(PageManagement, BrowsingShowsThePageAndMovesAtTheEndsAreRefusedWithAMessage) {
    DesignerFixture d("[Settings]\nNo of Pages=3\n");
    Click(d.Tab().bPageDown);
    d.AddBox({0, 0, 20, 20});
    Click(d.Tab().bNext);
    EXPECT_EQ(d.Layout().CurrentPage, 2);
    EXPECT_EQ(d.Tab().lCurrentPage->text(), "2");
    EXPECT_EQ(d.Tab().cPageName->text(), "Page 2");
    EXPECT_EQ(d.Tab().cParameterList->count(), 0);
    EXPECT_FALSE(d.Preview().Control(1, 1)->isVisible());
    Click(d.Tab().bPrevious);
    EXPECT_TRUE(d.Preview().Control(1, 1)->isVisible());
    EXPECT_EQ(d.Designer().GetControl(), 1);
    Click(d.Tab().bPrevious);
    EXPECT_EQ(d.Layout().CurrentPage, 3);
    Click(d.Tab().bPageUp);
    EXPECT_EQ(d.Layout().CurrentPage, 3);
    EXPECT_EQ(d.prompter.Of("message"),
              (QStringList{"Cannot move the page, already on Page 1.",
                           "Cannot move the page, maximum pages reached."}));

    // A page moved up is shown at its new place with its boxes.
    Click(d.Tab().bNext);
    d.Tab().cPageName->clear();
    QTest::keyClicks(d.Tab().cPageName, "Speed");
    Click(d.Tab().bPageUp);
    EXPECT_EQ(d.Tab().lCurrentPage->text(), "2");
    EXPECT_EQ(d.Tab().cPageName->text(), "Speed");
    EXPECT_EQ(d.Tab().cParameterList->count(), 1);
    EXPECT_TRUE(d.Preview().Control(2, 1)->isVisible());
}

TEST(PageManagement, ClearAndDeleteAskYesOrNoFirst) {
    DesignerFixture d("[Settings]\nNo of Pages=4\n");
    for (int p = 1; p <= 3; ++p) {
        d.SetUp([p](ScreenLayout& l) {
            l.PageAt(p).PageName = std::string(1, char('A' + p - 1));
            l.CurrentPage = p;
        });
        for (int i = 0; i < p; ++i) d.Designer().Editor().NewBox(d.form->Screen());
    }
    d.Designer().ShowPage(2);
    d.SetUp([](ScreenLayout& l) { l.Modified = false; });
    d.prompter.ConfirmAnswers = {false};
    Click(d.Tab().bDeletePage);
    EXPECT_TRUE(d.Layout().Modified);
    EXPECT_EQ(d.Layout().BoxCount(2), 2);

    Click(d.Tab().bDeletePage);
    EXPECT_EQ(d.prompter.Of("yesno"), QStringList(2, "Delete the current page?"));
    EXPECT_EQ(d.Tab().cPageName->text(), "C");
    EXPECT_EQ(d.Tab().cParameterList->count(), 3);

    Click(d.Tab().bClearPage);
    EXPECT_EQ(d.prompter.Of("yesno").size(), 3);
    EXPECT_TRUE(d.prompter.Of("yesno").endsWith("Clear the current page?"));
    EXPECT_EQ(d.Layout().BoxCount(2), 0);
    EXPECT_EQ(d.Tab().cParameterList->count(), 0);
    EXPECT_TRUE(d.prompter.Of("confirm").isEmpty()); // no OK and Cancel for these
}

TEST(PageManagement, NewAsksAfterChangesAndStartsABlankLayout) {
    DesignerFixture d;
    d.AddBox({0, 0, 20, 20});
    d.prompter.ConfirmAnswers = {false};
    Click(d.Tab().bNewFile);
    EXPECT_EQ(d.Layout().BoxCount(1), 1);
    Click(d.Tab().bNewFile);
    EXPECT_EQ(d.prompter.Of("confirm").size(), 2);
    EXPECT_EQ(d.Layout().BoxCount(1), 0);
    EXPECT_TRUE(ShownTitle(*d.form).endsWith("  -  no name.par1"));
    EXPECT_EQ(d.Designer().GetControl(), -1);
}

TEST(PageManagement, NamesTypedWhilePagesSwitchAreNotStored) {
    DesignerFixture d;
    {
        const PanelLoadingScope loading = d.form->FillingPanel();
        QTest::keyClicks(d.Tab().cPageName, "X");
        EXPECT_EQ(d.Layout().PageAt(1).PageName, "Page 1");
    }
    QTest::keyClicks(d.Tab().cPageName, "Y");
    EXPECT_EQ(d.Layout().PageAt(1).PageName, "Page 1XY");
    EXPECT_TRUE(d.Layout().Modified);
}
