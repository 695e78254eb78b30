// The folder device on card folders that hold what a card should not: pipes,
// links out of the card, too little room; and the PC files a get replaces.

#ifndef _WIN32
#include "plain/CoreTest.h"
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/device/DeviceLink.h"
#include "core/device/DeviceTransfer.h"
#include "core/device/FolderDevice.h"
#include "core/device/RemoteApiLibrary.h"
#include "plain/FileSizeLimit.h"

namespace {

class CardFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(mount.Folder() / "Roamplot 2" / "Symbols");
        SetFolderDeviceMount(mount.Path());
        DeviceLinkHooks hooks;
        hooks.WaitForEvent = WaitForConnectionEvent;
        link = std::make_unique<DeviceLink>(FolderDeviceTable, hooks);
        ASSERT_TRUE(link->Connect());
    }
    bool Send(const std::string& pcFile, const std::string& devicePath) {
        return link->CopyToDevice(pcFile, devicePath);
    }
    std::string Card(const std::string& name) const { return mount.File("Roamplot 2/" + name); }

    test::TempFolder mount;
    test::TempFolder pc;
    std::unique_ptr<DeviceLink> link;
};

// Its read end held open, a pipe would take what is sent without blocking.
class ReadEnd {
  public:
    explicit ReadEnd(const std::string& pipe) : fd_(open(pipe.c_str(), O_RDONLY | O_NONBLOCK)) {}
    ~ReadEnd() { close(fd_); }
    ReadEnd(const ReadEnd&) = delete;
    ReadEnd& operator=(const ReadEnd&) = delete;

  private:
    int fd_;
};

TEST_F(CardFolderTest, APipeInTheCardFolderIsRefused) {
    const std::string pipe = Card("pipe.par1");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
    ReadEnd reader(pipe);
    EXPECT_FALSE(Send(pc.Write("a.par1", "layout"), "\\Roamplot 2\\pipe.par1"));
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(pipe)));
    EXPECT_FALSE(FetchDeviceFile(*link, "\\Roamplot 2\\pipe.par1", pc.File("got.par1")).Fetched);
    EXPECT_FALSE(fs::exists(pc.File("got.par1")));
}

TEST_F(CardFolderTest, LinksLeadingOutOfTheCardAreNotFollowed) {
    const std::string outside = pc.Write("outside/secret.par1", "secret");
    fs::create_symlink(outside, Card("secret.par1"));
    fs::create_symlink(pc.File("outside"), Card("Out"));
    const std::string source = pc.Write("new.par1", "new");

    EXPECT_FALSE(FetchDeviceFile(*link, "\\Roamplot 2\\secret.par1", pc.File("got.par1")).Fetched);
    EXPECT_FALSE(
        FetchDeviceFile(*link, "\\Roamplot 2\\Out\\secret.par1", pc.File("got.par1")).Fetched);
    EXPECT_FALSE(fs::exists(pc.File("got.par1")));
    EXPECT_FALSE(Send(source, "\\Roamplot 2\\secret.par1"));
    EXPECT_FALSE(Send(source, "\\Roamplot 2\\Out\\fresh.par1"));
    EXPECT_EQ(pc.Read("outside/secret.par1"), "secret");
    EXPECT_FALSE(fs::exists(pc.File("outside/fresh.par1")));
    EXPECT_EQ(ListDeviceFolder(*link, "\\Roamplot 2\\Out", FileListMode::Parameters),
              std::vector<std::string>{});

    // A link that stays on the card is followed, and stays a link.
    mount.Write("Roamplot 2/real.par1", "real");
    fs::create_symlink("real.par1", Card("alias.par1"));
    EXPECT_TRUE(FetchDeviceFile(*link, "\\Roamplot 2\\alias.par1", pc.File("got.par1")).Fetched);
    EXPECT_EQ(pc.Read("got.par1"), "real");
    EXPECT_TRUE(Send(source, "\\Roamplot 2\\alias.par1"));
    EXPECT_EQ(mount.Read("Roamplot 2/real.par1"), "new");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(Card("alias.par1"))));
}

TEST_F(CardFolderTest, ASendThatFailsPartWayKeepsTheOldFile) {
    mount.Write("Roamplot 2/my.par1", "the old layout");
    mount.Write("Roamplot 2/.my.par1.4711.tmp", "what a killed send left");
    const std::string source = pc.Write("big.par1", std::string(300000, 'x'));
    {
        test::FileSizeLimit fullCard(100000);
        EXPECT_FALSE(Send(source, "\\Roamplot 2\\my.par1"));
    }
    EXPECT_EQ(mount.Read("Roamplot 2/my.par1"), "the old layout");
    // Nothing is left beside it: the new file's part is gone, and so is what a killed send left.
    EXPECT_EQ(test::EntriesIn(mount.Folder() / "Roamplot 2"), 2);

    EXPECT_TRUE(Send(source, "\\Roamplot 2\\my.par1"));
    EXPECT_EQ(mount.Read("Roamplot 2/my.par1"), std::string(300000, 'x'));
    EXPECT_EQ(test::EntriesIn(mount.Folder() / "Roamplot 2"), 2);
}

TEST_F(CardFolderTest, AGetReplacesOnlyRegularFilesTheUserMayWriteAndKeepsTheirMode) {
    mount.Write("Roamplot 2/there.par1", "new");
    const std::string pipe = pc.File("pipe.par1");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
    EXPECT_FALSE(FetchDeviceFile(*link, "\\Roamplot 2\\there.par1", pipe).Fetched);
    EXPECT_EQ(link->LastFailure(),
              "the file on this PC cannot be written (it is not a regular file)");
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(pipe)));

    const std::string mine = pc.Write("private.par1", "old");
    fs::permissions(mine, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(FetchDeviceFile(*link, "\\Roamplot 2\\there.par1", mine).Fetched);
    EXPECT_EQ(pc.Read("private.par1"), "new");
    EXPECT_EQ(fs::status(mine).permissions(), fs::perms::owner_read | fs::perms::owner_write);

    // Only the file's own mode forbids it: anyone may create files in the folder.
    fs::permissions(pc.Path(), fs::perms::all);
    fs::permissions(mount.Path(), fs::perms::all);
    const std::string locked = pc.Write("locked.par1", "old");
    const fs::perms readOnly =
        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    fs::permissions(locked, readOnly);
    EXPECT_TRUE(test::TrueAsOrdinaryUser([&] {
        return !FetchDeviceFile(*link, "\\Roamplot 2\\there.par1", locked).Fetched &&
               link->LastFailure() == "the file on this PC cannot be written (Permission denied)";
    })) << "the get was not refused";
    EXPECT_EQ(pc.Read("locked.par1"), "old");
    EXPECT_EQ(fs::status(locked).permissions(), readOnly);
}

TEST_F(CardFolderTest, AGetRemovesWhatAKilledGetOfTheSameFileLeft) {
    const std::string target = pc.Write("kept.par1", "old");
    pc.Write("kept.par1.part", "half a copy");
    EXPECT_FALSE(FetchDeviceFile(*link, "\\Roamplot 2\\none.par1", target).Fetched);
    EXPECT_FALSE(fs::exists(target + ".part"));
    EXPECT_EQ(pc.Read("kept.par1"), "old");
}

} // namespace
#endif
