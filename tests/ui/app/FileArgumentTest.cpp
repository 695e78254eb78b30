// The designer started with a file to open, as a double-click in a file manager starts it.
#include "qt/UiTest.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {

struct StartedWith {
    TempFolder folder;
    TempFolder documents;
    ScriptedPrompter prompter;
    std::unique_ptr<MainForm> form;

    // A designer that remembers a layout of its own, started on `file`.
    void Start(const std::function<fs::path(const TempFolder&)>& file) {
        CopyShippedCatalogues(folder);
        const std::string remembered =
            documents.Write("remembered.par1", TestDataBytes("writer_pages.par1"));
        folder.Write(SettingsName, "[Parameters]\r\nFilename=" + remembered + "\r\n");
        form = StartDesigner(Q(folder.Path()), prompter, file(documents));
    }
};

} // namespace

TEST(FileArgument, ALayoutOpensInPlaceOfTheRememberedOne) {
    StartedWith d;
    fs::path opened;
    d.Start([&](const TempFolder& documents) {
        return opened = documents.Write("trip.par1", TestDataBytes("writer_symbols.par1"));
    });
    ASSERT_TRUE(d.form);
    // Its one picture file is not on this PC: said as "Load" says it.
    EXPECT_EQ(d.prompter.Shown.size(), 1);
    EXPECT_TRUE(d.prompter.Shown.value(0).contains("symbol files were not found"));
    EXPECT_EQ(d.form->ParameterFileName(), opened);
    EXPECT_EQ(d.form->Tabs()->currentIndex(), MainForm::PageDesignerTabIndex);
    EXPECT_EQ(ShownTitle(*d.form), MainTitle + "trip.par1");
    // The file's screen record: the 320 x 240 screen of writer_symbols.par1.
    EXPECT_EQ(d.form->Layout().DeviceTypeCode, "HPC");
    EXPECT_FALSE(d.form->Layout().Modified);
}

TEST(FileArgument, AKeyFileOpensOnTheKeyTab) {
    StartedWith d;
    fs::path opened;
    d.Start([&](const TempFolder& documents) {
        return opened = documents.Write("buttons.key2", "a1,Up,2\r\nc1,4,9,14,Mark\r\n");
    });
    ASSERT_TRUE(d.form);
    EXPECT_TRUE(d.prompter.Shown.isEmpty()) << d.prompter.Shown.join("\n").toStdString();
    EXPECT_EQ(d.form->Tabs()->currentIndex(), MainForm::KeyTabIndex);
    EXPECT_EQ(d.form->KeyMapPage()->KeyFileName(), opened);
    EXPECT_EQ(d.form->Keys().FindScreenButton(4, 9)->Caption, "Mark");
    EXPECT_EQ(ShownTitle(*d.form), MainTitle + "buttons.key2");
    // The layout is the remembered one.
    EXPECT_EQ(d.form->ParameterFileName(), d.documents.Folder() / "remembered.par1");
}

TEST(FileArgument, AFileThatCannotBeOpenedIsToldAndASaveAsksForAName) {
    struct Case {
        std::function<fs::path(const TempFolder&)> file;
        QString told;
        bool keys;
    };
    const Case cases[] = {
        {[](const TempFolder& d) { return d.Folder() / "absent.par1"; }, "it does not exist.",
         false},
        {[](const TempFolder& d) { return d.MakeFolder("folder.par1"); }, "it is a folder.", false},
        {[](const TempFolder& d) { return fs::path(d.Write("notes.txt", "shopping list\r\n")); },
         "holds no boxes; nothing was loaded.", false},
        {[](const TempFolder& d) { return d.Folder() / "absent.key2"; }, "it does not exist.",
         true},
    };
    for (const Case& c : cases) {
        StartedWith d;
        d.Start(c.file);
        ASSERT_TRUE(d.form);
        ASSERT_EQ(d.prompter.Shown.size(), 1);
        EXPECT_TRUE(d.prompter.Shown[0].contains(c.told)) << d.prompter.Shown[0].toStdString();
        // The remembered layout is not what shows after a failed layout: its name goes.
        EXPECT_EQ(d.form->ParameterFileName(),
                  c.keys ? d.documents.Folder() / "remembered.par1" : fs::path());
    }
}
