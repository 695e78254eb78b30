#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "plain/TempFolder.h"
#include "qt/LayoutSetUp.h"
#include "qt/ScriptedPrompter.h"
#include "qt/ShownTitle.h"
#include "ui/app/ConfigurationTab.h"
#include "ui/app/Startup.h"
#include "ui/preview/PreviewWindow.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {
QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

bool AnyWindowVisible() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) return true;
    return false;
}
} // namespace

class MissingCatalogue : public ::testing::TestWithParam<const char*> {};

TEST_P(MissingCatalogue, RefusesToStartWithTheOneMessage) {
    TempFolder folder;
    CopyShippedCatalogues(folder);
    std::remove(folder.File(GetParam()).c_str());
    ScriptedPrompter prompter;
    auto form = StartDesigner(Q(folder.Path()), prompter);
    EXPECT_EQ(form, nullptr);
    EXPECT_EQ(prompter.Shown, QStringList{QString("message: ") + MissingFilesMessage});
    EXPECT_FALSE(AnyWindowVisible());
    EXPECT_EQ(folder.Read("RoamCE_Screen_Designer.ini"), "");
}

INSTANTIATE_TEST_SUITE_P(EachFile, MissingCatalogue,
                         ::testing::Values("Parameters.dat", "commands.dat"));

TEST(Startup, FirstStartShowsTheDefaultsAndCloseWritesThem) {
    TempFolder folder;
    CopyShippedCatalogues(folder);
    ScriptedPrompter prompter;
    auto form = StartDesigner(Q(folder.Path()), prompter);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(prompter.Shown.isEmpty()) << prompter.Shown.join("\n").toStdString();
    ConfigurationTab* config = form->Configuration();
    EXPECT_EQ(config->cNumPages->value(), 5);
    EXPECT_EQ(config->eAdjust->text(), "1");
    EXPECT_EQ(config->eSnap->text(), "10");
    EXPECT_FALSE(config->cUseSnap->isChecked());
    EXPECT_FALSE(config->cLockWindows->isChecked());
    EXPECT_EQ(config->eDeviceFolder->text(), "\\Roamplot 2");
    // The preview stands beside the main window, not over it, both on the desk.
    const QRect mainFrame = form->frameGeometry();
    EXPECT_FALSE(mainFrame.intersects(form->Preview()->frameGeometry()));
    EXPECT_TRUE(QRect(0, 0, 1600, 1000).contains(mainFrame));
    EXPECT_EQ(form->pos().y(), 20);
    EXPECT_EQ(form->Preview()->y(), 20);
    const std::string mainLeft = "Left=" + std::to_string(form->x());
    DesignerSettings settings = form->CurrentSettings();
    EXPECT_EQ(settings.ButtonKeyCodes[0], "193");
    EXPECT_EQ(settings.ButtonKeyCodes[9], "202");
    EXPECT_EQ(ShownTitle(*form), "RoamplotCE Screen Designer v2.16  -  ");
    EXPECT_GT(form->Catalogue().Size(), 120u);

    EXPECT_TRUE(form->close());
    form.reset();
    std::string ini = folder.Read("RoamCE_Screen_Designer.ini");
    for (const char* line : {"[Settings]",
                             "No of Pages=5",
                             "Adjust Pixels=1",
                             "Snap Pixels=10",
                             "Use Snap=0",
                             "Lock Windows=0",
                             "RoamplotCE Folder=\\Roamplot 2",
                             "Device Type=0",
                             "[Default Units]",
                             "Speed=0",
                             "Distance=0",
                             "Altitude=0",
                             "Heading=0",
                             "[Button Defaults]",
                             "Button 1=193",
                             "Button 10=202",
                             "[Parameters]",
                             "Filename=",
                             "[Buttons]",
                             "[Mainform]",
                             mainLeft.c_str(),
                             "Top=20",
                             "[Device]"})
        EXPECT_NE(ini.find(line), std::string::npos) << line << "\n" << ini;
    EXPECT_EQ(ini.find("Custom Device"), std::string::npos);
}

TEST(Startup, ReadsHandWrittenSettingsAndClampsPositions) {
    TempFolder folder;
    CopyShippedCatalogues(folder);
    folder.Write(
        "RoamCE_Screen_Designer.ini",
        "[SETTINGS]\r\nno of pages=9\r\nuse snap=1\r\nSNAP PIXELS=7\r\nLock windows=1\r\n"
        "[mainform]\r\nLEFT=5000\r\ntop=-30\r\n[Parameters]\r\nFilename=C:\\maps\\Trip.par1\r\n");
    ScriptedPrompter prompter;
    auto form = StartDesigner(Q(folder.Path()), prompter);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Configuration()->cNumPages->value(), 9);
    EXPECT_TRUE(form->Configuration()->cUseSnap->isChecked());
    EXPECT_EQ(form->Configuration()->eSnap->text(), "7");
    EXPECT_TRUE(form->Configuration()->cLockWindows->isChecked());
    EXPECT_EQ(form->x(), 100);
    EXPECT_EQ(form->y(), 0);
    EXPECT_EQ(ShownTitle(*form), "RoamplotCE Screen Designer v2.16  -  Trip.par1");
}

TEST(Startup, CancelledCloseKeepsTheProgramAndTheSettingsFile) {
    TempFolder folder;
    CopyShippedCatalogues(folder);
    const std::string before = "[Settings]\r\nNo of Pages=3\r\n";
    folder.Write("RoamCE_Screen_Designer.ini", before);
    ScriptedPrompter prompter;
    auto form = StartDesigner(Q(folder.Path()), prompter);
    ASSERT_NE(form, nullptr);
    SetUpLayout(*form).Modified = true;
    prompter.ConfirmAnswers = {false};
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(prompter.Of("confirm"), QStringList{CloseQuestion});
    EXPECT_EQ(folder.Read("RoamCE_Screen_Designer.ini"), before);

    prompter.ConfirmAnswers = {true};
    EXPECT_TRUE(form->close());
    EXPECT_NE(folder.Read("RoamCE_Screen_Designer.ini"), before);
}

TEST(Startup, CloseWithoutChangesAsksNothing) {
    TempFolder folder;
    CopyShippedCatalogues(folder);
    ScriptedPrompter prompter;
    auto form = StartDesigner(Q(folder.Path()), prompter);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(prompter.Of("confirm").isEmpty());
}

TEST(Startup, CatalogueProblemsAreToldOnceButDoNotStopTheStart) {
    TempFolder folder;
    CopyShippedCatalogues(folder);
    folder.Write("Parameters.dat", "1,sp,Speed,Speed\nnonsense\n");
    ScriptedPrompter prompter;
    auto form = StartDesigner(Q(folder.Path()), prompter);
    ASSERT_NE(form, nullptr);
    ASSERT_EQ(prompter.Of("message").size(), 1);
    EXPECT_TRUE(prompter.Of("message")[0].contains("could not be read"));
    EXPECT_EQ(form->Catalogue().Size(), 2u);
}

TEST(Startup, HelpButtonOpensTheGuideBesideTheProgram) {
    TempFolder folder;
    CopyShippedCatalogues(folder);
    ScriptedPrompter prompter;
    auto form = StartDesigner(Q(folder.Path()), prompter);
    ASSERT_NE(form, nullptr);
    auto* help = form->findChild<QPushButton*>("bHelp");
    ASSERT_NE(help, nullptr);
    QTest::mouseClick(help, Qt::LeftButton);
    EXPECT_EQ(prompter.Of("help"), QStringList{Q(folder.Path()) + "/help/index.html"});
}
