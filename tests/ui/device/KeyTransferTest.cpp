#include "DeviceFixture.h"
#include "core/device/RemoteApiLibrary.h"
#include "core/io/FileIo.h"
#include "plain/Environment.h"

namespace roamplot::test {
namespace {

TEST_F(DeviceTransferTest, KeysGoToTheHandheldAndComeBack) {
    Start();
    PutOnDevice("other.KEY2", "x");
    PutOnDevice("trip.par1", "x");
    KeyMap& keys = Form().Keys();
    keys.AssignHardwareKey(0, 3);
    keys.AssignScreenButton(2, 4, 5, "Zoom");
    Form().KeyMapPage()->SetKeyFileName(designer->folder.File("Mine.key2"));
    Form().Tabs()->setCurrentIndex(MainForm::KeyTabIndex);

    Answer("buttons.key2");
    SendKeys();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].Names, QStringList("other.key2"));
    EXPECT_EQ(seen[0].FileName, "Mine.key2");
    EXPECT_EQ(seen[0].ConfirmCaption, "Send");
    EXPECT_EQ(seen[0].Mode, FileListMode::Keys);
    EXPECT_EQ(Prompter().Of("timed"), QStringList("1 2000 Save to PDA Successful"));
    EXPECT_NE(ReadFileBytes(OnDevice("buttons.key2"))->find("a1,Up,"), std::string::npos);
    EXPECT_EQ(Form().KeyFileName(), designer->folder.File("Mine.key2"))
        << "the transfer file never becomes the current key file";
    EXPECT_EQ(ShownTitle(Form()), MainTitle + "Mine.key2*") << "the map is still unsaved";

    keys.AssignHardwareKey(0, 7);
    keys.AssignScreenButton(2, 4, 0, "");
    Answer("buttons.key2");
    GetKeys();
    EXPECT_EQ(Prompter().Of("confirm"),
              QStringList("Changes have been made to the button settings which have not been "
                          "saved. Load a new file?"));
    EXPECT_EQ(seen[1].ConfirmCaption, "Get");
    EXPECT_EQ(keys.HardwareKeys[0], 3);
    EXPECT_EQ(keys.FindScreenButton(2, 4)->Caption, "Zoom");
    EXPECT_FALSE(keys.Changed);
    EXPECT_EQ(Form().KeyFileName(), "buttons.key2");
    EXPECT_EQ(ShownTitle(Form()), MainTitle + "buttons.key2");
    EXPECT_EQ(Prompter().Of("message"), QStringList("Get from PDA Successful"));
}

TEST_F(DeviceTransferTest, AFailedKeyGetLeavesTheKeyMapAsItWas) {
    Start();
    KeyMap& keys = Form().Keys();
    keys.AssignHardwareKey(1, 3);
    keys.Changed = false;
    Form().KeyMapPage()->SetKeyFileName(designer->folder.File("Mine.key2"));
    PutOnDevice("bad.key2", TestDataBytes("bad-command.key2"));
    Answer("bad.key2");
    GetKeys();
    ASSERT_EQ(Prompter().Of("message").size(), 1);
    EXPECT_TRUE(Prompter().Of("message")[0].startsWith(
        "Could not get bad.key2 from the PDA: it stopped loading: "));
    EXPECT_EQ(std::tuple(keys.HardwareKeys[0], keys.HardwareKeys[1]), std::tuple(0, 3));
    EXPECT_EQ(Form().KeyFileName(), designer->folder.File("Mine.key2"));
}

TEST_F(DeviceTransferTest, AGetAsksBeforeReplacingUnsavedWorkAndACancelGetsNothing) {
    Start();
    PutOnDevice("a.key2", "a1,Up,5\r\n");
    PutOnDevice("a.par1", *ReadFileBytes(TestData("writer_pages.par1")));
    Form().Keys().AssignHardwareKey(0, 3);
    designer->AddBox({10, 10, 60, 30});
    Prompter().ConfirmAnswers = {false, false};
    Answer("a.key2");
    GetKeys();
    Answer("a.par1");
    GetLayout();
    EXPECT_EQ(Prompter().Of("confirm").size(), 2);
    EXPECT_EQ(Prompter().Of("dialog"), QStringList()) << "asked before anything else";
    EXPECT_EQ(Form().Keys().HardwareKeys[0], 3);
    EXPECT_TRUE(Form().Layout().Modified);
    EXPECT_EQ(Form().Layout().BoxCount(1), 1);
}

TEST_F(DeviceTransferTest, WithoutTheHandheldTheCommandsStopAfterSayingSo) {
    Start("\\Roamplot 2", false);
    fs::remove_all(mount.Path());
    SendLayout();
    GetLayout();
    SendKeys();
    GetKeys();
    EXPECT_EQ(
        Prompter().Of("message"),
        QStringList({"Cannot connect to PDA", "Cannot connect to PDA", "Cannot connect to PDA",
                     "Could not Save to PDA", "Cannot connect to PDA",
                     "Key2 file not found on the PDA or could not be transferred."}));
    EXPECT_EQ(Prompter().Of("dialog"), QStringList());
}

TEST_F(DeviceTransferTest, WithoutAStorageFolderTheRemoteApiLibraryIsLoadedByName) {
    fs::create_directories(fs::path(mount.Path()) / "Roamplot 2" / "Symbols");
    SetEnvironment("ROAMPLOT_RAPI_LIBRARY", TEST_RAPI_LIBRARY);
    SetEnvironment("ROAMPLOT_DEVICE_MOUNT", mount.Path());
    auto calls = reinterpret_cast<int (*)(const char*)>(
        FindLibraryFunction(TEST_RAPI_LIBRARY, "RoamplotTestCalls"));
    auto reset =
        reinterpret_cast<void (*)()>(FindLibraryFunction(TEST_RAPI_LIBRARY, "RoamplotTestReset"));
    ASSERT_TRUE(calls && reset);
    reset();
    designer = std::make_unique<DesignerFixture>();

    // How the library copies and refuses is LibraryDeviceTest's.
    Answer("buttons.key2");
    SendKeys();
    EXPECT_TRUE(FileExists(OnDevice("buttons.key2")));
    EXPECT_EQ(Prompter().Of("timed"), QStringList("1 2000 Save to PDA Successful"));
    EXPECT_EQ(calls("CeRapiInitEx"), 1) << "one connection a command, the listing nested in it";
    EXPECT_EQ(calls("CeRapiUninit"), 1);
    reset();
    UnsetEnvironment("ROAMPLOT_RAPI_LIBRARY");
    UnsetEnvironment("ROAMPLOT_DEVICE_MOUNT");
}

} // namespace
} // namespace roamplot::test
