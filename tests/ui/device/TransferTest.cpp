// Sending and getting layouts and key files through the folder device: what
// each transfer refuses or asks before it changes anything, and what it keeps
// while it runs.
#include "core/device/RemoteApiLibrary.h"
#include "core/io/FileIo.h"
#include "plain/Environment.h"
#include "qt/UiTest.h"
#include "ui/app/StatusLine.h"
#include "ui/device/CopyingWindow.h"
#include "ui/device/DeviceCommands.h"
#include "ui/device/FileListDialog.h"
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QTimer>

namespace {

// What the file list showed when the scripted user met it.
struct FileListSeen {
    QStringList Names;
    QString ConfirmCaption;
    QString FileName;
    FileListMode Mode = FileListMode::None;
};

// A started designer whose handheld is a folder device over a temporary
// folder, named in the settings file as the designer reads it, and a
// scripted user for the file list.
class DeviceTransferTest : public ::testing::Test {
  protected:
    // The handheld folder (RoamplotCE Folder) exists below the mount with its Symbols.
    void Start(const std::string& deviceFolder = "\\Roamplot 2", bool deviceFolders = true) {
        if (deviceFolders)
            fs::create_directories(fs::path(mount.Path()) / "Roamplot 2" / "Symbols");
        designer =
            std::make_unique<DesignerFixture>("[Settings]\r\nDevice Mount Folder=" + mount.Path() +
                                              "\r\nRoamplotCE Folder=" + deviceFolder + "\r\n");
    }
    MainForm& Form() { return *designer->form; }
    ScriptedPrompter& Prompter() { return designer->prompter; }
    DeviceCommands& Device() { return *Form().Device(); }
    std::string OnDevice(const std::string& name) { return mount.File("Roamplot 2/" + name); }
    void PutOnDevice(const std::string& name, const std::string& bytes) {
        mount.Write("Roamplot 2/" + name, bytes);
    }

    void Record(const FileListDialog& list) {
        FileListSeen shown{{}, list.bConfirm->text(), list.eFileName->text(), list.Mode};
        for (int row = 0; row < list.lFiles->count(); ++row)
            shown.Names << list.lFiles->item(row)->text();
        seen.push_back(shown);
    }

    // The next file list as a user meets it: what it shows is recorded; a name
    // given is typed over the field's after a click into it; then a click on
    // the confirming button. A refused name leaves the list open; it is then
    // closed by its title bar.
    void Answer(std::optional<QString> typed = std::nullopt) {
        Prompter().DialogAnswers.push_back([this, typed](QDialog& dialog) {
            auto& list = dynamic_cast<FileListDialog&>(dialog);
            Record(list);
            if (typed) {
                Activate(list);
                QTest::mouseClick(list.eFileName, Qt::LeftButton);
                ASSERT_EQ(QApplication::focusWidget(), list.eFileName);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(QApplication::focusWidget(), *typed);
            }
            QTest::mouseClick(list.bConfirm, Qt::LeftButton);
        });
    }

    void SendLayout() { Click(designer->Tab().bSend); }
    void GetLayout() { Click(designer->Tab().bGet); }
    void SendKeys() { Form().KeyMapPage()->bSend->click(); }
    void GetKeys() { Form().KeyMapPage()->bGet->click(); }

    TempFolder mount;
    std::unique_ptr<DesignerFixture> designer;
    std::vector<FileListSeen> seen;
};

TEST_F(DeviceTransferTest, SendWritesTheLayoutIntoTheDeviceFolderAndKeepsTheCaption) {
    Start();
    // Which names are listed, and how, is FolderDeviceTest's.
    PutOnDevice("Old Loop.PAR1", "x");
    PutOnDevice("a.par1", "x");
    const int first = designer->AddBox({10, 10, 60, 30});
    const int second = designer->AddBox({10, 50, 60, 30});
    designer->Tab().cParameterList->setCurrentRow(first - 1);
    designer->Designer().cParameterListClick();
    ASSERT_EQ(designer->Designer().GetControl(), first);
    Form().SetParameterFileName(designer->folder.File("Trip.par1"));
    const QString caption = ShownTitle(Form());

    Answer();
    SendLayout();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].Names, QStringList({"a.par1", "old loop.par1"}));
    EXPECT_EQ(seen[0].ConfirmCaption, "Send");
    EXPECT_EQ(seen[0].FileName, "Trip.par1") << "preset from the current file's name";
    EXPECT_EQ(seen[0].Mode, FileListMode::Parameters);
    EXPECT_EQ(Device().FileList().Mode, FileListMode::None);
    EXPECT_EQ(Prompter().Of("timed"), QStringList("1 2000 Save to PDA Successful"));

    const std::optional<std::string> sent = ReadFileBytes(OnDevice("Trip.par1"));
    ASSERT_TRUE(sent);
    EXPECT_EQ(sent->rfind("RoamplotCE Parameter File\r\n", 0), 0u);
    EXPECT_EQ(*sent, *ReadFileBytes(Device().TempFile())) << "the transfer file stays beside";
    EXPECT_EQ(ShownTitle(Form()), caption);
    EXPECT_EQ(Form().ParameterFileName(), designer->folder.File("Trip.par1"));
    EXPECT_EQ(designer->Designer().GetControl(), first) << "the remembered box is selected again";
    EXPECT_NE(first, second);
}

// Large symbols are copied beside the file, letting events through: the windows wait,
// keys typed meanwhile are refused, and a close asked for follows the transfer.
TEST_F(DeviceTransferTest, WhileLargeSymbolsAreCopiedTheWindowsWaitAndACloseFollowsAfterwards) {
    Start();
    const int big = designer->AddBox({0, 0, 100, 100});
    const int small = designer->AddBox({0, 100, 100, 100});
    designer->SetUp([&](ScreenLayout& l) {
        for (auto [slot, height, name] : {std::tuple{big, 61, "big.bmp"}, {small, 60, "small.bmp"}})
            l.Box(1, slot) =
                WithSymbol(NewBox(1, BoxKind::Background, "400", 0, 100 * slot - 100, 100, 100), 3,
                           PatternDib(50, height, 24, slot),
                           designer->folder.Write(name, std::string("picture ") + name));
        l.Modified = true;
    });
    Select(*designer, big);
    Activate(Form());
    Settle();
    const QString pageName = designer->Tab().cPageName->text();
    // Which menus the tab shown offers.
    const auto menusEnabled = [this] {
        QList<bool> enabled;
        for (QAction* menu : Form().findChild<QMenuBar*>()->actions()) enabled << menu->isEnabled();
        return enabled;
    };
    const QList<bool> menusBefore = menusEnabled();
    ASSERT_TRUE(menusBefore.contains(false)) << "the key menu is not the page designer's";
    const std::size_t undoSteps = Form().Editor().History().Size();
    const std::string undoName = Form().Editor().History().UndoName();

    struct During {
        bool Checked = false, CopyingShown = false, TabsEnabled = true, PreviewEnabled = true,
             MenusEnabled = true, Closed = true;
        QString CopyingText, PageName;
        int Boxes = 0;
    } during;
    Answer("symbols.par1");
    auto typeName = std::move(Prompter().DialogAnswers.back());
    Prompter().DialogAnswers.back() = [&, typeName](QDialog& dialog) {
        // The first events let through are those of the copying.
        QTimer::singleShot(0, [&] {
            during.Checked = true;
            during.CopyingShown = Device().Copying().isVisible();
            during.CopyingText = Device().Copying().Text();
            during.TabsEnabled = Form().Tabs()->isEnabled();
            during.PreviewEnabled = designer->Preview().isEnabled();
            during.MenusEnabled = Form().findChild<QMenuBar*>()->isEnabled();
            // The user turns to the main window while it copies.
            Activate(Form());
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget()
                                                          : static_cast<QWidget*>(&Form());
            for (auto key : {Qt::Key_Delete, Qt::Key_Insert, Qt::Key_PageDown})
                QTest::keyClick(target, key);
            QTest::keyClick(target, Qt::Key_Z, Qt::ControlModifier);
            QTest::keyClick(target, Qt::Key_Delete, Qt::ControlModifier);
            QTest::keyClicks(target, "Ride");
            during.Boxes = Form().Layout().BoxCount(1);
            during.PageName = designer->Tab().cPageName->text();
            during.Closed = Form().close();
        });
        typeName(dialog);
    };
    SendLayout();

    ASSERT_TRUE(during.Checked);
    EXPECT_TRUE(during.CopyingShown);
    EXPECT_EQ(during.CopyingText, "Copying file : big.bmp");
    EXPECT_FALSE(during.TabsEnabled);
    EXPECT_FALSE(during.PreviewEnabled);
    EXPECT_FALSE(during.MenusEnabled);
    EXPECT_EQ(during.Boxes, 2) << "neither deleted nor added";
    EXPECT_EQ(during.PageName, pageName);
    EXPECT_FALSE(during.Closed) << "closing waits for the transfer";
    EXPECT_FALSE(Device().Copying().isVisible());
    EXPECT_TRUE(Form().isVisible());
    EXPECT_EQ(Form().Layout().BoxCount(1), 2);
    EXPECT_EQ(Form().Layout().CurrentPage, 1);
    EXPECT_EQ(std::tuple(Form().Editor().History().Size(), Form().Editor().History().UndoName()),
              std::tuple(undoSteps, undoName))
        << "nothing undone or added";
    EXPECT_EQ(Prompter().Of("timed"), QStringList("1 2000 Save to PDA Successful"));
    EXPECT_TRUE(Form().findChild<QMenuBar*>()->isEnabled());
    EXPECT_EQ(menusEnabled(), menusBefore);
    EXPECT_EQ(designer->Tab().cPageName->text(), pageName);
    EXPECT_EQ(Form().focusWidget(), designer->Tab().bSend) << "the user goes on where they were";

    QCoreApplication::processEvents();
    EXPECT_FALSE(Form().isVisible()) << "the close asked for during the transfer follows it";
    EXPECT_TRUE(Form().Tabs()->isEnabled());
    EXPECT_TRUE(Prompter().Of("confirm").last().startsWith("Changes have been made"));
}

// Why a fetched file would not load is FetchedFiles'.
TEST_F(DeviceTransferTest, AFailedGetChangesNothingAndSaysWhy) {
    Start();
    const int slot = designer->AddBox({10, 10, 60, 30});
    Form().SetParameterFileName(designer->folder.File("mine.par1"));
    designer->SetUp([](ScreenLayout& l) { l.Modified = false; });
    const QString caption = ShownTitle(Form());
    PutOnDevice("half.par1", "pg1,1,A\r\np1,002,map,1\r\np1,abc,sp,1\r\n");
    for (const char* name : {"gone.par1", "half.par1"}) {
        Answer(name);
        GetLayout();
    }
    EXPECT_EQ(Prompter().Of("message"),
              QStringList({"Could not get gone.par1 from the PDA: the file is not on the PDA. "
                           "Nothing was changed.",
                           "Could not get half.par1 from the PDA: it stopped loading: 'abc' is not "
                           "a valid integer value. Nothing was changed."}));
    EXPECT_EQ(Form().Layout().BoxCount(1), 1);
    EXPECT_EQ(designer->Box(slot).Kind, BoxKind::New);
    EXPECT_FALSE(Form().Layout().Modified);
    EXPECT_EQ(Form().ParameterFileName(), designer->folder.File("mine.par1"));
    EXPECT_EQ(ShownTitle(Form()), caption);

    // A key file alike: what the map keeps is FetchedFiles'.
    Form().KeyMapPage()->SetKeyFileName(designer->folder.File("Mine.key2"));
    PutOnDevice("bad.key2", TestDataBytes("bad-command.key2"));
    Answer("bad.key2");
    GetKeys();
    EXPECT_TRUE(Prompter().Of("message").last().startsWith(
        "Could not get bad.key2 from the PDA: it stopped loading: "));
    EXPECT_EQ(Form().KeyFileName(), designer->folder.File("Mine.key2"));
}

// Which names are refused is DeviceNames'.
TEST_F(DeviceTransferTest, ANameTheHandheldCannotHoldIsRefusedBeforeAnythingIsWritten) {
    Start();
    designer->AddBox({10, 10, 60, 30});
    Answer("bad:name.par1");
    SendLayout();
    EXPECT_EQ(Prompter().Of("message"),
              QStringList("The name \"bad:name.par1\" cannot be used on the PDA."));
    EXPECT_FALSE(fs::exists(Device().TempFile()));
    EXPECT_TRUE(fs::is_empty(fs::path(mount.Path()) / "Roamplot 2" / "Symbols"));
    EXPECT_FALSE(FileExists(OnDevice("bad:name.par1")));
    EXPECT_TRUE(Prompter().Of("timed").isEmpty());
}

TEST_F(DeviceTransferTest, ClosingTheFileListByItsTitleBarIsACancel) {
    Start();
    designer->AddBox({10, 10, 60, 30});
    Form().SetParameterFileName(designer->folder.File("Trip.par1"));
    Prompter().DialogAnswers.push_back([](QDialog&) {}); // closed by the title bar
    SendLayout();
    EXPECT_TRUE(Device().FileList().ChosenFile().isEmpty());
    EXPECT_TRUE(fs::is_empty(fs::path(mount.Path()) / "Roamplot 2" / "Symbols"));
    EXPECT_FALSE(FileExists(OnDevice("Trip.par1")));

    // The emptied field then asks for a name instead of reusing the old one.
    Answer();
    GetLayout();
    EXPECT_EQ(Prompter().Of("message"), QStringList("Select a File from the list."));
    EXPECT_TRUE(Prompter().Of("timed").isEmpty());
}

TEST_F(DeviceTransferTest, ASendToAFolderMissingOnTheHandheldFails) {
    Start("\\Elsewhere");
    designer->AddBox({10, 10, 60, 30});
    Answer("my.par1");
    SendLayout();
    EXPECT_EQ(Prompter().Of("timed"), QStringList("1 2000 Could not Save to PDA"));
}

TEST_F(DeviceTransferTest, TheFileListTakesAClickedOrTypedNameAndIsCentredOnTheMainWindow) {
    Start();
    FileListDialog& list = Device().FileList();

    Form().move(200, 100);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form()));
    list.ShowDeviceFiles({"a.par1", "b.par1"});
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    EXPECT_LE((list.frameGeometry().center() - Form().frameGeometry().center()).manhattanLength(),
              2);
    QTest::mouseClick(list.lFiles->viewport(), Qt::LeftButton, {},
                      list.lFiles->visualItemRect(list.lFiles->item(1)).center());
    EXPECT_EQ(list.eFileName->text(), "b.par1");
    EXPECT_EQ(list.ChosenFile(), "b.par1");
    QTest::keyClicks(list.eFileName, "x");
    EXPECT_EQ(list.ChosenFile(), "b.par1x");

    list.bCancel->click();
    EXPECT_FALSE(list.isVisible());
    EXPECT_TRUE(list.ChosenFile().isEmpty());
    EXPECT_TRUE(list.eFileName->text().isEmpty());
    EXPECT_EQ(list.lFiles->count(), 0);
}

TEST_F(DeviceTransferTest, AGetTakesOnlyItsOwnKindAndEachKindKeepsItsOwnName) {
    Start();
    const std::string keyBytes = TestDataBytes("known-map.key2");
    PutOnDevice("mykeys.key2", keyBytes);
    PutOnDevice("MY.PAR1", TestDataBytes("writer_pages.par1"));
    const int slot = designer->AddBox({10, 10, 60, 30});
    Form().SetParameterFileName(designer->folder.File("mine.par1"));
    Form().Keys().AssignHardwareKey(0, 3);
    Form().KeyMapPage()->SetKeyFileName(designer->folder.File("Mine.key2"));

    Answer("mykeys.key2");
    SendKeys();
    ASSERT_EQ(*ReadFileBytes(OnDevice("mykeys.key2")).value().data(), ';');
    const std::optional<std::string> sentKeys = ReadFileBytes(Device().TempFile());
    // A key file fetched as a layout would replace it with rubbish.
    Answer("mykeys.key2");
    Prompter().ConfirmAnswers = {true}; // the unsaved layout may be replaced
    GetLayout();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].FileName, "") << "the key name is the key transfers' own";
    EXPECT_EQ(Prompter().Of("message"),
              QStringList("mykeys.key2 is not a parameter file (.par1)."));
    EXPECT_EQ(Form().Layout().BoxCount(1), 1);
    EXPECT_EQ(designer->Box(slot).Kind, BoxKind::New);
    EXPECT_EQ(Form().ParameterFileName(), designer->folder.File("mine.par1"));
    EXPECT_EQ(ReadFileBytes(Device().TempFile()), sentKeys) << "nothing was fetched";

    Answer("MY.PAR1");
    GetLayout();
    EXPECT_EQ(Form().ParameterFileName(), "\\Roamplot 2\\MY.PAR1");

    // The key get offers the key name, and refuses the layout's.
    Answer("MY.PAR1");
    GetKeys();
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[3].FileName, "mykeys.key2");
    EXPECT_EQ(Prompter().Of("message").last(), "MY.PAR1 is not a key file (.key1 or .key2).");
    EXPECT_EQ(Form().Keys().HardwareKeys[0], 3) << "the key map is untouched";
    EXPECT_EQ(Form().KeyFileName(), designer->folder.File("Mine.key2"));
    EXPECT_FALSE(Prompter().Of("message").contains("Get from PDA Successful"));

    // The parameter get offers the layout's name again.
    Answer();
    GetLayout();
    EXPECT_EQ(seen.back().FileName, "MY.PAR1");
}

TEST_F(DeviceTransferTest, ASendAsksBeforeReplacingAFileOnTheHandheld) {
    Start();
    PutOnDevice("Trip.PAR1", "old");
    designer->AddBox({10, 10, 60, 30});
    Form().SetParameterFileName(designer->folder.File("trip.par1"));

    Prompter().ConfirmAnswers = {false};
    Answer();
    SendLayout();
    EXPECT_EQ(Prompter().Of("yesno"),
              QStringList("trip.par1 already exists on the PDA. Replace it?"));
    EXPECT_EQ(*ReadFileBytes(OnDevice("Trip.PAR1")), "old");
    EXPECT_TRUE(Prompter().Of("timed").isEmpty());
    EXPECT_TRUE(Device().FileList().ChosenFile().isEmpty()) << "the list was closed unsent";

    // A new name asks nothing; a yes replaces.
    Answer("new.par1");
    SendLayout();
    EXPECT_EQ(Prompter().Of("yesno").size(), 1);
    Prompter().ConfirmAnswers = {true};
    Answer("TRIP.par1");
    SendLayout();
    EXPECT_EQ(Prompter().Of("yesno").last(), "TRIP.par1 already exists on the PDA. Replace it?");
    EXPECT_EQ(ReadFileBytes(OnDevice("Trip.PAR1"))->rfind("RoamplotCE Parameter File", 0), 0u);
    EXPECT_EQ(Prompter().Of("timed"),
              QStringList({"1 2000 Save to PDA Successful", "1 2000 Save to PDA Successful"}));

    // Key files alike.
    PutOnDevice("buttons.key2", "old");
    Prompter().ConfirmAnswers = {false};
    Answer("Buttons.key2");
    SendKeys();
    EXPECT_EQ(Prompter().Of("yesno").last(), "Buttons.key2 already exists on the PDA. Replace it?");
    EXPECT_EQ(*ReadFileBytes(OnDevice("buttons.key2")), "old");
}

// Where Save proposes a fetched file is SaveTarget's; the get's question is the menu bar's.
TEST_F(DeviceTransferTest, AGetNamesTheFetchedFileSaveOffersThisPcAndTheNextStartOpensNothing) {
    Start();
    designer->AddBox({10, 10, 60, 30});
    // The last file of this PC.
    TempFolder work;
    Activate(Form());
    const auto save = [this] {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &Form(), Qt::Key_S, Qt::ControlModifier);
    };
    Prompter().FileAnswers = {Q(work.File("coast.par1"))};
    save();
    ASSERT_TRUE(FileExists(work.File("coast.par1")));

    PutOnDevice("Trip.par1", TestDataBytes("writer_pages.par1"));
    Answer("Trip.par1");
    GetLayout();
    EXPECT_EQ(Form().ParameterFileName(), "\\Roamplot 2\\Trip.par1");
    EXPECT_EQ(ShownTitle(Form()), MainTitle + "Trip.par1");
    EXPECT_FALSE(Form().Layout().Modified);
    EXPECT_EQ(Form().Layout().PageAt(1).PageName, "Main");
    EXPECT_TRUE(Prompter().Of("message").isEmpty());

    // A second get offers the name left in the field.
    std::string changed = TestDataBytes("writer_pages.par1");
    changed.replace(changed.find("b1,1,Main"), 9, "b1,1,Again");
    PutOnDevice("Trip.par1", changed);
    Answer();
    GetLayout();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(std::tuple(seen[1].FileName, seen[1].ConfirmCaption), std::tuple("Trip.par1", "Get"));
    EXPECT_EQ(Form().Layout().PageAt(1).PageName, "Again");
    Activate(Form());
    save();
    ASSERT_EQ(Prompter().FileRequests.size(), 2);
    EXPECT_EQ(Prompter().FileRequests[1].InitialFile,
              QStringFromPath(fs::path(work.Path()) / "Trip.par1"));

    // Key files alike: a fetched key file is offered beside the last one of this PC.
    PutOnDevice("mykeys.key2", TestDataBytes("known-map.key2"));
    Form().KeyMapPage()->SetKeyFileName(work.File("old.key2"));
    Answer("mykeys.key2");
    GetKeys();
    EXPECT_EQ(Form().KeyFileName(), "mykeys.key2");
    Form().Tabs()->setCurrentIndex(MainForm::KeyTabIndex);
    Activate(Form());
    save();
    ASSERT_EQ(Prompter().FileRequests.size(), 3);
    EXPECT_EQ(Prompter().FileRequests[2].InitialFile,
              QStringFromPath(fs::path(work.Path()) / "mykeys.key2"));

    // Neither is reopened at the next start, and neither is named there, though the
    // settings hold the handheld's name and the working folder a PC file of that name.
    ASSERT_TRUE(Form().close());
    EXPECT_PRED2(Holds, Ini(*designer), "Filename=\\Roamplot 2\\Trip.par1");
    TempFolder current;
    current.Write("\\Roamplot 2\\Trip.par1", TestDataBytes("writer_pages.par1"));
    const fs::path before = fs::current_path();
    fs::current_path(current.Path());
    ScriptedPrompter again;
    auto restarted = StartDesigner(Q(designer->folder.Path()), again);
    fs::current_path(before);
    ASSERT_NE(restarted, nullptr);
    EXPECT_EQ(restarted->Layout().BoxCount(1), 0);
    EXPECT_EQ(ShownTitle(*restarted), MainTitle);
    EXPECT_EQ(restarted->Status()->File()->text(), "untitled");
    EXPECT_TRUE(restarted->KeyFileName().empty());
    restarted->Tabs()->setCurrentIndex(MainForm::KeyTabIndex);
    EXPECT_EQ(ShownTitle(*restarted), MainTitle);
    EXPECT_TRUE(again.Shown.isEmpty()) << again.Shown.join("\n").toStdString();
}

TEST_F(DeviceTransferTest, KeysGoToTheHandheldAndComeBack) {
    Start();
    PutOnDevice("other.KEY2", "x");
    PutOnDevice("trip.par1", "x");
    KeyMap& keys = Form().Keys();
    keys.AssignHardwareKey(0, 3);
    keys.AssignScreenButton(2, 4, 5, "Zoom");
    Form().KeyMapPage()->SetKeyFileName(designer->folder.File("Mine.key2"));
    Form().Tabs()->setCurrentIndex(MainForm::KeyTabIndex);

    Answer("buttons.key2");
    SendKeys();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].Names, QStringList("other.key2"));
    EXPECT_EQ(seen[0].FileName, "Mine.key2");
    EXPECT_EQ(seen[0].ConfirmCaption, "Send");
    EXPECT_EQ(seen[0].Mode, FileListMode::Keys);
    EXPECT_EQ(Prompter().Of("timed"), QStringList("1 2000 Save to PDA Successful"));
    EXPECT_NE(ReadFileBytes(OnDevice("buttons.key2"))->find("a1,Up,"), std::string::npos);
    EXPECT_EQ(Form().KeyFileName(), designer->folder.File("Mine.key2"))
        << "the transfer file never becomes the current key file";
    EXPECT_EQ(ShownTitle(Form()), MainTitle + "Mine.key2*") << "the map is still unsaved";

    keys.AssignHardwareKey(0, 7);
    keys.AssignScreenButton(2, 4, 0, "");
    Answer("buttons.key2");
    GetKeys();
    EXPECT_EQ(Prompter().Of("confirm"),
              QStringList("Changes have been made to the button settings which have not been "
                          "saved. Load a new file?"));
    EXPECT_EQ(seen[1].ConfirmCaption, "Get");
    EXPECT_EQ(keys.HardwareKeys[0], 3);
    EXPECT_EQ(keys.FindScreenButton(2, 4)->Caption, "Zoom");
    EXPECT_FALSE(keys.Changed);
    EXPECT_EQ(Form().KeyFileName(), "buttons.key2");
    EXPECT_EQ(ShownTitle(Form()), MainTitle + "buttons.key2");
    EXPECT_EQ(Prompter().Of("message"), QStringList("Get from PDA Successful"));
}

TEST_F(DeviceTransferTest, AGetAsksBeforeReplacingUnsavedWorkAndACancelGetsNothing) {
    Start();
    PutOnDevice("a.key2", "a1,Up,5\r\n");
    PutOnDevice("a.par1", *ReadFileBytes(TestData("writer_pages.par1")));
    Form().Keys().AssignHardwareKey(0, 3);
    designer->AddBox({10, 10, 60, 30});
    Prompter().ConfirmAnswers = {false, false};
    Answer("a.key2");
    GetKeys();
    Answer("a.par1");
    GetLayout();
    EXPECT_EQ(Prompter().Of("confirm").size(), 2);
    EXPECT_EQ(Prompter().Of("dialog"), QStringList()) << "asked before anything else";
    EXPECT_EQ(Form().Keys().HardwareKeys[0], 3);
    EXPECT_TRUE(Form().Layout().Modified);
    EXPECT_EQ(Form().Layout().BoxCount(1), 1);
}

TEST_F(DeviceTransferTest, WithoutTheHandheldTheCommandsStopAfterSayingSo) {
    Start("\\Roamplot 2", false);
    fs::remove_all(mount.Path());
    SendLayout();
    GetLayout();
    SendKeys();
    GetKeys();
    EXPECT_EQ(
        Prompter().Of("message"),
        QStringList({"Cannot connect to PDA", "Cannot connect to PDA", "Cannot connect to PDA",
                     "Could not Save to PDA", "Cannot connect to PDA",
                     "Key2 file not found on the PDA or could not be transferred."}));
    EXPECT_EQ(Prompter().Of("dialog"), QStringList());
}

TEST_F(DeviceTransferTest, WithoutAStorageFolderTheRemoteApiLibraryIsLoadedByName) {
    fs::create_directories(fs::path(mount.Path()) / "Roamplot 2" / "Symbols");
    ScopedEnvironment library("ROAMPLOT_RAPI_LIBRARY", TEST_RAPI_LIBRARY);
    ScopedEnvironment folder("ROAMPLOT_DEVICE_MOUNT", mount.Path());
    auto calls = reinterpret_cast<int (*)(const char*)>(
        FindLibraryFunction(TEST_RAPI_LIBRARY, "RoamplotTestCalls"));
    auto reset =
        reinterpret_cast<void (*)()>(FindLibraryFunction(TEST_RAPI_LIBRARY, "RoamplotTestReset"));
    ASSERT_TRUE(calls && reset);
    reset();
    designer = std::make_unique<DesignerFixture>();

    // How the library copies and refuses is LibraryDeviceTest's.
    Answer("buttons.key2");
    SendKeys();
    EXPECT_TRUE(FileExists(OnDevice("buttons.key2")));
    EXPECT_EQ(Prompter().Of("timed"), QStringList("1 2000 Save to PDA Successful"));
    EXPECT_EQ(calls("CeRapiInitEx"), 1) << "one connection a command, the listing nested in it";
    EXPECT_EQ(calls("CeRapiUninit"), 1);
    reset();
}

} // namespace

// What a transfer refuses or asks before it changes anything, and what it
// keeps while it runs.
