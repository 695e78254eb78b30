// What a save may replace: only regular files, and what a killed save left behind.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>

#include <filesystem>

#include "core/io/FileIo.h"
#include "plain/TempFolder.h"
#include "plain/TestFiles.h"

using namespace roamplot;
using namespace roamplot::test;
namespace fs = std::filesystem;

TEST(WriteFileAtomically, RefusesAPipeOrALinkToOneAndLeavesIt) {
    TempFolder folder;
    const std::string pipe = folder.File("out.par1");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
    fs::create_symlink("out.par1", folder.File("link.par1"));
    for (const std::string& target : {pipe, folder.File("link.par1")}) {
        EXPECT_EQ(WriteFileAtomically(target, "new"),
                  "Cannot write file \"" + target + "\". It is not a regular file.");
        EXPECT_TRUE(fs::is_fifo(fs::symlink_status(pipe)));
    }
    EXPECT_EQ(EntriesIn(folder.Path()), 2);
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
