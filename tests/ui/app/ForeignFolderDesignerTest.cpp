// The designer in folders whose names are not Windows-1252 (or not ASCII):
// what the file dialogs give reaches the file system unchanged. The file rules
// in such folders are ForeignFolderNames'.
#include "core/io/FileIo.h"
#include "core/io/FileNames.h"
#include "qt/UiTest.h"

// The whole round: the sample from a Cyrillic folder under a program folder
// with umlauts, saved beside itself under a new name with a key file, and both
// back at the next start.
TEST(ForeignProgramFolder, TheSampleAndAKeyFileSavedBesideItReopenAtTheNextStart) {
    TempFolder temp;
    const fs::path program = temp.MakeFolder(Latin1FolderName());
    const fs::path documents = temp.MakeFolder(CyrillicFolderName());
    CopyShippedCatalogues(program);
    const fs::path sample = documents / "Coast Loop.par1";
    fs::copy_file(SampleLayout(), sample);
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
        Click(form->KeyMapPage()->bSave);
        EXPECT_TRUE(prompter.Shown.filter("error").isEmpty())
            << prompter.Shown.join("\n").toStdString();
        EXPECT_TRUE(ShownTitle(*form).endsWith("  -  Tasten.key2"))
            << ShownTitle(*form).toStdString();
        // A failure names the folder in its own script and keeps the name.
        prompter.FileAnswers = {QStringFromPath(documents / "gone" / "x.key2")};
        form->KeyMapPage()->bSaveAsClick();
        ASSERT_EQ(prompter.Of("error").size(), 1);
        EXPECT_TRUE(prompter.Of("error")[0].contains(QStringFromPath(documents / "gone")))
            << prompter.Of("error")[0].toStdString();
        EXPECT_EQ(form->KeyFileName(), keyFile);
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
    DesignerFixture d;
    const fs::path symbol = d.folder.Folder() / CyrillicFolderName() / "arrow.bmp";
    d.SetUp([&](ScreenLayout& layout) {
        for (int slot : {1, 2})
            layout.Box(1, slot) = WithSymbol(NewBox(1, "bb", "1005", 0, 0, 30, 30), 1,
                                             PatternDib(2, 2, 24, 1), symbol);
    });
    const fs::path saved = d.folder.Folder() / "two buttons.par1";
    d.prompter.FileAnswers = {QStringFromPath(saved)};
    d.form->SaveParameterFile1Click();
    EXPECT_EQ(d.prompter.Of("message"),
              QStringList{"The symbol file name \"" + QStringFromPath(symbol) +
                          "\" cannot be written in the parameter file; the symbol is embedded "
                          "only if it is small enough."});
    // The rest of the name as well as Windows-1252 can.
    EXPECT_PRED2(Holds, ReadFileBytes(saved).value_or(""), "?????");

    d.prompter.Shown.clear();
    d.SetUp([&](ScreenLayout& layout) {
        layout.Box(1, 1).SymbolFile = layout.Box(1, 2).SymbolFile =
            d.folder.Folder() / Latin1FolderName() / "arrow.bmp";
    });
    d.prompter.FileAnswers = {QStringFromPath(saved)};
    d.form->SaveParameterFile1Click();
    EXPECT_TRUE(d.prompter.Shown.filter("message").isEmpty())
        << d.prompter.Shown.join("\n").toStdString();
}
