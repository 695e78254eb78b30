#include <filesystem>

#include "qt/CliRunner.h"

namespace {

namespace fs = std::filesystem;

class DeviceCommandsTest : public CliTest {
  protected:
    DeviceCommandsTest() { fs::create_directories(mount.Folder() / "Roamplot 2" / "Symbols"); }
    CliRun Run(const QStringList& arguments) {
        return CliTest::Run(QStringList{"--device-mount", Q(mount.Path())} + arguments);
    }

    TempFolder mount;
};

// The messages themselves are the core's (FolderDeviceTest, LibraryDeviceTest, DeviceNames).
TEST_F(DeviceCommandsTest, FailuresKeepFilesAndSayWhy) {
    const std::string kept = work.Write("kept.par1", "old");
    CliRun missing = Run({"get", "none.par1", Q(kept)});
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_EQ(missing.Err.toStdString(),
              "roamplot-cli: Could not get none.par1 from the PDA: the file is not on the PDA. "
              "Nothing was changed.\n");
    EXPECT_EQ(work.Read("kept.par1"), "old");

    for (const QStringList& refused : {QStringList{"get", "..\\..\\x.par1", Q(kept)},
                                       {"send", Work("absent.par1"), "x.par1"},
                                       {"send", Q(work.Write("x.txt", "x")), "x.par1"},
                                       {"get"}})
        EXPECT_EQ(Run(refused).ExitCode, 2) << refused.join(' ').toStdString();

    CliRun absent = CliTest::Run({"--device-mount", Q(mount.Path() + "/gone"), "device-list"});
    EXPECT_EQ(absent.ExitCode, 1);
    EXPECT_EQ(absent.Err.toStdString(), "roamplot-cli: Cannot connect to PDA\n");
}

TEST_F(DeviceCommandsTest, MountFolderAndDeviceFolderComeFromTheSettings) {
    mount.Write("Card/Maps/a.par1", "x");
    program.Write("RoamCE_Screen_Designer.ini",
                  "[Settings]\r\nDevice Mount Folder=" + mount.Path() +
                      "/Card\r\nRoamplotCE Folder=\\maps\\\r\n");
    CliRun listed = CliTest::Run({"device-list"});
    EXPECT_EQ(listed.ExitCode, 0) << listed.Err.toStdString();
    EXPECT_EQ(listed.Out.toStdString(), "a.par1\n");
}

} // namespace
