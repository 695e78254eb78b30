#include <gtest/gtest.h>

#include <filesystem>
#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "ParameterFileFixtures.h"
#include "core/io/FileIo.h"
#include "core/model/ParameterFileWriter.h"
#ifndef _WIN32
#include "plain/FileSizeLimit.h"
#endif
#include "plain/TempFolder.h"

using namespace roamplot;
using namespace roamplot::test;

// A full disk and a refusing folder are made with POSIX resource limits and users.
#ifndef _WIN32
namespace {

ScreenLayout OneBoxLayout() {
    ScreenLayout layout;
    layout.Box(1, 1) = NewBox(1, "map", "2", 0, 0, 100, 100);
    return layout;
}

} // namespace

TEST(ParameterFileSave, AFullDiskKeepsTheOldFile) {
    TempFolder folder;
    const std::string old = Fixture("writer_pages.par1");
    const std::string path = folder.Write("layout.par1", old);
    ParameterFileWriteResult result;
    {
        FileSizeLimit limit(200);
        result = WriteParameterFile(OneBoxLayout(), DeviceScreen{}, path, PlainThumbnail());
    }
    EXPECT_FALSE(result.Ok());
    EXPECT_NE(result.Error.find("File too large"), std::string::npos) << result.Error;
    EXPECT_EQ(folder.Read("layout.par1"), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()),
              1)
        << "the temporary file was left behind";
}

TEST(ParameterFileSave, AFolderThatRefusesWritingKeepsTheOldFile) {
    TempFolder folder;
    const std::string old = Fixture("writer_empty.par1");
    const std::string path = folder.Write("locked/layout.par1", old);
    std::filesystem::permissions(folder.File("locked"), std::filesystem::perms::owner_read |
                                                            std::filesystem::perms::owner_exec |
                                                            std::filesystem::perms::others_read |
                                                            std::filesystem::perms::others_exec);
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::others_exec,
                                 std::filesystem::perm_options::add);
    // The super-user writes anywhere; the save runs as an ordinary user then.
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (geteuid() == 0 && setuid(65534) != 0) _exit(3);
        ParameterFileWriteResult result =
            WriteParameterFile(OneBoxLayout(), DeviceScreen{}, path, PlainThumbnail());
        _exit(!result.Ok() && result.Error.find("Permission denied") != std::string::npos ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the save did not fail as denied";
    EXPECT_EQ(ReadFileBytes(path).value_or(""), old);
}
#endif

TEST(ParameterFileSave, ASuccessfulSaveReplacesTheFile) {
    TempFolder folder;
    const std::string path = folder.Write("layout.par1", "old");
    ParameterFileWriteResult result =
        WriteParameterFile(ScreenLayout{}, DeviceScreen{}, path, PlainThumbnail());
    EXPECT_TRUE(result.Ok()) << result.Error;
    EXPECT_EQ(folder.Read("layout.par1"), Fixture("writer_empty.par1"));
}
