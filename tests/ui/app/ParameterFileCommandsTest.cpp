#ifndef _WIN32
#include "plain/FileSizeLimit.h"
#endif
#include "qt/UiTest.h"
#include "ui/app/StatusLine.h"

namespace {

const char* MissingSymbolMessage =
    "message: These symbol files were not found; their boxes show no symbol and are saved "
    "without one:\nC:\\Symbols\\big map.bmp";

void ClickFile(DesignerFixture& d, const char* name) {
    auto* button = d.Tab().FileGroup()->findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    Click(button);
}

void AddMap(DesignerFixture& d) {
    d.SetUp([](ScreenLayout& layout) {
        layout.Box(1, 1) = NewBox(1, BoxKind::Map, "900", 0, 0, 100, 100);
        layout.Modified = true;
    });
}

} // namespace

TEST(ParameterFileCommands, SaveWritesTheFileAndRemembersItsName) {
    DesignerFixture d;
    AddMap(d);
    d.prompter.FileAnswers = {};
    ClickFile(d, "bSave");
    EXPECT_TRUE(d.form->Layout().Modified) << "a cancelled save changes nothing";
    ASSERT_EQ(d.prompter.FileRequests.size(), 1);
    EXPECT_EQ(d.prompter.FileRequests[0].Filter, "RoamCE Parameter Files (*.par1)");
    EXPECT_EQ(d.prompter.FileRequests[0].DefaultExtension, "par1");

    d.prompter.FileAnswers = {Q(d.folder.File("trip"))};
    ClickFile(d, "bSave");
    // What the file holds is ParameterFileWriter's.
    EXPECT_PRED2(Holds, d.folder.Read("trip.par1"),
                 "\r\na1,1,900,map,0,0,100,100,1,(000/000/000)\r\n");
    EXPECT_FALSE(d.form->Layout().Modified);
    EXPECT_EQ(d.form->ParameterFileName(), d.folder.File("trip.par1"));
    EXPECT_EQ(ShownTitle(*d.form), MainTitle + "trip.par1");
    EXPECT_EQ(d.prompter.FileRequests[1].InitialFile, "");
    EXPECT_TRUE(d.prompter.Of("error").isEmpty());
}

#ifndef _WIN32 // a full disk is made with a POSIX file size limit
TEST(ParameterFileCommands, AFailedSaveKeepsTheOldFileTheNameAndTheChanges) {
    DesignerFixture d;
    AddMap(d);
    const std::string old = d.folder.Write("old.par1", TestDataBytes("writer_pages.par1"));
    d.prompter.FileAnswers = {Q(old)};
    {
        FileSizeLimit fullDisk(300);
        ClickFile(d, "bSave");
    }
    EXPECT_EQ(d.folder.Read("old.par1"), TestDataBytes("writer_pages.par1"));
    ASSERT_EQ(d.prompter.Of("error").size(), 1);
    EXPECT_TRUE(d.prompter.Of("error")[0].contains("File too large"))
        << d.prompter.Of("error")[0].toStdString();
    EXPECT_TRUE(d.form->Layout().Modified);
    EXPECT_EQ(d.form->ParameterFileName(), "");
}
#endif

TEST(ParameterFileCommands, LoadAsksFirstTakesTheFilesScreenAndNamesItsLastSymbolFile) {
    DesignerFixture d;
    AddMap(d);
    d.prompter.ConfirmAnswers = {false};
    ClickFile(d, "bLoad");
    EXPECT_TRUE(d.prompter.FileRequests.isEmpty());
    EXPECT_EQ(d.Layout().Box(1, 1).Kind, "map");

    d.prompter.Shown.clear();
    d.prompter.ConfirmAnswers = {true};
    d.prompter.FileAnswers = {Q(TestData("writer_symbols.par1"))};
    ClickFile(d, "bLoad");
    ASSERT_EQ(d.prompter.FileRequests.size(), 1);
    EXPECT_EQ(d.prompter.FileRequests[0].Filter, "Roamplot Parameter File (*.par1)");
    EXPECT_EQ(d.prompter.Of("confirm"),
              QStringList{"Changes have been made which have not been saved. Load a new file?"});
    // What a load reads is ParameterFileReader's.
    const ScreenLayout& layout = d.form->Layout();
    EXPECT_EQ(layout.Box(2, 1).TitleText, "Back");
    EXPECT_EQ(d.form->Screen().Row, 1);
    EXPECT_EQ(d.form->Preview()->DeviceSize(), (ScreenSize{320, 240}));
    EXPECT_FALSE(layout.Modified);
    EXPECT_FALSE(d.form->PanelLoading());
    EXPECT_EQ(d.form->ParameterFileName(), TestData("writer_symbols.par1"));
    EXPECT_EQ(ShownTitle(*d.form), MainTitle + "writer_symbols.par1");
    EXPECT_EQ(d.prompter.Shown.filter("message: ").size(), 1);
    EXPECT_TRUE(d.prompter.Shown.contains(MissingSymbolMessage));

    // The symbol file label names the last symbol record until a picture box is picked.
    PageDesignerTab& tab = d.Tab();
    ASSERT_EQ(d.form->Designer()->GetControl(), 1); // a text box
    EXPECT_EQ(tab.cSymbolFilename->text(), "arrow.bmp");
    // A button's label names its own picture, or none.
    tab.cParameterList->setCurrentRow(2);
    EXPECT_EQ(tab.cSymbolFilename->text(), "");
    EXPECT_TRUE(tab.cSymbolFilename->isVisibleTo(d.form.get()));
    tab.cParameterList->setCurrentRow(1);
    EXPECT_EQ(tab.cSymbolFilename->text(), "arrow.bmp");
    // A file without symbol records leaves no name of another file.
    d.prompter.FileAnswers = {Q(TestData("writer_pages.par1"))};
    ClickFile(d, "bLoad");
    EXPECT_EQ(tab.cSymbolFilename->text(), "");
}

TEST(ParameterFileCommands, AnOldFileStoppedPartWayIsReportedAndNotRemembered) {
    DesignerFixture d;
    const std::string broken =
        d.folder.Write("old.par1", "pg1,1,A\r\np1,900,map,1\r\np1,abc,sp,1\r\n");
    d.prompter.FileAnswers = {Q(broken)};
    ClickFile(d, "bLoad");
    EXPECT_EQ(d.prompter.Of("error"), QStringList{"'abc' is not a valid integer value"});
    EXPECT_EQ(d.form->Layout().BoxCount(1), 1);
    EXPECT_TRUE(d.form->Layout().Modified);
    EXPECT_EQ(d.form->ParameterFileName(), "");
}

TEST(ParameterFileCommands, StartReloadsTheRememberedFileAndTellsWhatIsMissing) {
    TempFolder docs;
    const std::string copy = docs.Write("kept.par1", TestDataBytes("writer_symbols.par1"));
    DesignerFixture d("[Parameters]\r\nFilename=" + copy + "\r\n[Settings]\r\nNo of Pages=1\r\n");
    EXPECT_EQ(d.form->Layout().BoxCount(2), 3);
    EXPECT_EQ(d.form->Configuration()->cNumPages->value(), 2);
    EXPECT_FALSE(d.form->Layout().Modified);
    EXPECT_EQ(d.prompter.Shown, QStringList{MissingSymbolMessage});
    EXPECT_EQ(ShownTitle(*d.form), MainTitle + "kept.par1");
}

// A Save would otherwise write the half it read over the whole file.
TEST(ParameterFileCommands, ARememberedFileThatStopsLoadingIsNotNamedAndSaveAsksForAName) {
    TempFolder docs;
    const std::string broken = docs.Write("old.par1", "pg1,1,A\r\np1,900,map,1\r\np1,abc,sp,1\r\n");
    DesignerFixture d("[Parameters]\r\nFilename=" + broken + "\r\n");
    EXPECT_EQ(d.prompter.Shown, QStringList{"message: 'abc' is not a valid integer value"});
    EXPECT_EQ(d.form->Layout().BoxCount(1), 1);
    EXPECT_EQ(ShownTitle(*d.form), MainTitle + "*") << "what was read is unsaved work";
    EXPECT_EQ(d.form->Status()->File()->text(), "untitled (modified)");
    d.form->SaveParameterFile1Click();
    EXPECT_EQ(d.prompter.Of("save"), QStringList{"Save RoamplotCE Parameter File"});
    EXPECT_EQ(docs.Read("old.par1"), "pg1,1,A\r\np1,900,map,1\r\np1,abc,sp,1\r\n");
}

TEST(ParameterFileCommands, ControlSAndControlOReachTheCommands) {
    DesignerFixture d;
    Activate(*d.form);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(d.prompter.Shown, (QStringList{"save: Save RoamplotCE Parameter File",
                                             "open: Load RoamplotCE Parameter File"}));
    // The key tab's keys mean its own file; the other tabs keep the layout's.
    d.prompter.Shown.clear();
    d.form->Tabs()->setCurrentIndex(MainForm::ConfigurationTabIndex);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    d.form->Tabs()->setCurrentIndex(MainForm::KeyTabIndex);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(d.prompter.Shown, (QStringList{"save: Save RoamplotCE Parameter File",
                                             "save: Save RoamplotCE Key File"}));
}

// A hundred thousand of them are HostileParameterFiles', the summary SummariseLines'.
TEST(ParameterFileCommands, ManyMissingSymbolFilesAreSummarised) {
    DesignerFixture d;
    std::string text = "RoamplotCE Parameter File\r\ns1,240,320,240,281\r\nb1,1,P\r\n"
                       "a1,1,1005,bb,0,0,10,10,B,7,(255/255/255),(000/000/128),0,0,1,0101\r\n";
    for (int i = 1; i <= 12; ++i) text += "g1,0101,0,64,/gone/" + std::to_string(i) + ".bmp\r\n";
    d.prompter.FileAnswers = {Q(d.folder.Write("many.par1", text))};
    ClickFile(d, "bLoad");
    const QStringList messages = d.prompter.Of("message");
    ASSERT_EQ(messages.size(), 1);
    const QStringList lines = messages[0].split('\n');
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[1], "/gone/1.bmp");
    EXPECT_EQ(lines[10], "/gone/10.bmp");
    EXPECT_EQ(lines[11], "... and 2 more");
}
