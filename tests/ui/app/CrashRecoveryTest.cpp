// Recovery after a crash: a designer killed after edits, started again.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QSysInfo>

#include <cstdio>

#include "core/model/ParameterFileWriter.h"
#include "plain/Environment.h"
#include "qt/UiTest.h"
#include "ui/app/CrashRecovery.h"

namespace {

constexpr const char* ChildFolder = "ROAMPLOT_TEST_CHILD_PROGRAM_FOLDER";

// The same edits in every designer: a page renamed, and a command for the centre key.
void Edit(MainForm& form) {
    Activate(form);
    QLineEdit* pageName = form.PageDesignerPage()->cPageName;
    QTest::mouseClick(pageName, Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    QTest::keyClicks(QApplication::focusWidget(), " edited");
    Settle();
    form.Tabs()->setCurrentIndex(MainForm::KeyTabIndex);
    KeyMapTab* keys = form.KeyMapPage();
    ClickRow(keys->lHardware, 4);
    keys->cHardwareCommand->setFocus();
    QTest::keyClick(keys->cHardwareCommand, Qt::Key_Home);
    QTest::keyClick(keys->cHardwareCommand, Qt::Key_Down);
    QTest::keyClick(keys->cHardwareCommand, Qt::Key_Down);
    Settle();
}

CrashRecovery& RecoveryOf(MainForm& form) {
    return *form.findChild<CrashRecovery*>();
}

// What is compared of a layout: its file text without thumbnails.
std::string Text(const MainForm& form) {
    return ComposeParameterFile(form.Layout(), form.Screen(),
                                [](const ScreenLayout&, int) { return std::optional<Dib>(); })
        .Bytes;
}

QStringList Sessions(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
}

// A program folder remembering a layout and a key file, and a recovery folder of its own.
struct CrashScene {
    TempFolder program;
    TempFolder documents;
    TempFolder recovery;
    std::string layout;
    std::string keys;

    CrashScene() {
        CopyShippedCatalogues(program);
        layout = documents.Write("trip.par1", TestDataBytes("writer_pages.par1"));
        keys = documents.Write("buttons.key2", "a1,Up,2\r\n");
        program.Write(SettingsName, "[Parameters]\r\nFilename=" + layout +
                                        "\r\n[Buttons]\r\nFilename=" + keys + "\r\n");
    }
    ScopedEnvironment recoveryFolder{"ROAMPLOT_RECOVERY_FOLDER", recovery.Path()};

    // A designer of this test program edits, writes its copies, and is killed.
    void KillDesignerAfterEdits() {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(ChildFolder, Q(program.Path()));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_also_run_disabled_tests",
                     "--gtest_filter=CrashRecovery.DISABLED_EditsAndWaitsToBeKilled"});
        QByteArray said;
        while (!said.contains("copies written") && child.waitForReadyRead(30000))
            said += child.readAllStandardOutput();
        ASSERT_TRUE(said.contains("copies written")) << said.toStdString();
        child.kill(); // SIGKILL: nothing of the designer runs after it
        ASSERT_TRUE(child.waitForFinished(30000));
        EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
    }
};

} // namespace

// Run only by KillDesignerAfterEdits, in a process of its own.
TEST(CrashRecovery, DISABLED_EditsAndWaitsToBeKilled) {
    ScriptedPrompter prompter;
    auto form = StartDesigner(qEnvironmentVariable(ChildFolder), prompter);
    ASSERT_TRUE(form);
    Edit(*form);
    Tick(RecoveryOf(*form).Timer());
    RecoveryOf(*form).Flush();
    std::printf("copies written\n");
    std::fflush(stdout);
    while (true) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

TEST(CrashRecovery, AKilledDesignersEditsAreRecoveredUnderTheirFilesNames) {
    CrashScene scene;
    // What the edits make, in a designer that is not killed.
    std::string expected;
    KeyMap expectedKeys;
    {
        ScriptedPrompter prompter;
        auto form = StartDesigner(Q(scene.program.Path()), prompter);
        const std::string before = Text(*form);
        Edit(*form);
        expected = Text(*form);
        ASSERT_NE(expected, before);
        expectedKeys = form->Keys();
        prompter.ConfirmAnswers = {true, true};
        ASSERT_TRUE(form->close());
    }
    scene.KillDesignerAfterEdits();

    ScriptedPrompter prompter;
    auto form = StartDesigner(Q(scene.program.Path()), prompter);
    const QString question = "choose: The designer did not close normally. Recover the unsaved "
                             "changes of %1? [Recover/Discard]";
    EXPECT_EQ(prompter.Shown,
              QStringList({question.arg("trip.par1"), question.arg("buttons.key2")}));
    EXPECT_EQ(Text(*form), expected);
    EXPECT_EQ(form->Keys().HardwareKeys, expectedKeys.HardwareKeys);
    EXPECT_EQ(std::tuple(form->ParameterFileName().string(), form->Layout().Modified,
                         form->KeyMapPage()->KeyFileName().string(), form->Keys().Changed),
              std::tuple(scene.layout, true, scene.keys, true));
    EXPECT_TRUE(ShownTitle(*form).endsWith("trip.par1*"));

    // The killed designer's copies are gone; this designer holds the recovered work now.
    RecoveryOf(*form).Flush();
    EXPECT_EQ(Sessions(scene.recovery.Path().c_str()).size(), 2); // a folder and its lock
}

TEST(CrashRecovery, DiscardRemovesTheCopies) {
    CrashScene scene;
    scene.KillDesignerAfterEdits();
    {
        ScriptedPrompter prompter;
        prompter.ConfirmAnswers = {false, false};
        auto form = StartDesigner(Q(scene.program.Path()), prompter);
        EXPECT_EQ(prompter.Of("choose").size(), 2);
        EXPECT_FALSE(form->Layout().Modified);
        EXPECT_FALSE(form->Keys().Changed);
        EXPECT_EQ(form->ParameterFileName().string(), scene.layout);
    }
    EXPECT_EQ(Sessions(scene.recovery.Path().c_str()), QStringList());
    ScriptedPrompter again;
    auto form = StartDesigner(Q(scene.program.Path()), again);
    EXPECT_TRUE(again.Shown.isEmpty()) << again.Shown.join("\n").toStdString();
#ifndef _WIN32
    // A designer killed before it had anything to copy leaves only its lock, which goes too.
    // (Under Wine the lock's process number is not the one the system checks, so this part
    // runs on Linux only.)
    form.reset();
    QProcess ended; // a process that has ended: this test program, listing no test
    ended.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=-*"});
    const qint64 gone = ended.processId();
    ASSERT_TRUE(ended.waitForFinished(30000));
    QFile lock(Q(scene.recovery.File("ended.lock")));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(gone) + "\nroamplot-designer\n" +
               QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    form = StartDesigner(Q(scene.program.Path()), again);
    EXPECT_EQ(Sessions(scene.recovery.Path().c_str()).size(), 1); // only its own lock
#endif
}

TEST(CrashRecovery, TwoDesignersKeepTheirCopiesApartAndANormalCloseLeavesNone) {
    CrashScene scene;
    ScriptedPrompter first;
    auto running = StartDesigner(Q(scene.program.Path()), first);
    Edit(*running);
    Tick(RecoveryOf(*running).Timer());
    RecoveryOf(*running).Flush();
    ASSERT_EQ(Sessions(scene.recovery.Path().c_str()).size(), 2);

    ScriptedPrompter second;
    auto other = StartDesigner(Q(scene.program.Path()), second);
    EXPECT_TRUE(second.Of("choose").isEmpty());
    EXPECT_FALSE(other->Layout().Modified);
    other.reset();
    EXPECT_EQ(Sessions(scene.recovery.Path().c_str()).size(), 2);

    // Closed normally, without saving: the copies go all the same.
    first.ConfirmAnswers = {true, true};
    ASSERT_TRUE(running->close());
    running.reset();
    EXPECT_EQ(Sessions(scene.recovery.Path().c_str()), QStringList());
}

TEST(CrashRecovery, AFolderThatCannotBeWrittenTurnsRecoveryOffOnceSaid) {
    TempFolder program;
    CopyShippedCatalogues(program);
    const std::string blocked = program.Write("not-a-folder", "x") + "/Recovery";
    ScopedEnvironment recoveryFolder("ROAMPLOT_RECOVERY_FOLDER", blocked);
    ScriptedPrompter prompter;
    auto form = StartDesigner(Q(program.Path()), prompter);
    ASSERT_TRUE(form);
    EXPECT_EQ(prompter.Shown,
              QStringList{"message: The recovery folder \"" + QDir::toNativeSeparators(Q(blocked)) +
                          "\" cannot be written, so recovery after a crash is "
                          "off."});
    Edit(*form);
    Tick(RecoveryOf(*form).Timer());
    RecoveryOf(*form).Flush();
    EXPECT_EQ(prompter.Shown.size(), 1);
}

TEST(CrashRecovery, ADamagedCopyIsOfferedWithTheReadersReport) {
    CrashScene scene;
    // The copies of a designer that ended long ago, damaged: no lock is held for them.
    const fs::path session = scene.recovery.MakeFolder("ended");
    scene.recovery.Write("ended/names.txt", scene.layout + "\n");
    scene.recovery.Write("ended/layout.par1", "pg1,1,A\r\np1,002,map,1\r\np1,abc,sp,1\r\n");
    ScriptedPrompter prompter;
    auto form = StartDesigner(Q(scene.program.Path()), prompter);
    ASSERT_TRUE(form);
    EXPECT_EQ(prompter.Of("choose").size(), 1);
    EXPECT_EQ(prompter.Of("error"), QStringList{"'abc' is not a valid integer value"});
    // What was read before the damage is there, unsaved, under the file's name.
    EXPECT_TRUE(form->Layout().Modified);
    EXPECT_EQ(form->ParameterFileName().string(), scene.layout);
    EXPECT_FALSE(fs::exists(session));
}
