#include "qt/UiTest.h"
#include "ui/app/EntryFields.h"
#include "ui/app/StatusLine.h"
#include "ui/app/TimedMessage.h"
#include <QFontMetrics>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QVBoxLayout>

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

struct StartedWith {
    TempFolder folder;
    TempFolder documents;
    ScriptedPrompter prompter;
    std::unique_ptr<MainForm> form;

    // A designer that remembers a layout of its own, started on `file`.
    void Start(const std::function<fs::path(const TempFolder&)>& file) {
        CopyShippedCatalogues(folder);
        const std::string remembered =
            documents.Write("remembered.par1", TestDataBytes("writer_pages.par1"));
        folder.Write(SettingsName, "[Parameters]\r\nFilename=" + remembered + "\r\n");
        form = StartDesigner(Q(folder.Path()), prompter, file(documents));
    }
};

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

TEST(StatusLine, ShowsThePointerInDevicePixelsTheBoxTheZoomAndTheFile) {
    DesignerFixture d("[Settings]\nPreview Zoom=2\n");
    StatusLine& status = *d.form->Status();
    EXPECT_EQ(status.Pointer()->text(), "");
    EXPECT_EQ(status.SelectedBox()->text(), "");
    EXPECT_EQ(status.Zoom()->text(), "zoom 2x");
    EXPECT_EQ(status.File()->text(), "untitled");

    int slot = d.AddBox({10, 20, 40, 30});
    EXPECT_EQ(status.SelectedBox()->text(), "10, 20, 40 x 30");
    EXPECT_EQ(status.File()->text(), "untitled (modified)");

    QWidget* area = d.Preview().DrawArea();
    DesignerFixture::Move(area, {151, 31}, Qt::NoButton);
    EXPECT_EQ(status.Pointer()->text(), "75, 15");
    // Over a box: its control at (20, 40) on the screen, the pointer 3 pixels inside.
    DesignerFixture::Move(d.Control(slot), {3, 3}, Qt::NoButton);
    EXPECT_EQ(status.Pointer()->text(), "11, 21");
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(area, &leave);
    EXPECT_EQ(status.Pointer()->text(), "");

    d.DragBox(slot, {8, 4});
    EXPECT_EQ(status.SelectedBox()->text(), "14, 22, 40 x 30");
    d.MenuAction("aZoom3")->trigger();
    EXPECT_EQ(status.Zoom()->text(), "zoom 3x");

    // Side by side inside the bar, whatever the texts.
    d.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(d.form.get()));
    QRect taken;
    for (QLabel* label : {status.Pointer(), status.SelectedBox(), status.Zoom(), status.File()}) {
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()))
            << label->objectName().toStdString();
        EXPECT_FALSE(taken.intersects(label->geometry())) << label->objectName().toStdString();
        EXPECT_TRUE(status.rect().contains(label->geometry()));
        taken |= label->geometry();
    }

    d.prompter.FileAnswers.push_back(QString::fromStdString(d.folder.Path() + "/Pages.par1"));
    d.MenuAction("aSaveAs")->trigger();
    EXPECT_EQ(status.File()->text(), "Pages.par1");
}

TEST(TimedMessage, ClosesItselfAfterItsDurationTwoSecondsWhenNoneIsGiven) {
    TimedMessage zero(TimedMessageKind::Information, 0, "Sent");
    EXPECT_EQ(zero.Timer().interval(), 2000);
    EXPECT_EQ(zero.windowTitle(), "Information");

    TimedMessage error(TimedMessageKind::Error, 500, "Could not connect");
    EXPECT_EQ(error.Timer().interval(), 500);
    EXPECT_GT(error.width(),
              error.TextLeft() + QFontMetrics(error.font()).horizontalAdvance("Could not connect"));
    error.show();
    EXPECT_TRUE(error.Timer().isActive());
    QSignalSpy finished(&error, &QDialog::finished);
    Tick(error.Timer());
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(error.isVisible());
}

TEST(EntryFields, FiltersKeepOnlyWhatTheFieldAccepts) {
    QLineEdit position;
    UseSignedDigitsFilter(&position);
    QTest::keyClicks(&position, "-1a2+x");
    EXPECT_EQ(position.text(), "-12+");
    QLineEdit snap;
    UseUpperCaseFilter(&snap);
    QTest::keyClicks(&snap, "12px");
    EXPECT_EQ(snap.text(), "12PX");
}

TEST(EntryFields, EnterMovesToTheNextControlThatIsNotAPushButton) {
    QWidget window;
    auto* column = new QVBoxLayout(&window);
    auto* first = new QLineEdit(&window);
    auto* second = new QLineEdit(&window);
    column->addWidget(first);
    column->addWidget(new QPushButton("Go", &window));
    column->addWidget(second);
    new EnterMovesFocus(&window);
    Activate(window);
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Return);
    EXPECT_TRUE(second->hasFocus());
}

// The designer started with a file to open, as a double-click in a file manager starts it.
TEST(FileArgument, ALayoutOpensInPlaceOfTheRememberedOne) {
    StartedWith d;
    fs::path opened;
    d.Start([&](const TempFolder& documents) {
        return opened = documents.Write("trip.par1", TestDataBytes("writer_symbols.par1"));
    });
    ASSERT_TRUE(d.form);
    // Its one picture file is not on this PC: said as "Load" says it.
    EXPECT_EQ(d.prompter.Shown.size(), 1);
    EXPECT_TRUE(d.prompter.Shown.value(0).contains("symbol files were not found"));
    EXPECT_EQ(d.form->ParameterFileName(), opened);
    EXPECT_EQ(d.form->Tabs()->currentIndex(), MainForm::PageDesignerTabIndex);
    EXPECT_EQ(ShownTitle(*d.form), MainTitle + "trip.par1");
    // The file's screen record: the 320 x 240 screen of writer_symbols.par1.
    EXPECT_EQ(d.form->Layout().DeviceTypeCode, "HPC");
    EXPECT_FALSE(d.form->Layout().Modified);
}

TEST(FileArgument, AKeyFileOpensOnTheKeyTab) {
    StartedWith d;
    fs::path opened;
    d.Start([&](const TempFolder& documents) {
        return opened = documents.Write("buttons.key2", "a1,Up,2\r\nc1,4,9,14,Mark\r\n");
    });
    ASSERT_TRUE(d.form);
    EXPECT_TRUE(d.prompter.Shown.isEmpty()) << d.prompter.Shown.join("\n").toStdString();
    EXPECT_EQ(d.form->Tabs()->currentIndex(), MainForm::KeyTabIndex);
    EXPECT_EQ(d.form->KeyMapPage()->KeyFileName(), opened);
    EXPECT_EQ(d.form->Keys().FindScreenButton(4, 9)->Caption, "Mark");
    EXPECT_EQ(ShownTitle(*d.form), MainTitle + "buttons.key2");
    // The layout is the remembered one.
    EXPECT_EQ(d.form->ParameterFileName(), d.documents.Folder() / "remembered.par1");
}

TEST(FileArgument, AFileThatCannotBeOpenedIsToldAndASaveAsksForAName) {
    struct Case {
        std::function<fs::path(const TempFolder&)> file;
        QString told;
        bool keys;
    };
    const Case cases[] = {
        {[](const TempFolder& d) { return d.Folder() / "absent.par1"; }, "it does not exist.",
         false},
        {[](const TempFolder& d) { return d.MakeFolder("folder.par1"); }, "it is a folder.", false},
        {[](const TempFolder& d) { return fs::path(d.Write("notes.txt", "shopping list\r\n")); },
         "holds no boxes; nothing was loaded.", false},
        {[](const TempFolder& d) { return d.Folder() / "absent.key2"; }, "it does not exist.",
         true},
    };
    for (const Case& c : cases) {
        StartedWith d;
        d.Start(c.file);
        ASSERT_TRUE(d.form);
        ASSERT_EQ(d.prompter.Shown.size(), 1);
        EXPECT_TRUE(d.prompter.Shown[0].contains(c.told)) << d.prompter.Shown[0].toStdString();
        // The remembered layout is not what shows after a failed layout: its name goes.
        EXPECT_EQ(d.form->ParameterFileName(),
                  c.keys ? d.documents.Folder() / "remembered.par1" : fs::path());
    }
}
