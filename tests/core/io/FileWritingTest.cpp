// Saving over what the user already has: links, permissions, read-only files.
// Links and modes are POSIX here; Windows keeps them in other ways.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <filesystem>

#include "core/io/FileIo.h"
#include "plain/TempFolder.h"
#include "plain/TestFiles.h"

using namespace roamplot;
using namespace roamplot::test;
namespace fs = std::filesystem;

TEST(WriteFileAtomically, WritesThroughSymbolicLinksAndKeepsThem) {
    TempFolder folder;
    const std::string target = folder.Write("real/layout.par1", "old");
    fs::create_symlink("real/layout.par1", folder.File("link.par1"));
    fs::create_symlink(folder.File("link.par1"), folder.File("second.par1"));

    EXPECT_EQ(WriteFileAtomically(folder.File("second.par1"), "new"), "");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder.File("link.par1"))));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder.File("second.par1"))));
    EXPECT_EQ(folder.Read("real/layout.par1"), "new");
    // The temporary file lay beside the target, and is gone.
    EXPECT_EQ(EntriesIn(folder.File("real")), 1);

    // A link to a file not yet there creates the file it names.
    fs::create_symlink("real/fresh.key2", folder.File("fresh.key2"));
    EXPECT_EQ(WriteFileAtomically(folder.File("fresh.key2"), "keys"), "");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder.File("fresh.key2"))));
    EXPECT_EQ(folder.Read("real/fresh.key2"), "keys");
}

TEST(WriteFileAtomically, KeepsTheModeOfTheFileItReplaces) {
    TempFolder folder;
    const std::string path = folder.Write("private.key2", "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(WriteFileAtomically(path, "new"), "");
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);

    const std::string shared = folder.Write("shared.par1", "old");
    fs::permissions(shared, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                fs::perms::group_write | fs::perms::others_read);
    EXPECT_EQ(WriteFileAtomically(shared, "new"), "");
    EXPECT_EQ(fs::status(shared).permissions() & fs::perms::group_write, fs::perms::group_write);
    EXPECT_EQ(folder.Read("shared.par1"), "new");
}

TEST(WriteFileAtomically, RefusesAFileTheUserMayNotWriteAndLeavesItAsItWas) {
    TempFolder folder;
    // The folder lets anyone create files: only the file's own mode forbids the write.
    fs::permissions(folder.Path(), fs::perms::all);
    const std::string path = folder.Write("locked.par1", "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_TRUE(TrueAsOrdinaryUser([&path] {
        return WriteFileAtomically(path, "new") ==
               "Cannot write file \"" + path + "\". Permission denied";
    })) << "the write was not refused";
    EXPECT_EQ(folder.Read("locked.par1"), "old");
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(EntriesIn(folder.Path()), 1);
}

#endif
