#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include "core/io/FileIo.h"
#include "plain/FileSizeLimit.h"
#include "plain/TempFolder.h"
#include "qt/LayoutSetUp.h"
#include "qt/ScriptedPrompter.h"
#include "qt/ShownTitle.h"
#include "ui/app/ConfigurationTab.h"
#include "ui/app/Startup.h"
#include "ui/designer/PageDesigner.h"
#include "ui/designer/PageDesignerTab.h"
#include "ui/preview/PreviewWindow.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}
std::string Fixture(const char* name) {
    return std::string(TEST_DATA_DIR) + "/" + name;
}

const char* MissingSymbolMessage =
    "message: These symbol files were not found; their boxes show no symbol and are saved "
    "without one:\nC:\\Symbols\\big map.bmp";

class ParameterFileCommands : public ::testing::Test {
  protected:
    void Start(const std::string& settings = "") {
        CopyShippedCatalogues(folder);
        if (!settings.empty()) folder.Write("RoamCE_Screen_Designer.ini", settings);
        form = StartDesigner(Q(folder.Path()), prompter);
        ASSERT_NE(form, nullptr);
    }
    QPushButton* Button(const char* name) {
        return form->PageDesignerPage()->FileGroup()->findChild<QPushButton*>(name);
    }
    void Click(const char* name) {
        QPushButton* button = Button(name);
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void AddMap() {
        ParameterBox& box = SetUpLayout(*form).Box(1, 1);
        box.PageNo = 1;
        box.Kind = BoxKind::Map;
        box.ParameterId = "900";
        box.Width = 100;
        box.Height = 100;
        SetUpLayout(*form).Modified = true;
    }

    TempFolder folder;
    ScriptedPrompter prompter;
    std::unique_ptr<MainForm> form;
};

} // namespace

TEST_F(ParameterFileCommands, SaveWritesTheFileAndRemembersItsName) {
    Start();
    AddMap();
    prompter.FileAnswers = {};
    Click("bSave");
    EXPECT_TRUE(form->Layout().Modified) << "a cancelled save changes nothing";
    ASSERT_EQ(prompter.FileRequests.size(), 1);
    EXPECT_EQ(prompter.FileRequests[0].Filter, "RoamCE Parameter Files (*.par1)");
    EXPECT_EQ(prompter.FileRequests[0].DefaultExtension, "par1");

    prompter.FileAnswers = {Q(folder.File("trip"))};
    Click("bSave");
    const std::string written = folder.Read("trip.par1");
    EXPECT_EQ(written.rfind("RoamplotCE Parameter File\r\n;\r\nDevice Type,PPC\r\n", 0), 0u);
    EXPECT_NE(written.find("\r\na1,1,900,map,0,0,100,100,1,(000/000/000)\r\n"), std::string::npos);
    EXPECT_NE(written.find("\r\ng2,1,"), std::string::npos);
    EXPECT_FALSE(form->Layout().Modified);
    EXPECT_EQ(form->ParameterFileName(), folder.File("trip.par1"));
    EXPECT_EQ(ShownTitle(*form), "RoamplotCE Screen Designer v2.16  -  trip.par1");
    EXPECT_EQ(prompter.FileRequests[1].InitialFile, "");
    EXPECT_TRUE(prompter.Of("error").isEmpty());
}

TEST_F(ParameterFileCommands, AFailedSaveKeepsTheOldFileTheNameAndTheChanges) {
    Start();
    AddMap();
    const std::string old =
        folder.Write("old.par1", ReadFileBytes(Fixture("writer_pages.par1")).value());
    prompter.FileAnswers = {Q(old)};
    {
        FileSizeLimit fullDisk(300);
        Click("bSave");
    }
    EXPECT_EQ(folder.Read("old.par1"), ReadFileBytes(Fixture("writer_pages.par1")).value());
    ASSERT_EQ(prompter.Of("error").size(), 1);
    EXPECT_TRUE(prompter.Of("error")[0].contains("File too large"))
        << prompter.Of("error")[0].toStdString();
    EXPECT_TRUE(form->Layout().Modified);
    EXPECT_EQ(form->ParameterFileName(), "");
}

TEST_F(ParameterFileCommands, LoadAsksFirstAndTakesTheFilesScreen) {
    Start();
    AddMap();
    prompter.ConfirmAnswers = {false};
    Click("bLoad");
    EXPECT_TRUE(prompter.FileRequests.isEmpty());
    EXPECT_EQ(form->Layout().Box(1, 1).Kind, "map");

    prompter.Shown.clear();
    prompter.ConfirmAnswers = {true};
    prompter.FileAnswers = {Q(Fixture("writer_symbols.par1"))};
    Click("bLoad");
    ASSERT_EQ(prompter.FileRequests.size(), 1);
    EXPECT_EQ(prompter.FileRequests[0].Filter, "Roamplot Parameter File (*.par1)");
    EXPECT_EQ(prompter.Of("confirm"),
              QStringList{"Changes have been made which have not been saved. Load a new file?"});
    const ScreenLayout& layout = form->Layout();
    EXPECT_EQ(layout.Box(1, 2).Kind, "bb");
    EXPECT_TRUE(layout.Box(1, 2).Symbol);
    EXPECT_EQ(layout.Box(2, 1).TitleText, "Back");
    EXPECT_EQ(layout.DeviceTypeCode, "HPC");
    EXPECT_EQ(form->Screen().Row, 1);
    EXPECT_EQ(form->Preview()->DeviceSize(), (ScreenSize{320, 240}));
    EXPECT_FALSE(layout.Modified);
    EXPECT_FALSE(form->PanelLoading);
    EXPECT_EQ(form->ParameterFileName(), Fixture("writer_symbols.par1"));
    EXPECT_EQ(ShownTitle(*form), "RoamplotCE Screen Designer v2.16  -  writer_symbols.par1");
    EXPECT_EQ(prompter.Shown.filter("message: ").size(), 1);
    EXPECT_TRUE(prompter.Shown.contains(MissingSymbolMessage));
}

TEST_F(ParameterFileCommands, TheSymbolFileLabelNamesTheLastSymbolRecordUntilAPictureBoxIsPicked) {
    Start();
    prompter.FileAnswers = {Q(Fixture("writer_symbols.par1"))};
    Click("bLoad");
    PageDesignerTab& tab = *form->PageDesignerPage();
    ASSERT_EQ(form->Designer()->GetControl(), 1); // a text box
    EXPECT_EQ(tab.cSymbolFilename->text(), "arrow.bmp");
    // A button's label names its own picture, or none.
    tab.cParameterList->setCurrentRow(2);
    EXPECT_EQ(tab.cSymbolFilename->text(), "");
    EXPECT_TRUE(tab.cSymbolFilename->isVisibleTo(form.get()));
    tab.cParameterList->setCurrentRow(1);
    EXPECT_EQ(tab.cSymbolFilename->text(), "arrow.bmp");

    // A file without symbol records leaves no name of another file.
    prompter.FileAnswers = {Q(Fixture("writer_pages.par1"))};
    Click("bLoad");
    EXPECT_EQ(tab.cSymbolFilename->text(), "");
}

TEST_F(ParameterFileCommands, AnOldFileStoppedPartWayIsReportedAndNotRemembered) {
    Start();
    const std::string broken =
        folder.Write("old.par1", "pg1,1,A\r\np1,900,map,1\r\np1,abc,sp,1\r\n");
    prompter.FileAnswers = {Q(broken)};
    Click("bLoad");
    EXPECT_EQ(prompter.Of("error"), QStringList{"'abc' is not a valid integer value"});
    EXPECT_EQ(form->Layout().BoxCount(1), 1);
    EXPECT_TRUE(form->Layout().Modified);
    EXPECT_EQ(form->ParameterFileName(), "");
}

TEST_F(ParameterFileCommands, StartReloadsTheRememberedFileAndTellsWhatIsMissing) {
    const std::string copy =
        folder.Write("kept.par1", ReadFileBytes(Fixture("writer_symbols.par1")).value());
    Start("[Parameters]\r\nFilename=" + copy + "\r\n[Settings]\r\nNo of Pages=1\r\n");
    EXPECT_EQ(form->Layout().BoxCount(2), 3);
    EXPECT_EQ(form->Configuration()->cNumPages->value(), 2);
    EXPECT_FALSE(form->Layout().Modified);
    EXPECT_EQ(prompter.Shown, QStringList{MissingSymbolMessage});
    EXPECT_EQ(ShownTitle(*form), "RoamplotCE Screen Designer v2.16  -  kept.par1");
}

TEST_F(ParameterFileCommands, ControlSAndControlOReachTheCommands) {
    Start();
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(prompter.Shown, (QStringList{"save: Save RoamplotCE Parameter File",
                                           "open: Load RoamplotCE Parameter File"}));
    // The key tab's keys mean its own file; the other tabs keep the layout's.
    prompter.Shown.clear();
    form->Tabs()->setCurrentIndex(MainForm::ConfigurationTabIndex);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    form->Tabs()->setCurrentIndex(MainForm::KeyTabIndex);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(prompter.Shown, (QStringList{"save: Save RoamplotCE Parameter File",
                                           "save: Save RoamplotCE Key File"}));
}

TEST_F(ParameterFileCommands, AHundredThousandMissingSymbolFilesAreSummarised) {
    Start();
    std::string text = "RoamplotCE Parameter File\r\ns1,240,320,240,281\r\nb1,1,P\r\n"
                       "a1,1,1005,bb,0,0,10,10,B,7,(255/255/255),(000/000/128),0,0,1,0101\r\n";
    for (int i = 1; i <= 100000; ++i)
        text += "g1,0101,0,64,/gone/" + std::to_string(i) + ".bmp\r\n";
    prompter.FileAnswers = {Q(folder.Write("many.par1", text))};
    Click("bLoad");
    const QStringList messages = prompter.Of("message");
    ASSERT_EQ(messages.size(), 1);
    const QStringList lines = messages[0].split('\n');
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[1], "/gone/1.bmp");
    EXPECT_EQ(lines[10], "/gone/10.bmp");
    EXPECT_EQ(lines[11], "... and 99990 more");
}
