#include "qt/UiTest.h"

using namespace roamplot;
using namespace roamplot::test;

TEST(PageManagement, NextAndPreviousWrapAroundTheNumberOfPagesAndMovesAtTheEndsAreRefused) {
    DesignerFixture d("[Settings]\nNo of Pages=3\n");
    Click(d.Tab().bPageDown);
    d.AddBox({0, 0, 20, 20});
    Click(d.Tab().bNext);
    EXPECT_EQ(d.Layout().CurrentPage, 2);
    EXPECT_EQ(d.Tab().lCurrentPage->text(), "2");
    EXPECT_EQ(d.Tab().cPageName->text(), "Page 2");
    EXPECT_EQ(d.Tab().cParameterList->count(), 0);
    EXPECT_FALSE(d.Preview().Control(1, 1)->isVisible());
    Click(d.Tab().bNext);
    Click(d.Tab().bNext);
    EXPECT_EQ(d.Layout().CurrentPage, 1);
    EXPECT_TRUE(d.Preview().Control(1, 1)->isVisible());
    EXPECT_EQ(d.Designer().GetControl(), 1);
    Click(d.Tab().bPrevious);
    EXPECT_EQ(d.Layout().CurrentPage, 3);
    Click(d.Tab().bPageUp);
    EXPECT_EQ(d.Layout().CurrentPage, 3);
    EXPECT_EQ(d.prompter.Of("message"),
              (QStringList{"Cannot move the page, already on Page 1.",
                           "Cannot move the page, maximum pages reached."}));

    d.form->Configuration()->cNumPages->setValue(1);
    Click(d.Tab().bNext);
    EXPECT_EQ(d.Layout().CurrentPage, 1);
    Click(d.Tab().bPrevious);
    EXPECT_EQ(d.Layout().CurrentPage, 1);
}

TEST(PageManagement, MovingUpTakesBoxesAndNameAlong) {
    DesignerFixture d;
    Click(d.Tab().bNext);
    d.Tab().cPageName->clear();
    QTest::keyClicks(d.Tab().cPageName, "Speed");
    for (int i = 0; i < 4; ++i) d.AddBox({i * 20, 0, 20, 20});
    Click(d.Tab().bPageUp);
    EXPECT_EQ(d.Layout().CurrentPage, 3);
    EXPECT_EQ(d.Tab().lCurrentPage->text(), "3");
    EXPECT_EQ(d.Layout().PageAt(3).PageName, "Speed");
    EXPECT_EQ(d.Layout().BoxCount(3), 4);
    EXPECT_EQ(d.Tab().cParameterList->count(), 4);
    EXPECT_EQ(d.Layout().PageAt(2).PageName, "Page 3");
    EXPECT_TRUE(d.Preview().Control(3, 4)->isVisible());
}

TEST(PageManagement, ClearAndDeleteAskYesOrNoFirst) {
    DesignerFixture d("[Settings]\nNo of Pages=4\n");
    const char* names[] = {"A", "B", "C", "D"};
    for (int p = 1; p <= 4; ++p) {
        d.Layout().PageAt(p).PageName = names[p - 1];
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
    EXPECT_EQ(d.Layout().CurrentPage, 2);
    EXPECT_EQ(d.Tab().cPageName->text(), "C");
    EXPECT_EQ(d.Tab().cParameterList->count(), 3);
    EXPECT_EQ(d.Layout().PageAt(4).PageName, "B");
    EXPECT_EQ(d.Layout().BoxCount(4), 0);

    Click(d.Tab().bClearPage);
    EXPECT_EQ(d.prompter.Of("yesno").size(), 3);
    EXPECT_TRUE(d.prompter.Of("yesno").endsWith("Clear the current page?"));
    EXPECT_EQ(d.Layout().BoxCount(2), 0);
    EXPECT_EQ(d.Tab().cParameterList->count(), 0);
    EXPECT_EQ(d.Layout().PageAt(2).PageName, "C");
    EXPECT_TRUE(d.prompter.Of("confirm").isEmpty()); // no OK and Cancel for these
}

TEST(PageManagement, NewAsksAfterChangesAndStartsABlankLayout) {
    DesignerFixture d;
    d.Layout().PageAt(2).PageName = "Trip";
    d.AddBox({0, 0, 20, 20});
    d.prompter.ConfirmAnswers = {false};
    Click(d.Tab().bNewFile);
    EXPECT_EQ(d.Layout().BoxCount(1), 1);
    Click(d.Tab().bNewFile);
    EXPECT_EQ(d.prompter.Of("confirm").size(), 2);
    EXPECT_EQ(d.Layout().BoxCount(1), 0);
    EXPECT_FALSE(d.Layout().Modified);
    EXPECT_EQ(d.Layout().PageAt(2).PageName, "Trip");
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
