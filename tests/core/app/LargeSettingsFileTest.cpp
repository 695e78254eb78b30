// A settings file far larger than any the designer writes is neither read nor
// replaced: the designer starts on its defaults and says so once.
#include <gtest/gtest.h>

#include "core/app/DesignerSettings.h"
#include "core/app/SettingsFile.h"
#include "plain/TempFolder.h"

using namespace roamplot;
using roamplot::test::TempFolder;

TEST(LargeSettingsFile, IsNotReadAndNeverOverwritten) {
    TempFolder folder;
    std::string text = "[Settings]\r\nNo of Pages=7\r\n";
    const std::string comment = "; " + std::string(1000, 'x') + "\r\n";
    while (text.size() <= (16u << 20)) text += comment;
    const std::string path = folder.Write("s.ini", text);

    SettingsFile file(path);
    std::vector<std::string> notices;
    DesignerSettings settings = ReadDesignerSettings(file, &notices);
    EXPECT_EQ(settings.NumberOfPages, 5);
    EXPECT_EQ(notices, std::vector<std::string>{
                           "The settings file " + path +
                           " is larger than 16 MiB, so it was not read: the designer starts with "
                           "its defaults and leaves the file as it is."});
    settings.NumberOfPages = 9;
    EXPECT_EQ(WriteDesignerSettingsAtClose(file, settings), "");
    EXPECT_TRUE(folder.Read("s.ini") == text) << "the file was overwritten";

    // Just under the bound it is read as always.
    text.resize(16u << 20);
    SettingsFile smaller(folder.Write("s.ini", text));
    notices.clear();
    EXPECT_EQ(ReadDesignerSettings(smaller, &notices).NumberOfPages, 7);
    EXPECT_TRUE(notices.empty());
}
