// Saving over what the user already has: links, permissions, read-only files,
// pipes, a full disk and what a killed save left. Links, modes, pipes and size
// limits are POSIX here; Windows keeps them in other ways.
#include "plain/CoreTest.h"

#ifndef _WIN32
#include <sys/stat.h>

#include <functional>

#include "core/io/FileIo.h"
#include "plain/FileSizeLimit.h"

namespace {

ParameterFileWriteResult WriteOneBox(const std::string& path) {
    ScreenLayout layout;
    layout.Box(1, 1) = NewBox(1, "map", "2", 0, 0, 100, 100);
    return WriteParameterFile(layout, DeviceScreen{}, path, PlainThumbnail());
}

} // namespace

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

// Each way a save can fail leaves the old file as it was, its mode included, and nothing beside it.
TEST(FailedWrites, KeepTheOldFileAndLeaveNothingBehind) {
    const struct {
        const char* name;
        fs::perms folderMode, fileMode; // the super-user writes anywhere: these fail as a user
        std::function<std::string(const std::string&)> save;
        const char* error; // a part of it
        bool asUser = true;
    } rows[] = {
        // The folder lets anyone create files: only the file's own mode forbids the write.
        {"a read-only file", fs::perms::all,
         fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read,
         [](const std::string& path) { return WriteFileAtomically(path, "new"); },
         "Permission denied"},
        {"a folder that refuses writing",
         fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
             fs::perms::others_exec,
         fs::perms::owner_read | fs::perms::owner_write,
         [](const std::string& path) { return WriteOneBox(path).Error; }, "Permission denied"},
        {"a full disk", fs::perms::owner_all, fs::perms::owner_read | fs::perms::owner_write,
         [](const std::string& path) {
             FileSizeLimit fullDisk(200);
             return WriteOneBox(path).Error;
         },
         "File too large", false},
        {"a pipe", fs::perms::owner_all, fs::perms::owner_read | fs::perms::owner_write,
         [](const std::string& path) {
             const std::string pipe = fs::path(path).replace_filename("out.par1").string();
             EXPECT_EQ(mkfifo(pipe.c_str(), 0644), 0);
             fs::create_symlink("out.par1", fs::path(path).replace_filename("link.par1"));
             const std::string link = fs::path(pipe).replace_filename("link.par1").string();
             for (const std::string& target : {pipe, link})
                 EXPECT_EQ(WriteFileAtomically(target, "new"),
                           "Cannot write file \"" + target + "\". It is not a regular file.");
             EXPECT_TRUE(fs::is_fifo(fs::symlink_status(pipe)));
             fs::remove(pipe);
             fs::remove(link);
             return std::string("It is not a regular file.");
         },
         "It is not a regular file.", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder temp;
        fs::permissions(temp.Path(), fs::perms::others_exec, fs::perm_options::add);
        const fs::path folder = temp.MakeFolder("layouts");
        const std::string path = (folder / "layout.par1").string();
        const std::string old = TestDataBytes("writer_pages.par1");
        temp.Write("layouts/layout.par1", old);
        fs::permissions(path, row.fileMode);
        fs::permissions(folder, row.folderMode);
        if (row.asUser) {
            EXPECT_TRUE(TrueAsOrdinaryUser([&] {
                return row.save(path).find(row.error) != std::string::npos;
            })) << "the save was not refused";
        } else {
            const std::string error = row.save(path);
            EXPECT_NE(error.find(row.error), std::string::npos) << error;
        }
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
        EXPECT_EQ(ReadFileBytes(path).value_or(""), old);
        EXPECT_EQ(fs::status(path).permissions(), row.fileMode);
        EXPECT_EQ(EntriesIn(folder), 1) << "something was left beside the file";
    }
}

TEST(WriteFileAtomically, RemovesWhatAnInterruptedWriteOfTheSameFileLeft) {
    TempFolder folder;
    folder.Write(".layout.par1.1234567.tmp", "half a layout");
    folder.Write(".layout.par1.99.tmp", "another half");
    // Not the leftovers of this file's writes.
    folder.Write(".other.par1.12.tmp", "x");
    folder.Write(".layout.par1.mine.tmp", "x");
    EXPECT_EQ(WriteFileAtomically(folder.File("layout.par1"), "whole"), "");
    EXPECT_FALSE(fs::exists(folder.File(".layout.par1.1234567.tmp")));
    EXPECT_FALSE(fs::exists(folder.File(".layout.par1.99.tmp")));
    EXPECT_EQ(EntriesIn(folder.Path()), 3);
    EXPECT_EQ(folder.Read("layout.par1"), "whole");
}

#endif
