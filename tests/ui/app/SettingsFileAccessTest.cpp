// The settings file is read once, at start-up, and written once, at close.
#include <gtest/gtest.h>

#include "plain/TempFolder.h"
#include "qt/ScriptedPrompter.h"
#include "ui/app/Startup.h"
#include "ui/preview/PreviewWindow.h"

using namespace roamplot;
using namespace roamplot::test;

TEST(SettingsFileAccess, StartUpReadsItOnceAndCloseWritesItOnce) {
    TempFolder folder;
    CopyShippedCatalogues(folder);
    const char* ini = "RoamCE_Screen_Designer.ini";
    const std::string before = "[Settings]\r\nNo of Pages=9\r\nDevice Type=2\r\n"
                               "[Mine]\r\nKept=1\r\n[Device]\r\nLeft=300\r\nTop=40\r\n";
    folder.Write(ini, before);
    ScriptedPrompter prompter;
    auto form = StartDesigner(QString::fromStdString(folder.Path()), prompter);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(folder.Read(ini), before);

    // What lands on the disk after the start is neither read nor merged.
    folder.Write(ini, "[Settings]\r\nNo of Pages=2\r\nDevice Type=5\r\n[Device]\r\nLeft=1\r\n");
    form->Preview()->move(320, 50);
    ASSERT_TRUE(form->close());
    const std::string closed = folder.Read(ini);
    for (const char* line : {"No of Pages=9", "Device Type=2", "[Mine]", "Kept=1", "[Device]",
                             "Left=320", "Top=50", "[Mainform]"})
        EXPECT_NE(closed.find(line), std::string::npos) << line << "\n" << closed;
    EXPECT_EQ(closed.find("No of Pages=2"), std::string::npos) << closed;

    // That one write held the windows' places: taking them down writes nothing more.
    folder.Write(ini, "written once");
    form.reset();
    EXPECT_EQ(folder.Read(ini), "written once");
}
