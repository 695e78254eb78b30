#include <gtest/gtest.h>

#include "ParameterFileFixtures.h"
#include "core/io/FileIo.h"
#include "core/model/ParameterFileWriter.h"
#include "plain/TempFolder.h"
#include "plain/TestFiles.h"

// A full disk and a refusing folder are made with POSIX resource limits and users.
#ifndef _WIN32
#include "plain/FileSizeLimit.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {

ParameterFileWriteResult WriteOneBox(const std::string& path) {
    ScreenLayout layout;
    layout.Box(1, 1) = NewBox(1, "map", "2", 0, 0, 100, 100);
    return WriteParameterFile(layout, DeviceScreen{}, path, PlainThumbnail());
}

} // namespace

TEST(ParameterFileSave, AFullDiskKeepsTheOldFile) {
    TempFolder folder;
    const std::string old = TestDataBytes("writer_pages.par1");
    const std::string path = folder.Write("layout.par1", old);
    ParameterFileWriteResult result;
    {
        FileSizeLimit limit(200);
        result = WriteOneBox(path);
    }
    EXPECT_FALSE(result.Ok());
    EXPECT_NE(result.Error.find("File too large"), std::string::npos) << result.Error;
    EXPECT_EQ(folder.Read("layout.par1"), old);
    EXPECT_EQ(EntriesIn(folder.Path()), 1) << "the temporary file was left behind";
}

TEST(ParameterFileSave, AFolderThatRefusesWritingKeepsTheOldFile) {
    namespace fs = std::filesystem;
    TempFolder folder;
    const std::string old = TestDataBytes("writer_empty.par1");
    const std::string path = folder.Write("locked/layout.par1", old);
    fs::permissions(folder.File("locked"), fs::perms::owner_read | fs::perms::owner_exec |
                                               fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(folder.Path(), fs::perms::others_exec, fs::perm_options::add);
    EXPECT_TRUE(TrueAsOrdinaryUser([&path] {
        const ParameterFileWriteResult result = WriteOneBox(path);
        return !result.Ok() && result.Error.find("Permission denied") != std::string::npos;
    })) << "the save did not fail as denied";
    EXPECT_EQ(ReadFileBytes(path).value_or(""), old);
}
#endif
