#include <gtest/gtest.h>

#include "core/app/RecentFiles.h"
#include "core/app/SaveTarget.h"
#include "core/app/SettingsFile.h"
#include "plain/TempFolder.h"

using namespace roamplot;
using roamplot::test::TempFolder;

TEST(RecentFiles, NewestFirstOnceEachAtMostEightAndNeverAHandheldPath) {
    TempFolder folder;
    const std::filesystem::path a = folder.Folder() / "a.par1";
    RecentFileList list;
    for (int n = 1; n <= 9; ++n)
        list = RememberRecentFile(list, folder.Folder() / ("f" + std::to_string(n) + ".par1"));
    list = RememberRecentFile(list, a);
    list = RememberRecentFile(list, folder.Folder() / "." / "f9.par1");
    list = RememberRecentFile(list, "\\Roamplot 2\\got.par1");
    ASSERT_EQ(list.size(), std::size_t(MaxRecentFiles));
    EXPECT_EQ(list[0], folder.Folder() / "f9.par1") << "the same file twice is listed once";
    EXPECT_EQ(list[1], a);
    EXPECT_EQ(list[2], folder.Folder() / "f8.par1");
    EXPECT_EQ(list.back(), folder.Folder() / "f3.par1");
    EXPECT_EQ(ForgetRecentFile(list, a).size(), std::size_t(MaxRecentFiles - 1));
}

TEST(RecentFiles, AHandEditedListReadsCleanAndAShorterListLeavesNoStaleEntry) {
    TempFolder folder;
    const std::string pc = folder.Path();
    const std::string ini = folder.Write("s.ini", "[Recent Files]\nFile1=" + pc +
                                                      "/one.par1\nFile2=\nFile3=relative.par1\n" +
                                                      "File4=" + pc + "/two.par1\nFile5=" + pc +
                                                      "/one.par1\nFile9=" + pc + "/nine.par1\n");
    {
        SettingsFile file(ini);
        RecentFileList list = ReadRecentFiles(file);
        ASSERT_EQ(list.size(), 2u);
        EXPECT_EQ(list[0], std::filesystem::path(pc + "/one.par1"));
        EXPECT_EQ(list[1], std::filesystem::path(pc + "/two.par1"));
        ChangeRecentFiles(file, {list[1]});
        EXPECT_EQ(file.Save(), "");
    }
    SettingsFile again(ini);
    RecentFileList list = ReadRecentFiles(again);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0], std::filesystem::path(pc + "/two.par1"));
}

TEST(SaveTarget, SaveAsksForANameOnlyWhenTheLayoutHasNoFileOfThisPc) {
    TempFolder folder;
    EXPECT_FALSE(SaveAsksForName(folder.Folder() / "mine.par1")) << "a new file in a folder";
    EXPECT_FALSE(SaveAsksForName(folder.Write("old.par1", "x")));
    EXPECT_TRUE(SaveAsksForName(""));
    EXPECT_TRUE(SaveAsksForName(folder.Folder() / UntitledParameterFileName));
    EXPECT_TRUE(SaveAsksForName("mine.par1"));
    EXPECT_TRUE(SaveAsksForName("\\Roamplot 2\\got.par1"));
    EXPECT_TRUE(SaveAsksForName(folder.Folder() / "gone" / "mine.par1"));
}

TEST(SaveTarget, AFetchedFileIsProposedUnderItsNameInTheLastFolderOfThisPc) {
    TempFolder folder;
    const std::filesystem::path last = folder.Folder() / "trips" / "coast.par1";
    const std::filesystem::path mine = folder.Folder() / "mine.par1";
    EXPECT_EQ(ProposedSaveName(mine, last), mine) << "a file of this PC stays";
    EXPECT_EQ(ProposedSaveName("\\Roamplot 2\\Got.par1", last),
              folder.Folder() / "trips" / "Got.par1");
    EXPECT_EQ(ProposedSaveName("mykeys.key2", last), folder.Folder() / "trips" / "mykeys.key2");
    EXPECT_EQ(ProposedSaveName("\\Roamplot 2\\Got.par1", ""), "Got.par1")
        << "no folder of this PC known: the bare name";
    EXPECT_EQ(ProposedSaveName("\\Roamplot 2\\Got.par1", "\\Roamplot 2\\old.par1"), "Got.par1");
    EXPECT_EQ(ProposedSaveName("", last), "");
}
