#include <QLineEdit>
#include <QSignalSpy>

#include "qt/UiTest.h"
#include "ui/keymap/KeyMapLists.h"

namespace {

// Picks an entry with the keyboard, as a user does on a closed chooser.
void ChooseByKeys(QComboBox* chooser, int index) {
    chooser->setFocus();
    QTest::keyClick(chooser, Qt::Key_Home);
    for (int i = 0; i < index; ++i) QTest::keyClick(chooser, Qt::Key_Down);
}

void TypeCaption(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

class KeyMapTabTest : public ::testing::Test {
  protected:
    KeyMapTabTest() {
        catalogue.Load("3,No Action,Nothing at all happens on this key\n5,Zoom In,Zoom +\n"
                       "12,Next Page,Next\n31,Mark Waypoint,Mark here\n");
        tab = std::make_unique<KeyMapTab>(map, catalogue, prompter);
        tab->ShowButtonKeyCodes(
            {"193", "194", "195", "196", "197", "198", "199", "200", "201", "202"});
        tab->resize(760, 560);
        tab->show();
    }

    void ShowInnerTab(int index) {
        tab->InnerTabs->setCurrentIndex(index);
        QCoreApplication::processEvents();
    }

    CommandCatalogue catalogue;
    KeyMap map;
    ScriptedPrompter prompter;
    TempFolder folder;
    std::unique_ptr<KeyMapTab> tab;
};

} // namespace

TEST_F(KeyMapTabTest, ListsAndChoosersShowTheMapAndTheCatalogue) {
    ASSERT_EQ(tab->lHardware->topLevelItemCount(), 15);
    EXPECT_EQ(tab->lHardware->topLevelItem(4)->text(0), "Centre");
    EXPECT_EQ(tab->lHardware->topLevelItem(5)->text(0), "#1");
    EXPECT_EQ(tab->lHardware->topLevelItem(14)->text(0), "#10");
    EXPECT_EQ(tab->lHardware->topLevelItem(14)->text(1), "No Action");
    ASSERT_EQ(tab->lScreen->topLevelItemCount(), 36);
    QTreeWidgetItem* page2button5 = tab->lScreen->topLevelItem(13);
    EXPECT_EQ(page2button5->text(0), "2");
    EXPECT_EQ(page2button5->text(1), "#5");

    for (QComboBox* chooser : {tab->cHardwareCommand, tab->cScreenCommand}) {
        ASSERT_EQ(chooser->count(), 4);
        EXPECT_EQ(chooser->itemText(3), "Mark Waypoint");
        EXPECT_EQ(chooser->currentIndex(), 0);
        EXPECT_FALSE(chooser->isEditable());
    }
    EXPECT_EQ(tab->eCaption->text(), "Nothing at all happens on");
    EXPECT_FALSE(map.Changed);
}

TEST_F(KeyMapTabTest, ChoosingForTheFocusedHardwareKeyAssignsIt) {
    ClickRow(tab->lHardware, 4);
    EXPECT_EQ(tab->lHardwareKey->text(), "Centre");
    ChooseByKeys(tab->cHardwareCommand, 2);
    EXPECT_EQ(map.HardwareKeys[4], 2);
    EXPECT_EQ(tab->lHardware->topLevelItem(4)->text(1), "Next Page");
    EXPECT_TRUE(map.Changed);

    // Focusing another key only shows its command.
    ClickRow(tab->lHardware, 14);
    EXPECT_EQ(tab->lHardwareKey->text(), "Button #10");
    EXPECT_EQ(tab->cHardwareCommand->currentIndex(), 0);
    EXPECT_EQ(map.HardwareKeys[14], 0);
    EXPECT_EQ(map.HardwareKeys[4], 2);
}

// Whether such a caption is an undo step is KeyMapHistory's.
TEST_F(KeyMapTabTest, FocusingAButtonWithoutCaptionStoresTheDefaultOnlyWhenTheFieldChanges) {
    ShowInnerTab(1);
    // The field already shows the first command's caption: nothing changes, nothing is stored.
    ClickRow(tab->lScreen, 18);
    EXPECT_EQ(tab->lScreenButton->text(), "Page 3  Button #1");
    EXPECT_EQ(map.FindScreenButton(3, 1)->Caption, "");
    EXPECT_FALSE(map.Changed);

    ClickRow(tab->lScreen, 0);
    TypeCaption(tab->eCaption, "Other");
    EXPECT_EQ(*map.FindScreenButton(1, 1), (ScreenButton{0, "Other"}));
    EXPECT_TRUE(map.Changed);
    map.Changed = false;
    // The default the focus stores is no change: closing asks nothing.
    ClickRow(tab->lScreen, 18);
    EXPECT_EQ(*map.FindScreenButton(3, 1), (ScreenButton{0, "Nothing at all happens on"}));
    EXPECT_EQ(tab->lScreen->topLevelItem(18)->text(3), "Nothing at all happens on");
    EXPECT_FALSE(map.Changed);
    EXPECT_TRUE(tab->ConfirmClose());
    EXPECT_TRUE(prompter.Shown.isEmpty());
    // A stored caption is shown as it is.
    ClickRow(tab->lScreen, 0);
    EXPECT_EQ(tab->eCaption->text(), "Other");
}

TEST_F(KeyMapTabTest, ChoosingAScreenCommandReplacesTheTypedCaption) {
    ShowInnerTab(1);
    ClickRow(tab->lScreen, 13);
    EXPECT_EQ(tab->lScreenButton->text(), "Page 2  Button #5");
    TypeCaption(tab->eCaption, "Typed");
    EXPECT_EQ(*map.FindScreenButton(2, 5), (ScreenButton{0, "Typed"}));
    ChooseByKeys(tab->cScreenCommand, 2);
    EXPECT_EQ(tab->eCaption->text(), "Next");
    EXPECT_EQ(*map.FindScreenButton(2, 5), (ScreenButton{2, "Next"}));
    EXPECT_EQ(tab->lScreen->topLevelItem(13)->text(2), "Next Page");
    EXPECT_EQ(tab->lScreen->topLevelItem(13)->text(3), "Next");
    // Only the focused button changed.
    EXPECT_EQ(*map.FindScreenButton(2, 4), ScreenButton{});

    // With no row focused a choice sets the field and stores nothing.
    tab->RebuildKeyLists();
    ChooseByKeys(tab->cScreenCommand, 3);
    EXPECT_EQ(tab->eCaption->text(), "Mark here");
    EXPECT_EQ(*map.FindScreenButton(2, 5), (ScreenButton{2, "Next"}));
}

// The question at the close is the Startup tests'.
TEST_F(KeyMapTabTest, LoadAsksAboutUnsavedChangesMergesLeavesNoRowFocusedAndKeepsTheWholePath) {
    ClickRow(tab->lHardware, 1);
    ChooseByKeys(tab->cHardwareCommand, 3);
    const KeyMap edited = map;
    ShowInnerTab(1);
    ClickRow(tab->lScreen, 5);
    QSignalSpy named(tab.get(), &KeyMapTab::KeyFileNameChanged);
    tab->SetKeyFileName("/old/place/previous.KEY2");

    prompter.ConfirmAnswers = {false};
    Click(tab->bLoad);
    EXPECT_EQ(prompter.Of("confirm").last(), KeyMapLoadQuestion);
    EXPECT_TRUE(prompter.FileRequests.isEmpty());
    EXPECT_EQ(map.HardwareKeys, edited.HardwareKeys);
    EXPECT_TRUE(map.Changed);

    prompter.ConfirmAnswers = {true};
    prompter.FileAnswers.push_back(Q(TestData("left-only.key2")));
    Click(tab->bLoad);
    ASSERT_EQ(prompter.FileRequests.size(), 1);
    EXPECT_EQ(prompter.FileRequests[0].InitialFile, "/old/place/previous.KEY2");
    EXPECT_TRUE(prompter.FileRequests[0].Filter.startsWith("Roamplot Key File (*.key2)"));
    EXPECT_TRUE(prompter.FileRequests[0].Filter.contains("Roamplot Key File (*.key1)"));

    EXPECT_EQ(tab->lHardware->topLevelItem(2)->text(1), "Next Page");
    // The whole path, so that the next start reopens the file wherever it lies.
    const std::filesystem::path whole = std::filesystem::absolute(TestData("left-only.key2"));
    EXPECT_EQ(QStringFromPath(tab->KeyFileName()), QStringFromPath(whole));
    EXPECT_EQ(named.last().at(0).toString(), QStringFromPath(whole));
    EXPECT_EQ(tab->lHardware->currentItem(), nullptr);
    EXPECT_EQ(tab->lScreen->currentItem(), nullptr);
    EXPECT_EQ(tab->lScreenButton->text(), "");
    EXPECT_FALSE(map.Changed);

    KeyMap before = map;
    ChooseByKeys(tab->cScreenCommand, 3);
    ShowInnerTab(0);
    ChooseByKeys(tab->cHardwareCommand, 3);
    EXPECT_EQ(map.HardwareKeys, before.HardwareKeys);
    EXPECT_EQ(map.ScreenButtons, before.ScreenButtons);
    EXPECT_FALSE(map.Changed);
}

TEST_F(KeyMapTabTest, SaveWritesTheFieldsKeyCodesAndKeepsTheFullPath) {
    tab->eButtonKeyCodes[3]->setText("-7");
    ClickRow(tab->lHardware, 0);
    ChooseByKeys(tab->cHardwareCommand, 1);
    ASSERT_TRUE(map.Changed);

    std::string typed = folder.File("mine"); // without extension
    prompter.FileAnswers.push_back(Q(typed));
    Click(tab->bSave);
    ASSERT_EQ(prompter.FileRequests.size(), 1);
    EXPECT_EQ(prompter.FileRequests[0].Filter, "Roamplot Key File (*.key2)");
    EXPECT_EQ(prompter.FileRequests[0].DefaultExtension, "key2");

    std::string written = folder.Read("mine.key2");
    EXPECT_PRED2(Holds, written, "\r\na1,Up,5\r\n");
    EXPECT_PRED2(Holds, written, "\r\nb1,4,-7,3\r\n");
    EXPECT_EQ(tab->KeyFileName(), typed + ".key2");
    EXPECT_FALSE(map.Changed);

    // The transfer file of a send leaves the name and the unsaved state alone.
    ChooseByKeys(tab->cHardwareCommand, 2);
    EXPECT_EQ(tab->WriteKeyFile(folder.File("temp.$$$")), "");
    EXPECT_EQ(tab->KeyFileName(), typed + ".key2");
    EXPECT_TRUE(map.Changed);
}

TEST_F(KeyMapTabTest, FailedReadsAndWritesAreReportedAndKeepTheName) {
    tab->SetKeyFileName("kept.key2");
    prompter.FileAnswers.push_back(Q(TestData("bad-command.key2")));
    Click(tab->bLoad);
    EXPECT_EQ(prompter.Of("error"), QStringList{"'abc' is not a valid integer value"});
    EXPECT_EQ(tab->lHardware->topLevelItem(0)->text(1), "Zoom In"); // read before the error
    EXPECT_EQ(tab->KeyFileName(), "kept.key2");

    fs::create_directory(folder.File("taken.key2"));
    prompter.FileAnswers.push_back(Q(folder.File("taken.key2")));
    Click(tab->bSave);
    EXPECT_EQ(prompter.Of("error").size(), 2);
    EXPECT_EQ(tab->KeyFileName(), "kept.key2");

    prompter.FileAnswers.push_back(Q(folder.Write("keys.txt", "a1,Up,31\r\n")));
    Click(tab->bLoad);
    EXPECT_EQ(prompter.Of("message").size(), 1);
    EXPECT_EQ(map.HardwareKeys[0], 1);
}

TEST_F(KeyMapTabTest, LoadDefaultsChangesOnlyTheKeyCodeFields) {
    ShowInnerTab(2);
    map.HardwareKeys[3] = 2;
    tab->eButtonKeyCodes[0]->setText("17");
    tab->eButtonKeyCodes[9]->clear();
    QTest::keyClicks(tab->eButtonKeyCodes[9], "4x2");
    EXPECT_EQ(tab->eButtonKeyCodes[9]->text(), "42");
    Click(tab->bLoadDefaults);
    ButtonKeyCodeTexts codes = tab->ButtonKeyCodes();
    EXPECT_EQ(codes[0], "193");
    EXPECT_EQ(codes[9], "202");
    EXPECT_EQ(map.HardwareKeys[3], 2);
    EXPECT_FALSE(map.Changed);
}

TEST_F(KeyMapTabTest, DeviceButtonsWaitForTheTransferToListen) {
    EXPECT_FALSE(tab->bGet->isEnabled());
    EXPECT_FALSE(tab->bSend->isEnabled());
    QSignalSpy sends(tab.get(), &KeyMapTab::SendRequested);
    EXPECT_TRUE(tab->bSend->isEnabled());
    EXPECT_FALSE(tab->bGet->isEnabled());
    Click(tab->bSend);
    EXPECT_EQ(sends.count(), 1);
}
