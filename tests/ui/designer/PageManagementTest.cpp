#include "qt/UiTest.h"

using namespace roamplot;
using namespace roamplot::test;

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
        d.Layout().PageAt(p).PageName = std::string(1, char('A' + p - 1));
        d.Layout().CurrentPage = p;
        for (int i = 0; i < p; ++i) d.Designer().Editor().NewBox(d.form->Screen());
    }
    d.Designer().ShowPage(2);
    d.Layout().Modified = false;
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
    d.form->PanelLoading = true;
    QTest::keyClicks(d.Tab().cPageName, "X");
    EXPECT_EQ(d.Layout().PageAt(1).PageName, "Page 1");
    d.form->PanelLoading = false;
    QTest::keyClicks(d.Tab().cPageName, "Y");
    EXPECT_EQ(d.Layout().PageAt(1).PageName, "Page 1XY");
    EXPECT_TRUE(d.Layout().Modified);
}
