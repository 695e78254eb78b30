#include "plain/CoreTest.h"
#include <cstdlib>

#include "core/device/DeviceChoice.h"
#include "core/device/DeviceLink.h"
#include "core/device/FolderDevice.h"
#include "core/device/RemoteApiLibrary.h"
#include "plain/Environment.h"
#ifndef _WIN32
#include "plain/FileSizeLimit.h"
#endif

namespace {

// A link over the folder device built as a shared library and loaded by name.
class LibraryDeviceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directory(fs::path(mount.Path()) / "Roamplot 2");
        Library<void (*)()>("RoamplotTestReset")();
    }
    template <class Function> Function Library(const char* name) {
        auto* found = FindLibraryFunction(TEST_RAPI_LIBRARY, name);
        EXPECT_NE(found, nullptr) << name;
        return reinterpret_cast<Function>(found);
    }
    int Calls(const char* name) { return Library<int (*)(const char*)>("RoamplotTestCalls")(name); }

    DeviceLink MakeLink() {
        DeviceLinkHooks hooks = SystemDeviceLinkHooks();
        hooks.ShowMessage = [this](const std::string& text) { shown.push_back(text); };
        hooks.ProcessEvents = [this] { ++betweenBlocks; };
        return DeviceLink(ChooseRemoteApi(""), hooks);
    }

    test::TempFolder mount;
    test::TempFolder pc;
    test::ScopedEnvironment library{"ROAMPLOT_RAPI_LIBRARY", TEST_RAPI_LIBRARY};
    std::optional<test::ScopedEnvironment> folder{std::in_place, "ROAMPLOT_DEVICE_MOUNT",
                                                  mount.Path()};
    std::vector<std::string> shown;
    int betweenBlocks = 0;
};

TEST_F(LibraryDeviceTest, CopiesInBlocksBothWays) {
    const std::string bytes(64000, 'x');
    const std::string source = pc.Write("big.par1", bytes);
    DeviceLink link = MakeLink();
    ASSERT_TRUE(link.Connect());
    ASSERT_TRUE(link.CopyToDevice(source, "\\Roamplot 2\\big.par1"));
    ASSERT_TRUE(link.CopyFromDevice("\\ROAMPLOT 2\\BIG.PAR1", pc.File("back.par1")));
    link.Disconnect();
    EXPECT_EQ(mount.Read("Roamplot 2/big.par1"), bytes);
    EXPECT_EQ(pc.Read("back.par1"), bytes);
    // Two blocks each way, the reading closed by an empty read.
    EXPECT_EQ(std::tuple(Calls("CeWriteFile"), Calls("CeReadFile"), betweenBlocks,
                         Calls("CeCloseHandle"), Calls("CeRapiUninit"), shown.size()),
              std::tuple(2, 3, 4, 2, 1, 0u));
}

TEST_F(LibraryDeviceTest, ConnectionsNestAndEndOnce) {
    DeviceLink link = MakeLink();
    ASSERT_TRUE(link.Connect());
    ASSERT_TRUE(link.Connect());
    link.Disconnect();
    EXPECT_EQ(std::tuple(link.Connected(), Calls("CeRapiInitEx")), std::tuple(true, 1));
    link.Disconnect();
    EXPECT_EQ(std::tuple(link.Connected(), Calls("CeRapiUninit")), std::tuple(false, 1));
    link.Connect();
    link.Connect();
    link.DisconnectAll();
    EXPECT_EQ(std::tuple(link.Connected(), Calls("CeRapiUninit")), std::tuple(false, 2));
}

TEST_F(LibraryDeviceTest, RefusedDeviceWriteIsToldAndFails) {
    const std::string source = pc.Write("big.par1", std::string(64000, 'x'));
    Library<void (*)(int)>("RoamplotTestRefuseWritesAfter")(1);
    DeviceLink link = MakeLink();
    ASSERT_TRUE(link.Connect());
    EXPECT_FALSE(link.CopyToDevice(source, "\\Roamplot 2\\big.par1"));
    EXPECT_EQ(shown, std::vector<std::string>{"Cannot write to Destination file"});
    EXPECT_EQ(Calls("CeCloseHandle"), 1) << "the device file is closed";
}

#ifndef _WIN32 // a full disk is made with a POSIX file size limit
TEST_F(LibraryDeviceTest, FailedPcWriteDeletesThePartialFile) {
    mount.Write("Roamplot 2/big.par1", std::string(64000, 'x'));
    DeviceLink link = MakeLink();
    ASSERT_TRUE(link.Connect());
    {
        test::FileSizeLimit fullDisk(40000);
        EXPECT_FALSE(link.CopyFromDevice("\\Roamplot 2\\big.par1", pc.File("back.par1")));
    }
    EXPECT_FALSE(fs::exists(pc.File("back.par1")));
    EXPECT_EQ(shown, std::vector<std::string>{"Cannot write to Destination file"});
}
#endif

TEST_F(LibraryDeviceTest, MissingFilesFailWithoutMessage) {
    DeviceLink link = MakeLink();
    ASSERT_TRUE(link.Connect());
    EXPECT_FALSE(link.CopyFromDevice("\\Roamplot 2\\none.par1", pc.File("back.par1")));
    EXPECT_EQ(link.LastFailure(), "the file is not on the PDA");
    // Paths that leave the device folder are FolderDeviceTest's.
    for (auto [from, to] : {std::pair{pc.File("none.par1"), "\\Roamplot 2\\x.par1"},
                            {pc.Write("a.par1", "a"), "\\No Folder\\x.par1"}})
        EXPECT_FALSE(link.CopyToDevice(from, to)) << to;
    EXPECT_TRUE(shown.empty());
    EXPECT_FALSE(fs::exists(pc.File("back.par1")));
}

TEST_F(LibraryDeviceTest, MissingMountFolderIsAnAbsentDevice) {
    folder.reset();
    folder.emplace("ROAMPLOT_DEVICE_MOUNT", mount.Path() + "/gone");
    DeviceLink link = MakeLink();
    EXPECT_FALSE(link.Connect());
    EXPECT_EQ(shown, std::vector<std::string>{"Cannot connect to PDA"});
    EXPECT_EQ(Calls("CeRapiUninit"), 1);
}

TEST(DeviceLinkTest, MissingLibraryFailsAtOnce) {
    test::ScopedEnvironment library("ROAMPLOT_RAPI_LIBRARY", "/no/such/library.so");
    std::vector<std::string> shown;
    int waits = 0;
    DeviceLinkHooks hooks;
    hooks.WaitForEvent = [&](rapi::HANDLE, int) { return ++waits, false; };
    hooks.ShowMessage = [&](const std::string& text) { shown.push_back(text); };
    DeviceLink link(ChooseRemoteApi(""), hooks);
    // Braces make the calls in order, before `waits` is read.
    EXPECT_EQ((std::tuple{link.Connect(), link.CopyToDevice("x", "\\x"),
                          link.ListDeviceFiles("\\", "*.par1").has_value(), waits}),
              std::tuple(false, false, false, 0));
    EXPECT_EQ(shown, std::vector<std::string>{"Cannot connect to PDA"});
}

int uninits = 0;
rapi::HRESULT ROAMPLOT_RAPI_CALL NeverAnswers(rapi::RAPIINIT* init) {
    init->heRapiInit = init;
    return rapi::Ok;
}
rapi::HRESULT ROAMPLOT_RAPI_CALL CountUninit() {
    return ++uninits, rapi::Ok;
}

TEST(DeviceLinkTest, AbsentDeviceGivesUpAfterTheLastWaitAndAnEventOnTheLastStepsIsTooLate) {
    rapi::RemoteApiTable table = FolderDeviceTable();
    table.CeRapiInitEx = NeverAnswers;
    table.CeRapiUninit = CountUninit;
    std::vector<int> waited;
    std::vector<std::string> shown;
    DeviceLinkHooks hooks;
    hooks.WaitForEvent = [&](rapi::HANDLE, int ms) { return waited.push_back(ms), false; };
    hooks.ShowMessage = [&](const std::string& text) { shown.push_back(text); };
    DeviceLink link([table] { return table; }, hooks);
    EXPECT_FALSE(link.Connect());
    EXPECT_EQ(waited, std::vector<int>(51, 100));
    EXPECT_EQ(shown, std::vector<std::string>{"Cannot connect to PDA"});
    EXPECT_EQ(uninits, 1);

    for (int answerAt : {49, 50}) {
        int waits = 0;
        hooks.WaitForEvent = [&](rapi::HANDLE, int) { return waits++ == answerAt; };
        EXPECT_EQ(DeviceLink([table] { return table; }, hooks).Connect(), answerAt < 50)
            << answerAt;
    }
}

} // namespace
