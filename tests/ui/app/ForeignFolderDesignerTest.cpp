// The designer in folders whose names are not Windows-1252 (or not ASCII):
// what the file dialogs give reaches the file system unchanged.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>

#include "core/io/FileIo.h"
#include "core/io/FileNames.h"
#include "plain/TempFolder.h"
#include "qt/LayoutSetUp.h"
#include "qt/ScriptedPrompter.h"
#include "qt/ShownTitle.h"
#include "render/PathText.h"
#include "ui/app/Startup.h"
#include "ui/keymap/KeyMapTab.h"

using namespace roamplot;
using namespace roamplot::test;
namespace fs = std::filesystem;

namespace {

constexpr const char* SettingsName = "RoamCE_Screen_Designer.ini";

// Gives the first hardware key another command, as a user does on the key tab.
void AssignFirstHardwareKey(MainForm& form, int command) {
    KeyMapTab* tab = form.KeyMapPage();
    tab->lHardware->setCurrentItem(tab->lHardware->topLevelItem(0));
    tab->cHardwareCommand->setCurrentIndex(command);
}

} // namespace

class KeyFileFolder : public ::testing::TestWithParam<fs::path> {};

TEST_P(KeyFileFolder, SaveWritesTheKeyFileIntoIt) {
    TempFolder temp;
    CopyShippedCatalogues(temp.Folder());
    const fs::path documents = temp.MakeFolder(GetParam());
    ScriptedPrompter prompter;
    auto form = StartDesigner(QStringFromPath(temp.Folder()), prompter);
    ASSERT_NE(form, nullptr);
    form->Tabs()->setCurrentIndex(MainForm::KeyTabIndex);
    AssignFirstHardwareKey(*form, 3);

    prompter.FileAnswers = {QStringFromPath(documents / "buttons")};
    QTest::mouseClick(form->KeyMapPage()->bSave, Qt::LeftButton);
    EXPECT_TRUE(prompter.Of("error").isEmpty()) << prompter.Shown.join("\n").toStdString();
    const fs::path saved = documents / "buttons.key2";
    EXPECT_TRUE(FileExists(saved));
    EXPECT_EQ(form->KeyFileName(), saved);
    EXPECT_TRUE(ShownTitle(*form).endsWith("  -  buttons.key2")) << ShownTitle(*form).toStdString();
    EXPECT_FALSE(form->Keys().Changed);

    // A failure names the folder in its own script.
    prompter.FileAnswers = {QStringFromPath(documents / "gone" / "buttons.key2")};
    form->KeyMapPage()->bSaveAsClick();
    ASSERT_EQ(prompter.Of("error").size(), 1);
    EXPECT_TRUE(prompter.Of("error")[0].contains(QStringFromPath(documents / "gone")))
        << prompter.Of("error")[0].toStdString();
    EXPECT_EQ(form->KeyFileName(), saved);
}

INSTANTIATE_TEST_SUITE_P(Scripts, KeyFileFolder,
                         ::testing::Values(fs::path(u8"Ünï"), fs::path(u8"Карта")),
                         [](const ::testing::TestParamInfo<fs::path>& info) {
                             return std::string(info.index == 0 ? "Latin" : "Cyrillic");
                         });

TEST(ForeignProgramFolder, StartsWithItsCataloguesAndWritesItsSettingsAtClose) {
    TempFolder temp;
    const fs::path program = temp.MakeFolder(fs::path(u8"Programmö"));
    CopyShippedCatalogues(program);
    ScriptedPrompter prompter;
    auto form = StartDesigner(QStringFromPath(program), prompter);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(prompter.Shown.isEmpty()) << prompter.Shown.join("\n").toStdString();
    EXPECT_GT(form->Catalogue().Size(), 120u);
    EXPECT_GT(form->Commands().Count(), 50);
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(prompter.Of("error").isEmpty()) << prompter.Shown.join("\n").toStdString();
    EXPECT_NE(ReadFileBytes(program / SettingsName).value_or("").find("[Mainform]"),
              std::string::npos);
}

// The whole round: the sample from a Cyrillic folder under a program folder
// with umlauts, saved beside itself under a new name with a key file, and both
// back at the next start.
TEST(ForeignProgramFolder, TheSampleAndAKeyFileSavedBesideItReopenAtTheNextStart) {
    TempFolder temp;
    const fs::path program = temp.MakeFolder(Latin1FolderName());
    const fs::path documents = temp.MakeFolder(CyrillicFolderName());
    CopyShippedCatalogues(program);
    const fs::path sample = documents / "Coast Loop.par1";
    fs::copy_file(fs::path(SHIPPED_DATA_DIR) / "Samples" / "Coast Loop.par1", sample);
    ASSERT_EQ(WriteFileAtomically(program / SettingsName,
                                  "[Parameters]\r\nFilename=" + PathToUtf8(sample) + "\r\n"),
              "");

    const fs::path layoutFile = documents / fs::path(u8"Küstenrunde.par1");
    const fs::path keyFile = documents / fs::path(u8"Tasten.key2");
    int boxes = 0;
    {
        ScriptedPrompter prompter;
        auto form = StartDesigner(QStringFromPath(program), prompter);
        ASSERT_NE(form, nullptr);
        EXPECT_TRUE(prompter.Shown.isEmpty()) << prompter.Shown.join("\n").toStdString();
        EXPECT_EQ(form->ParameterFileName(), sample);
        boxes = form->Layout().BoxCount(1);
        EXPECT_GT(boxes, 0);

        prompter.FileAnswers = {QStringFromPath(layoutFile)};
        form->SaveParameterFileAsClick();
        form->Tabs()->setCurrentIndex(MainForm::KeyTabIndex);
        AssignFirstHardwareKey(*form, 4);
        prompter.FileAnswers = {QStringFromPath(keyFile)};
        QTest::mouseClick(form->KeyMapPage()->bSave, Qt::LeftButton);
        EXPECT_TRUE(prompter.Shown.filter("error").isEmpty())
            << prompter.Shown.join("\n").toStdString();
        EXPECT_TRUE(form->close());
    }
    EXPECT_TRUE(FileExists(layoutFile));
    EXPECT_TRUE(FileExists(keyFile));

    ScriptedPrompter prompter;
    auto form = StartDesigner(QStringFromPath(program), prompter);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(prompter.Shown.isEmpty()) << prompter.Shown.join("\n").toStdString();
    EXPECT_EQ(form->ParameterFileName(), layoutFile);
    EXPECT_EQ(form->KeyFileName(), keyFile);
    EXPECT_EQ(form->Layout().BoxCount(1), boxes);
    EXPECT_EQ(form->Keys().HardwareKeys[0], 4);
    EXPECT_EQ(ShownTitle(*form),
              QString::fromStdU16String(u"RoamplotCE Screen Designer v2.16  -  Küstenrunde.par1"));
}

TEST(ForeignProgramFolder, SavingTellsOnceOfSymbolNamesTheParameterFileCannotHold) {
    TempFolder temp;
    CopyShippedCatalogues(temp.Folder());
    ScriptedPrompter prompter;
    auto form = StartDesigner(QStringFromPath(temp.Folder()), prompter);
    ASSERT_NE(form, nullptr);
    const fs::path symbol = temp.Folder() / CyrillicFolderName() / "arrow.bmp";
    for (int slot : {1, 2}) {
        ParameterBox& box = SetUpLayout(*form).Box(1, slot);
        box.PageNo = 1;
        box.Kind = "bb";
        box.ParameterId = "1005";
        box.Width = box.Height = 30;
        box.SymbolPlacement = 1;
        box.Symbol = Dib{DibHeader{40, 2, 2}, {}, std::vector<uint8_t>(16)};
        box.SymbolFile = symbol;
    }
    prompter.FileAnswers = {QStringFromPath(temp.Folder() / "two buttons.par1")};
    form->SaveParameterFile1Click();
    EXPECT_EQ(prompter.Of("message"),
              QStringList{"The symbol file name \"" + QStringFromPath(symbol) +
                          "\" cannot be written in the parameter file; the symbol is embedded "
                          "only if it is small enough."});
    // The rest of the name as well as Windows-1252 can.
    EXPECT_NE(ReadFileBytes(temp.Folder() / "two buttons.par1").value_or("").find("?????"),
              std::string::npos);

    prompter.Shown.clear();
    SetUpLayout(*form).Box(1, 1).SymbolFile = SetUpLayout(*form).Box(1, 2).SymbolFile =
        temp.Folder() / Latin1FolderName() / "arrow.bmp";
    prompter.FileAnswers = {QStringFromPath(temp.Folder() / "two buttons.par1")};
    form->SaveParameterFile1Click();
    EXPECT_TRUE(prompter.Shown.filter("message").isEmpty())
        << prompter.Shown.join("\n").toStdString();
}
