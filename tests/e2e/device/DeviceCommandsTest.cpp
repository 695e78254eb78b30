#include <gtest/gtest.h>

#include <filesystem>

#include "core/io/FileIo.h"
#include "plain/TempFolder.h"
#include "qt/CliRunner.h"

namespace roamplot {
namespace {

namespace fs = std::filesystem;
using test::CliRun;

class DeviceCommandsTest : public ::testing::Test {
  protected:
    DeviceCommandsTest() {
        test::CopyShippedCatalogues(program);
        fs::create_directories(fs::path(mount.Path()) / "Roamplot 2" / "Symbols");
    }
    CliRun Run(const QStringList& arguments) {
        return test::RunCli(program.Path(),
                            QStringList{"--device-mount", QString::fromStdString(mount.Path())} +
                                arguments);
    }
    std::string OnDevice(const std::string& name) { return mount.Read("Roamplot 2/" + name); }

    test::TempFolder program;
    test::TempFolder mount;
    test::TempFolder pc;
};

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

TEST_F(DeviceCommandsTest, SendsListsAndGetsBack) {
    const std::string layout = std::string(SHIPPED_DATA_DIR) + "/Samples/Coast Loop.par1";
    CliRun sent = Run({"send", Q(layout), "My Loop.par1"});
    ASSERT_EQ(sent.ExitCode, 0) << sent.Err.toStdString();
    EXPECT_EQ(sent.Out.toStdString(), "Save to PDA Successful\n");
    EXPECT_EQ(OnDevice("My Loop.par1"), program.Read("temp.$$$"));

    CliRun keys = Run({"send", Q(std::string(TEST_DATA_DIR) + "/known-map.key2"), "Known.key2"});
    ASSERT_EQ(keys.ExitCode, 0) << keys.Err.toStdString();
    EXPECT_NE(OnDevice("Known.key2").find("\r\n"), std::string::npos);

    mount.Write("Roamplot 2/.hidden.par1", "x");
    mount.Write("Roamplot 2/notes.txt", "x");
    CliRun listed = Run({"device-list"});
    EXPECT_EQ(listed.ExitCode, 0);
    EXPECT_EQ(listed.Out.toStdString(), "known.key2\nmy loop.par1\n");

    const std::string back = pc.File("back.par1");
    CliRun got = Run({"get", "MY LOOP.PAR1", Q(back)});
    ASSERT_EQ(got.ExitCode, 0) << got.Err.toStdString();
    EXPECT_EQ(pc.Read("back.par1"), OnDevice("My Loop.par1"));
}

TEST_F(DeviceCommandsTest, FailuresKeepFilesAndSayWhy) {
    const std::string kept = pc.Write("kept.par1", "old");
    CliRun missing = Run({"get", "none.par1", Q(kept)});
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_EQ(missing.Err.toStdString(),
              "roamplot-cli: Could not get none.par1 from the PDA: the file is not on the PDA. "
              "Nothing was changed.\n");
    EXPECT_EQ(pc.Read("kept.par1"), "old");

    CliRun badName = Run({"get", "..\\..\\x.par1", Q(kept)});
    EXPECT_EQ(badName.ExitCode, 2);
    EXPECT_EQ(badName.Err.toStdString(),
              "roamplot-cli: The name \"..\\..\\x.par1\" cannot be used on the PDA.\n");
    EXPECT_EQ(Run({"send", Q(kept), std::string(400, 'a').c_str()}).ExitCode, 2);
    EXPECT_EQ(Run({"send", Q(pc.File("absent.par1")), "x.par1"}).ExitCode, 2);
    EXPECT_EQ(Run({"send", Q(pc.Write("x.txt", "x")), "x.par1"}).ExitCode, 2);
    EXPECT_EQ(Run({"get"}).ExitCode, 2);

    fs::remove_all(fs::path(mount.Path()) / "Roamplot 2");
    CliRun noFolder = Run({"send", Q(std::string(TEST_DATA_DIR) + "/known-map.key2"), "k.key2"});
    EXPECT_EQ(noFolder.ExitCode, 1);
    EXPECT_EQ(noFolder.Err.toStdString(), "roamplot-cli: Could not Save to PDA\n");

    CliRun absent =
        test::RunCli(program.Path(), {"--device-mount", Q(mount.Path() + "/gone"), "device-list"});
    EXPECT_EQ(absent.ExitCode, 1);
    EXPECT_EQ(absent.Err.toStdString(), "roamplot-cli: Cannot connect to PDA\n");
}

TEST_F(DeviceCommandsTest, MountFolderAndDeviceFolderComeFromTheSettings) {
    fs::create_directories(fs::path(mount.Path()) / "Card" / "Maps");
    mount.Write("Card/Maps/a.par1", "x");
    program.Write("RoamCE_Screen_Designer.ini",
                  "[Settings]\r\nDevice Mount Folder=" + mount.Path() +
                      "/Card\r\nRoamplotCE Folder=\\maps\\\r\n");
    CliRun listed = test::RunCli(program.Path(), {"device-list"});
    EXPECT_EQ(listed.ExitCode, 0) << listed.Err.toStdString();
    EXPECT_EQ(listed.Out.toStdString(), "a.par1\n");
}

} // namespace
} // namespace roamplot
