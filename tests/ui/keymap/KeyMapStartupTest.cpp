#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "plain/TempFolder.h"
#include "qt/LayoutSetUp.h"
#include "qt/ScriptedPrompter.h"
#include "qt/ShownTitle.h"
#include "ui/app/Startup.h"
#include "ui/keymap/KeyMapTab.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

struct Designer {
    TempFolder folder;
    ScriptedPrompter prompter;
    std::unique_ptr<MainForm> form;

    void Start(const std::string& settings, const std::string& commands = "") {
        CopyShippedCatalogues(folder);
        if (!commands.empty()) folder.Write("commands.dat", commands);
        if (!settings.empty()) folder.Write("RoamCE_Screen_Designer.ini", settings);
        form = StartDesigner(Q(folder.Path()), prompter);
        ASSERT_NE(form, nullptr);
    }

    void EditKeyMap() {
        KeyMapTab* tab = form->KeyMapPage();
        tab->lHardware->setCurrentItem(tab->lHardware->topLevelItem(0));
        tab->cHardwareCommand->setCurrentIndex(3);
        ASSERT_TRUE(form->Keys().Changed);
    }
};

} // namespace

TEST(KeyMapStartup, RemembersTheKeyFileWhateverTheCaseOfItsExtension) {
    Designer designer;
    std::string keys = designer.folder.Write("keys.Key2", "a1,Up,2\r\nc1,4,9,14,Mark\r\n");
    designer.Start("[Buttons]\r\nFilename=" + keys + "\r\n[Button Defaults]\r\nButton 2=55\r\n");
    EXPECT_TRUE(designer.prompter.Shown.isEmpty())
        << designer.prompter.Shown.join("\n").toStdString();

    const CommandCatalogue& commands = designer.form->Commands();
    EXPECT_EQ(designer.form->Keys().HardwareKeys[0], commands.FindCommandIndex(2));
    EXPECT_EQ(designer.form->Keys().FindScreenButton(4, 9)->Caption, "Mark");
    EXPECT_FALSE(designer.form->Keys().Changed);
    KeyMapTab* tab = designer.form->KeyMapPage();
    EXPECT_EQ(tab->eButtonKeyCodes[1]->text(), "55");
    EXPECT_EQ(tab->lHardware->topLevelItem(0)->text(1),
              QString::fromStdString(commands.NameOf(commands.FindCommandIndex(2))));

    designer.form->Tabs()->setCurrentIndex(MainForm::KeyTabIndex);
    EXPECT_EQ(designer.form->Tabs()->tabText(MainForm::KeyTabIndex), KeyTabCaption);
    EXPECT_EQ(ShownTitle(*designer.form), "RoamplotCE Screen Designer v2.16  -  keys.Key2");
}

TEST(KeyMapStartup, AKeyFileThatStopsWithAnErrorDoesNotStopTheStart) {
    Designer designer;
    std::string keys = designer.folder.Write("bad.key2", "a1,Up,2\r\nc1,1,1,abc\r\n");
    designer.Start("[Buttons]\r\nFilename=" + keys + "\r\n[MainForm]\r\nLeft=300\r\nTop=40\r\n");
    EXPECT_EQ(designer.prompter.Of("message"), QStringList{"'abc' is not a valid integer value"});
    EXPECT_EQ(designer.form->Keys().HardwareKeys[0], designer.form->Commands().FindCommandIndex(2));
    EXPECT_EQ(designer.form->pos(), QPoint(300, 40));
    EXPECT_FALSE(designer.form->PanelLoading);
    EXPECT_EQ(ShownTitle(*designer.form), "RoamplotCE Screen Designer v2.16  -  ");
}

TEST(KeyMapStartup, CancelOnUnsavedKeyMapChangesKeepsTheProgramOpenAndWritesNothing) {
    Designer designer;
    designer.Start("[Settings]\r\nNo of Pages=7\r\n");
    designer.EditKeyMap();

    designer.prompter.ConfirmAnswers = {false};
    EXPECT_FALSE(designer.form->close());
    EXPECT_TRUE(designer.form->isVisible());
    EXPECT_EQ(designer.prompter.Of("confirm"), QStringList{KeyMapCloseQuestion});
    EXPECT_EQ(designer.folder.Read("RoamCE_Screen_Designer.ini"),
              "[Settings]\r\nNo of Pages=7\r\n");

    // With the layout changed as well, both questions come in turn.
    SetUpLayout(*designer.form).Modified = true;
    designer.prompter.ConfirmAnswers = {true, true};
    EXPECT_TRUE(designer.form->close());
    EXPECT_EQ(designer.prompter.Of("confirm"),
              (QStringList{KeyMapCloseQuestion, CloseQuestion, KeyMapCloseQuestion}));
    EXPECT_NE(designer.folder.Read("RoamCE_Screen_Designer.ini").find("[Buttons]"),
              std::string::npos);
}

TEST(KeyMapStartup, CancelOnTheLayoutQuestionDoesNotAskAboutTheKeys) {
    Designer designer;
    designer.Start("");
    designer.EditKeyMap();
    SetUpLayout(*designer.form).Modified = true;
    designer.prompter.ConfirmAnswers = {false};
    EXPECT_FALSE(designer.form->close());
    EXPECT_EQ(designer.prompter.Of("confirm"), QStringList{CloseQuestion});
    EXPECT_EQ(designer.folder.Read("RoamCE_Screen_Designer.ini"), "");
}

TEST(KeyMapStartup, ACatalogueTooLongIsToldOnceAndKeepsItsFirst101Commands) {
    std::string commands;
    for (int n = 1; n <= 103; ++n)
        commands += std::to_string(n) + ",Command " + std::to_string(n) + "\r\n";
    Designer designer;
    designer.Start("", commands);
    EXPECT_EQ(designer.prompter.Of("message").size(), 1);
    EXPECT_TRUE(designer.prompter.Of("message").value(0).contains("101"))
        << designer.prompter.Shown.join("\n").toStdString();
    EXPECT_EQ(designer.form->KeyMapPage()->cScreenCommand->count(), 101);
}

TEST(KeyMapStartup, ControlSSavesTheKeyFileOnlyWhileTheKeyTabIsShown) {
    Designer designer;
    designer.Start("");
    QApplication::setActiveWindow(designer.form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(designer.form.get()));
    QTest::keyClick(designer.form->windowHandle(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(designer.prompter.Shown.filter("RoamplotCE Key File").size(), 0);

    qsizetype before = designer.prompter.Shown.size();
    designer.form->Tabs()->setCurrentIndex(MainForm::KeyTabIndex);
    QTest::keyClick(designer.form->windowHandle(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(designer.prompter.Shown.mid(before), QStringList{"save: Save RoamplotCE Key File"});
}
