// The start of the designer, what it reads from the settings file and the
// catalogues, and the close that asks about unsaved work and writes the settings.
#include <QCheckBox>
#include <QLineEdit>

#include "qt/UiTest.h"
#include "ui/app/ConfigurationTab.h"

TEST(Startup, ACatalogueMissingStopsTheStartAndOneThatIsFaultyIsToldOnce) {
    std::string longCommands;
    for (int n = 1; n <= 103; ++n)
        longCommands += std::to_string(n) + ",Command " + std::to_string(n) + "\r\n";
    struct Case {
        const char* file;
        std::optional<std::string> bytes; // none: the file is missing
        QString told;                     // a part of the one message
        std::function<bool(MainForm&)> kept;
    };
    const Case cases[] = {
        {"Parameters.dat", std::nullopt, MissingFilesMessage, {}},
        {"commands.dat", std::nullopt, MissingFilesMessage, {}},
        {"Parameters.dat", "1,sp,Speed,Speed\nnonsense\n", "could not be read",
         [](MainForm& f) { return f.Catalogue().Size() == 2u; }},
        {"commands.dat", longCommands, "101",
         [](MainForm& f) { return f.KeyMapPage()->cScreenCommand->count() == 101; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file + std::string(c.bytes ? " faulty" : " missing"));
        TempFolder folder;
        CopyShippedCatalogues(folder);
        if (c.bytes)
            folder.Write(c.file, *c.bytes);
        else
            fs::remove(folder.File(c.file));
        ScriptedPrompter prompter;
        auto form = StartDesigner(Q(folder.Path()), prompter);
        ASSERT_EQ(prompter.Of("message").size(), 1) << prompter.Shown.join("\n").toStdString();
        EXPECT_TRUE(prompter.Of("message")[0].contains(c.told));
        ASSERT_EQ(form != nullptr, bool(c.kept));
        if (form) {
            EXPECT_TRUE(c.kept(*form));
            continue;
        }
        EXPECT_EQ(prompter.Shown, QStringList{QString("message: ") + MissingFilesMessage});
        for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(folder.Read(SettingsName), "");
    }
}

TEST(Startup, FirstStartShowsTheDefaultsAndCloseWritesThem) {
    DesignerFixture d(FloatingPreview());
    EXPECT_TRUE(d.prompter.Shown.isEmpty()) << d.prompter.Shown.join("\n").toStdString();
    ConfigurationTab* config = d.form->Configuration();
    EXPECT_EQ(config->cNumPages->value(), 5);
    EXPECT_EQ(config->eAdjust->text(), "1");
    EXPECT_EQ(config->eSnap->text(), "10");
    EXPECT_FALSE(config->cUseSnap->isChecked());
    EXPECT_FALSE(config->cLockWindows->isChecked());
    EXPECT_EQ(config->eDeviceFolder->text(), "\\Roamplot 2");
    // The preview stands beside the main window, not over it, both on the desk.
    const QRect mainFrame = d.form->frameGeometry();
    EXPECT_FALSE(mainFrame.intersects(d.Preview().frameGeometry()));
    EXPECT_TRUE(QRect(0, 0, 1600, 1000).contains(mainFrame));
    EXPECT_EQ(d.form->pos().y(), 20);
    EXPECT_EQ(d.Preview().y(), 20);
    const std::string mainLeft = "Left=" + std::to_string(d.form->x());
    DesignerSettings settings = d.form->CurrentSettings();
    EXPECT_EQ(settings.ButtonKeyCodes[0], "193");
    EXPECT_EQ(settings.ButtonKeyCodes[9], "202");
    EXPECT_EQ(ShownTitle(*d.form), MainTitle);
    EXPECT_GT(d.form->Catalogue().Size(), 120u);
    // Help opens the guide beside the program.
    Click(d.form->findChild<QPushButton*>("bHelp"));
    EXPECT_EQ(Native(d.prompter.Of("help")),
              Native(QStringList{Q(d.folder.Path()) + "/help/index.html"}));

    EXPECT_TRUE(d.form->close());
    d.form.reset();
    const std::string ini = Ini(d);
    // The names of the settings are DesignerSettings'.
    const std::string expected = "[Settings]|No of Pages=5|Snap Pixels=10|Button 10=202|"
                                 "[Mainform]|Top=20|[Device]|" +
                                 mainLeft;
    for (const QString& line : Q(expected).split('|')) EXPECT_PRED2(Holds, ini, line.toStdString());
    EXPECT_FALSE(Holds(ini, "Custom Device"));
}

TEST(Startup, ReadsHandWrittenSettingsClampsPositionsAndWritesABrowsedMountFolder) {
    DesignerFixture d(
        "[SETTINGS]\r\nno of pages=9\r\nuse snap=1\r\nSNAP PIXELS=7\r\nLock windows=1\r\n"
        "Device Mount Folder=/media/old\r\n[mainform]\r\nLEFT=5000\r\ntop=-30\r\n"
        "[Parameters]\r\nFilename=C:\\maps\\Trip.par1\r\n");
    ConfigurationTab* config = d.form->Configuration();
    EXPECT_EQ(config->cNumPages->value(), 9);
    EXPECT_TRUE(config->cUseSnap->isChecked());
    EXPECT_EQ(config->eSnap->text(), "7");
    EXPECT_TRUE(config->cLockWindows->isChecked());
    EXPECT_EQ(d.form->pos(), QPoint(100, 0));
    EXPECT_EQ(ShownTitle(*d.form), MainTitle) << "a remembered file not found is not named";

    EXPECT_EQ(config->eDeviceMountFolder->text(), "/media/old");
    const std::filesystem::path chosen = d.folder.Folder() / std::filesystem::path(u8"Kärtchen");
    d.prompter.FileAnswers = {"", QStringFromPath(chosen)};
    config->bBrowseDeviceMount->click();
    EXPECT_EQ(config->eDeviceMountFolder->text(), "/media/old") << "a cancelled browse keeps it";
    config->bBrowseDeviceMount->click();
    EXPECT_EQ(d.prompter.Of("folder"), QStringList(2, "Handheld storage folder on this PC"));
    EXPECT_EQ(d.form->CurrentSettings().DeviceMountFolder, chosen);
    EXPECT_TRUE(d.form->close());
    d.form.reset();
    EXPECT_PRED2(Holds, Ini(d), "Device Mount Folder=" + PathToUtf8(chosen));
}

// That the file is read once and merged at the close is SettingsFile's.
TEST(Startup, TheSettingsFileIsWrittenOnceAtTheCloseWithTheWindowsPlaces) {
    const std::string before =
        "[Settings]\r\nDock Preview=0\r\nNo of Pages=9\r\n[Device]\r\nLeft=300\r\n";
    DesignerFixture d(before);
    EXPECT_EQ(Ini(d), before);
    d.folder.Write(SettingsName, "[Settings]\r\nNo of Pages=2\r\n");
    d.Preview().move(320, 50);
    ASSERT_TRUE(d.form->close());
    const std::string closed = Ini(d);
    for (const char* line : {"No of Pages=9", "[Device]", "Left=320", "Top=50", "[Mainform]"})
        EXPECT_PRED2(Holds, closed, line);
    // That one write held the windows' places: taking them down writes nothing more.
    d.folder.Write(SettingsName, "written once");
    d.form.reset();
    EXPECT_EQ(Ini(d), "written once");
}

TEST(Startup, CloseAsksAboutTheLayoutThenTheKeysAndWritesTheSettingsOnlyWhenItCloses) {
    struct Case {
        bool layout, keys;
        std::deque<bool> answers;
        QStringList asked;
        bool closes;
    };
    const Case cases[] = {
        {false, false, {}, {}, true},
        {true, false, {false}, {CloseQuestion}, false},
        {true, false, {true}, {CloseQuestion}, true},
        {false, true, {false}, {KeyMapCloseQuestion}, false},
        {true, true, {false}, {CloseQuestion}, false},
        {true, true, {true, true}, {CloseQuestion, KeyMapCloseQuestion}, true},
    };
    const std::string before = "[Settings]\r\nNo of Pages=7\r\n";
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "layout " << c.layout << ", keys " << c.keys
                                        << ", answers " << c.answers.size());
        DesignerFixture d(before);
        if (c.keys) AssignFirstHardwareKey(*d.form, 3);
        ASSERT_EQ(d.form->Keys().Changed, c.keys);
        d.SetUp([&c](ScreenLayout& layout) { layout.Modified = c.layout; });
        d.prompter.ConfirmAnswers = c.answers;
        EXPECT_EQ(d.form->close(), c.closes);
        EXPECT_EQ(d.form->isVisible(), !c.closes);
        EXPECT_EQ(d.prompter.Of("confirm"), c.asked);
        EXPECT_EQ(Ini(d) == before, !c.closes) << Ini(d);
        if (!c.closes) {
            // What was cancelled is asked again at the next close, all of it in turn.
            d.prompter.ConfirmAnswers = {true, true};
            ASSERT_TRUE(d.form->close());
            QStringList all;
            if (c.layout) all << CloseQuestion;
            if (c.keys) all << KeyMapCloseQuestion;
            EXPECT_EQ(d.prompter.Of("confirm").mid(c.asked.size()), all);
        }
        EXPECT_PRED2(Holds, Ini(d), "[Buttons]");
    }
}

TEST(Startup, RemembersTheKeyFileWhateverTheCaseOfItsExtension) {
    TempFolder keys;
    const std::string file = keys.Write("keys.Key2", "a1,Up,2\r\nc1,4,9,14,Mark\r\n");
    DesignerFixture d("[Buttons]\r\nFilename=" + file + "\r\n[Button Defaults]\r\nButton 2=55\r\n");
    EXPECT_TRUE(d.prompter.Shown.isEmpty()) << d.prompter.Shown.join("\n").toStdString();
    const CommandCatalogue& commands = d.form->Commands();
    EXPECT_EQ(d.form->Keys().HardwareKeys[0], commands.FindCommandIndex(2));
    EXPECT_EQ(d.form->Keys().FindScreenButton(4, 9)->Caption, "Mark");
    EXPECT_FALSE(d.form->Keys().Changed);
    KeyMapTab* tab = d.form->KeyMapPage();
    EXPECT_EQ(tab->eButtonKeyCodes[1]->text(), "55");
    EXPECT_EQ(tab->lHardware->topLevelItem(0)->text(1),
              Q(commands.NameOf(commands.FindCommandIndex(2))));
    d.form->Tabs()->setCurrentIndex(MainForm::KeyTabIndex);
    EXPECT_EQ(d.form->Tabs()->tabText(MainForm::KeyTabIndex), KeyTabCaption);
    EXPECT_EQ(ShownTitle(*d.form), MainTitle + "keys.Key2");
}

TEST(Startup, AKeyFileThatStopsWithAnErrorDoesNotStopTheStart) {
    TempFolder keys;
    const std::string file = keys.Write("bad.key2", "a1,Up,2\r\nc1,1,1,abc\r\n");
    DesignerFixture d("[Buttons]\r\nFilename=" + file + "\r\n[MainForm]\r\nLeft=300\r\nTop=40\r\n");
    EXPECT_EQ(d.prompter.Of("message"), QStringList{"'abc' is not a valid integer value"});
    EXPECT_EQ(d.form->Keys().HardwareKeys[0], d.form->Commands().FindCommandIndex(2));
    EXPECT_EQ(d.form->pos(), QPoint(300, 40));
    EXPECT_FALSE(d.form->PanelLoading());
    EXPECT_EQ(ShownTitle(*d.form), MainTitle);
}
