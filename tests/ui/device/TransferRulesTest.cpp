// What a transfer refuses or asks before it changes anything, and what it
// keeps while it runs.
#include <QMenuBar>
#include <QTimer>

#include "DeviceFixture.h"
#include "core/io/FileIo.h"
#include "ui/app/StatusLine.h"

namespace roamplot::test {
namespace {

TEST_F(DeviceTransferTest, AGetTakesOnlyItsOwnKindAndEachKindKeepsItsOwnName) {
    Start();
    const std::string keyBytes = TestDataBytes("known-map.key2");
    PutOnDevice("mykeys.key2", keyBytes);
    PutOnDevice("MY.PAR1", TestDataBytes("writer_pages.par1"));
    const int slot = designer->AddBox({10, 10, 60, 30});
    Form().SetParameterFileName(designer->folder.File("mine.par1"));
    Form().Keys().AssignHardwareKey(0, 3);
    Form().KeyMapPage()->SetKeyFileName(designer->folder.File("Mine.key2"));

    TypeAnswer("mykeys.key2");
    SendKeys();
    ASSERT_EQ(*ReadFileBytes(OnDevice("mykeys.key2")).value().data(), ';');
    const std::optional<std::string> sentKeys = ReadFileBytes(Device().TempFile());
    // A key file fetched as a layout would replace it with rubbish.
    TypeAnswer("mykeys.key2");
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

    // Names are matched without regard to case, as on the handheld.
    TypeAnswer("MY.PAR1");
    GetLayout();
    EXPECT_EQ(Form().Layout().PageAt(1).PageName, "Main");
    EXPECT_EQ(Form().ParameterFileName(), "\\Roamplot 2\\MY.PAR1");

    // The key get offers the key name, and refuses the layout's.
    TypeAnswer("MY.PAR1");
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
    TypeAnswer("new.par1");
    SendLayout();
    EXPECT_EQ(Prompter().Of("yesno").size(), 1);
    Prompter().ConfirmAnswers = {true};
    TypeAnswer("TRIP.par1");
    SendLayout();
    EXPECT_EQ(Prompter().Of("yesno").last(), "TRIP.par1 already exists on the PDA. Replace it?");
    EXPECT_EQ(ReadFileBytes(OnDevice("Trip.PAR1"))->rfind("RoamplotCE Parameter File", 0), 0u);
    EXPECT_EQ(Prompter().Of("timed"),
              QStringList({"1 2000 Save to PDA Successful", "1 2000 Save to PDA Successful"}));

    // Key files alike.
    PutOnDevice("buttons.key2", "old");
    Prompter().ConfirmAnswers = {false};
    TypeAnswer("Buttons.key2");
    SendKeys();
    EXPECT_EQ(Prompter().Of("yesno").last(), "Buttons.key2 already exists on the PDA. Replace it?");
    EXPECT_EQ(*ReadFileBytes(OnDevice("buttons.key2")), "old");
}

TEST_F(DeviceTransferTest, KeysTypedWhileATransferRunsAreRefusedAndTheFieldIsKept) {
    Start();
    const int first = designer->AddBox({10, 10, 60, 30});
    designer->AddBox({10, 50, 60, 30});
    Select(*designer, first);
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
        bool Typed = false;
        int Boxes = 0;
        QString PageName;
        bool MenusEnabled = true;
    } during;
    TypeAnswer("typed.par1");
    auto typeName = std::move(Prompter().DialogAnswers.back());
    Prompter().DialogAnswers.back() = [&, typeName](QDialog& dialog) {
        // The first events let through are those of the copy.
        QTimer::singleShot(0, [&] {
            // The user turns to the main window while it copies.
            Activate(Form());
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget()
                                                          : static_cast<QWidget*>(&Form());
            for (auto key : {Qt::Key_Delete, Qt::Key_Insert, Qt::Key_PageDown})
                QTest::keyClick(target, key);
            QTest::keyClick(target, Qt::Key_Z, Qt::ControlModifier);
            QTest::keyClick(target, Qt::Key_Delete, Qt::ControlModifier);
            QTest::keyClicks(target, "Ride");
            during.Typed = true;
            during.Boxes = Form().Layout().BoxCount(1);
            during.PageName = designer->Tab().cPageName->text();
            during.MenusEnabled = Form().findChild<QMenuBar*>()->isEnabled();
        });
        typeName(dialog);
    };
    // A symbol too large for the file makes the send copy it, letting events through.
    ParameterBox& big = designer->Box(first);
    big.Kind = BoxKind::Background;
    big.ParameterId = "400";
    big.SymbolPlacement = 3;
    Dib picture;
    picture.Header.Width = 100;
    picture.Header.Height = 100;
    picture.Header.SizeImage = static_cast<uint32_t>(picture.RowStride() * 100);
    picture.Pixels.assign(picture.Header.SizeImage, 0x11);
    big.Symbol = picture;
    big.SymbolFile = designer->folder.Write("big.bmp", "picture");
    SendLayout();

    ASSERT_TRUE(during.Typed);
    EXPECT_FALSE(during.MenusEnabled);
    EXPECT_EQ(during.Boxes, 2) << "neither deleted nor added";
    EXPECT_EQ(during.PageName, pageName);
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
}

TEST_F(DeviceTransferTest, AfterAGetTheCaptionNamesNoFileThatIsNotOpenAndSaveOffersThisPc) {
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
    TypeAnswer("Trip.par1");
    GetLayout();
    EXPECT_EQ(ShownTitle(Form()), MainTitle + "Trip.par1") << "the layout is the fetched file";
    Activate(Form());
    save();
    ASSERT_EQ(Prompter().FileRequests.size(), 2);
    EXPECT_EQ(Prompter().FileRequests[1].InitialFile,
              QStringFromPath(fs::path(work.Path()) / "Trip.par1"));

    // Key files alike: a fetched key file is offered beside the last one of this PC.
    PutOnDevice("mykeys.key2", TestDataBytes("known-map.key2"));
    Form().KeyMapPage()->SetKeyFileName(work.File("old.key2"));
    TypeAnswer("mykeys.key2");
    GetKeys();
    EXPECT_EQ(Form().KeyFileName(), "mykeys.key2");
    Form().Tabs()->setCurrentIndex(MainForm::KeyTabIndex);
    Activate(Form());
    save();
    ASSERT_EQ(Prompter().FileRequests.size(), 3);
    EXPECT_EQ(Prompter().FileRequests[2].InitialFile,
              QStringFromPath(fs::path(work.Path()) / "mykeys.key2"));

    // Neither is reopened at the next start, and neither is named there.
    ASSERT_TRUE(Form().close());
    ScriptedPrompter again;
    auto restarted = StartDesigner(Q(designer->folder.Path()), again);
    ASSERT_NE(restarted, nullptr);
    EXPECT_EQ(restarted->Layout().BoxCount(1), 0);
    EXPECT_EQ(ShownTitle(*restarted), MainTitle);
    EXPECT_EQ(restarted->Status()->File()->text(), "untitled");
    EXPECT_TRUE(restarted->KeyFileName().empty());
    restarted->Tabs()->setCurrentIndex(MainForm::KeyTabIndex);
    EXPECT_EQ(ShownTitle(*restarted), MainTitle);
    EXPECT_TRUE(again.Shown.isEmpty()) << again.Shown.join("\n").toStdString();
}

} // namespace
} // namespace roamplot::test
