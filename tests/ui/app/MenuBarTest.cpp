#include <QMenu>
#include <QMenuBar>

#include "qt/UiTest.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {
void Trigger(DesignerFixture& d, const char* name) {
    QAction* action = d.MenuAction(name);
    ASSERT_NE(action, nullptr) << name;
    action->trigger();
}
QStringList RecentEntries(DesignerFixture& d) {
    QStringList texts;
    for (QAction* action : d.form->Menu()->Bar()->findChild<QMenu*>("mRecentFiles")->actions())
        if (action->objectName().startsWith("aRecent")) texts << action->text();
    return texts;
}
} // namespace

TEST(MenuBar, SaveAsksOnlyForANewLayoutAndEveryFileSavedOrLoadedIsRecent) {
    DesignerFixture d;
    d.AddBox({0, 0, 40, 20});
    EXPECT_TRUE(ShownTitle(*d.form).endsWith("*"));
    const QString trip = Q(d.folder.File("trip.par1"));
    d.prompter.FileAnswers = {trip};
    Trigger(d, "aSave");
    EXPECT_EQ(d.prompter.FileRequests.size(), 1);
    EXPECT_TRUE(ShownTitle(*d.form).endsWith("  -  trip.par1"));

    d.Tab().cPageName->setText("Harbour");
    d.Designer().cPageNameChange();
    EXPECT_TRUE(ShownTitle(*d.form).endsWith("  -  trip.par1*"));
    Trigger(d, "aSave");
    EXPECT_EQ(d.prompter.FileRequests.size(), 1) << "a layout with a name is saved at once";
    EXPECT_FALSE(d.Layout().Modified);
    EXPECT_NE(d.folder.Read("trip.par1").find("Harbour"), std::string::npos);

    const QString other = Q(d.folder.File("other.par1"));
    d.prompter.FileAnswers = {other};
    Trigger(d, "aSaveAs");
    EXPECT_EQ(d.prompter.FileRequests.size(), 2);
    EXPECT_EQ(d.form->ParameterFileName(), PathFromQString(other));
    EXPECT_EQ(Native(RecentEntries(d)), Native(QStringList{"&1 " + other, "&2 " + trip}));

    // A recent file that has gone is dropped with a word; the others open.
    std::filesystem::remove(PathFromQString(trip));
    Trigger(d, "aRecent2");
    EXPECT_EQ(Native(d.prompter.Of("message").value(0)),
              Native("\"" + trip + "\" no longer exists; it is removed from the recent files."));
    EXPECT_EQ(Native(RecentEntries(d)), Native(QStringList{"&1 " + other}));

    // The list outlives the session; "Clear Recent Files" empties it.
    ASSERT_TRUE(d.form->close());
    d.form = StartDesigner(Q(d.folder.Path()), d.prompter);
    EXPECT_EQ(Native(RecentEntries(d)), Native(QStringList{"&1 " + other}));
    EXPECT_EQ(d.form->ParameterFileName(), PathFromQString(other));
    Trigger(d, "aClearRecentFiles");
    EXPECT_TRUE(RecentEntries(d).isEmpty());
    EXPECT_FALSE(d.MenuAction("aClearRecentFiles")->isEnabled());
}

TEST(MenuBar, TheTabShownDecidesWhichCommandsWorkAndFieldsKeepTheirKeys) {
    DesignerFixture d;
    Activate(*d.form);
    EXPECT_TRUE(d.MenuAction("aNewBox")->isEnabled());
    EXPECT_FALSE(d.MenuAction("aLoadKeyFile")->isEnabled());
    d.form->Tabs()->setCurrentIndex(MainForm::KeyTabIndex);
    EXPECT_FALSE(d.MenuAction("aNewBox")->isEnabled());
    EXPECT_FALSE(d.MenuAction("aNextPage")->isEnabled());
    EXPECT_TRUE(d.MenuAction("aSaveKeyFile")->isEnabled());
    d.form->Tabs()->setCurrentIndex(MainForm::PageDesignerTabIndex);

    // Insert and Delete in a text field and PgDn in the box list are the field's own keys.
    d.Tab().cPageName->setFocus();
    QTest::keyClick(d.Tab().cPageName, Qt::Key_Insert);
    EXPECT_EQ(d.Layout().BoxCount(1), 0);
    d.AddBox({0, 0, 40, 20});
    d.Tab().cPageName->setFocus();
    QTest::keyClick(d.Tab().cPageName, Qt::Key_Delete);
    QTest::keyClick(d.Tab().cPageName, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(d.Layout().BoxCount(1), 1) << "Delete and Ctrl+Delete edit the text";
    d.Tab().cParameterList->setFocus();
    QTest::keyClick(d.Tab().cParameterList, Qt::Key_PageDown);
    EXPECT_EQ(d.Layout().CurrentPage, 1);
    // Elsewhere they run the commands.
    QTest::keyClick(d.Tab().cParameterList, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(d.Tab().cParameterList, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(d.Layout().BoxCount(1), 2);
    QTest::keyClick(d.Tab().cParameterList, Qt::Key_Insert);
    EXPECT_EQ(d.Layout().BoxCount(1), 3);
    d.Tab().bNew->setFocus();
    QTest::keyClick(d.Tab().bNew, Qt::Key_Insert);
    EXPECT_EQ(d.Layout().BoxCount(1), 4);
    QTest::keyClick(d.Tab().bNew, Qt::Key_PageDown);
    EXPECT_EQ(d.Layout().CurrentPage, 2);
}

TEST(MenuBar, EveryEntryRunsItsCommand) {
    struct Case {
        const char* action;
        int tab;
        QString shown; // a part of what the command shows
        std::function<bool(DesignerFixture&)> done = {};
        bool helpOpens = true;
    };
    const int P = MainForm::PageDesignerTabIndex, K = MainForm::KeyTabIndex;
    const QString unsaved = "confirm: Changes have been made which have not been saved. ";
    const Case cases[] = {
        {"aNew", P, unsaved + "Continue to create a new (blank) parameter file?",
         [](DesignerFixture& d) { return d.Layout().BoxCount(1) == 0; }},
        {"aLoad", P, "open: Load RoamplotCE Parameter File"},
        {"aSendParameterFile", P, "message: Cannot connect to PDA"},
        {"aGetParameterFile", P, unsaved + "Load a new file?"},
        {"aNewBox", P, "", [](DesignerFixture& d) { return d.Layout().BoxCount(1) == 2; }},
        {"aShowPreview", P, "", [](DesignerFixture& d) { return d.Preview().isVisible(); }},
        {"aZoom3", P, "", [](DesignerFixture& d) { return d.Preview().Zoom() == 3; }},
        {"aShowAlignPalette", P, "",
         [](DesignerFixture& d) { return d.form->Palette()->isVisible(); }},
        {"aMovePageDown", P, "message: Cannot move the page, already on Page 1."},
        {"aLoadKeyFile", K, "open: Load RoamplotCE Key File"},
        {"aSaveKeyFile", K, "save: Save RoamplotCE Key File"},
        {"aSaveKeyFileAs", K, "save: Save RoamplotCE Key File"},
        {"aSendKeyFile", K, "message: Could not Save to PDA"},
        {"aGetKeyFile", K, "message: Key2 file not found on the PDA"},
        {"aHelp", P, "help: "},
        {"aHelp",
         P,
         "message: No program on this computer could open the guide. It is the file \"",
         {},
         false},
        {"aAbout", P, "message: RoamplotCE Screen Designer v2.16"},
        {"aExit", P, "confirm: Changes have been made",
         [](DesignerFixture& d) { return !d.form->isVisible(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        DesignerFixture d;
        d.AddBox({0, 0, 40, 20});
        d.Preview().hide(); // for "Show Preview" to show it
        d.prompter.HelpOpens = c.helpOpens;
        d.form->Tabs()->setCurrentIndex(c.tab);
        d.prompter.Shown.clear();
        Trigger(d, c.action);
        const QString shown = d.prompter.Shown.join("\n");
        EXPECT_TRUE(shown.contains(c.shown)) << shown.toStdString();
        if (c.done) {
            EXPECT_TRUE(c.done(d));
        }
    }
}
