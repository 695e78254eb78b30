#include "plain/CoreTest.h"
#include <fstream>

#include "core/device/DeviceLink.h"
#include "core/device/DeviceText.h"
#include "core/device/DeviceTransfer.h"
#include "core/device/FetchedFiles.h"
#include "core/device/FolderDevice.h"
#include "core/device/RemoteApiLibrary.h"

namespace {

class FolderDeviceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(fs::path(mount.Path()) / "Roamplot 2" / "Symbols");
        SetFolderDeviceMount(mount.Path());
    }
    DeviceLink MakeLink() {
        DeviceLinkHooks hooks;
        hooks.WaitForEvent = WaitForConnectionEvent;
        hooks.ShowMessage = [this](const std::string& text) { shown.push_back(text); };
        return DeviceLink(FolderDeviceTable, hooks);
    }
    test::TempFolder mount;
    test::TempFolder pc;
    std::vector<std::string> shown;
};

TEST_F(FolderDeviceTest, DevicePathsMapBelowTheFolderOnly) {
    const fs::path root = mount.Path();
    mount.Write("Roamplot 2/My.Par1", "x");
    // The very file, whether the PC's file system matches names by case or not.
    const auto differentCase = MapDevicePath(root, u"\\roamplot 2\\\\MY.PAR1");
    ASSERT_TRUE(differentCase);
    EXPECT_TRUE(fs::equivalent(*differentCase, root / "Roamplot 2" / "My.Par1"));
    EXPECT_EQ(MapDevicePath(root, u"\\Roamplot 2\\new.par1"), root / "Roamplot 2" / "new.par1");
    for (const char16_t* escaping :
         {u"..\\..\\x.par1", u"\\Roamplot 2\\..\\..\\x", u"C:\\x.par1", u"/etc/passwd", u"\\a/b"})
        EXPECT_FALSE(MapDevicePath(root, escaping)) << fs::path(escaping).string();
}

TEST(DevicePattern, MatchesAsTheHandheldDoesAndNamesCrossToUtf16AndBack) {
    EXPECT_EQ(std::tuple(MatchesDevicePattern(u"Route.PAR1", u"*.par1"),
                         MatchesDevicePattern(u"a.b.par1", u"*.par1"),
                         MatchesDevicePattern(u"a.par11", u"*.par1"),
                         MatchesDevicePattern(u"a.key2", u"*.par1"),
                         MatchesDevicePattern(u"x1.key2", u"x?.*")),
              std::tuple(true, true, false, false, true));
    const std::string text = "\\Caf\xE9 \x80";
    EXPECT_EQ(DeviceTextToUtf16(text), u"\\Caf\u00E9 \u20AC");
    EXPECT_EQ(std::tuple(Utf16ToDeviceText(DeviceTextToUtf16(text)), Utf16ToDeviceText(u"\u4E2D")),
              std::tuple(text, "?"));
}

TEST_F(FolderDeviceTest, ListingTrimsTheFolderAndShowsNamesLowerCasedAndSorted) {
    for (const char* name : {"Zeta.PAR1", "alpha.par1", ".hidden.par1", "keys.key2", "x.txt"})
        mount.Write(std::string("Roamplot 2/") + name, "x");
    DeviceLink link = MakeLink();
    const std::vector<std::string> expected{"alpha.par1", "zeta.par1"};
    EXPECT_EQ(ListDeviceFolder(link, "  \\Roamplot 2\\ ", FileListMode::Parameters), expected);
    EXPECT_EQ(ListDeviceFolder(link, "\\Roamplot 2", FileListMode::Keys),
              std::vector<std::string>{"keys.key2"});
    EXPECT_FALSE(link.Connected());
    // The transfer path keeps the folder text as typed.
    EXPECT_EQ(TransferDevicePath("\\Roamplot 2\\", "my.par1"), "\\Roamplot 2\\\\my.par1");
    EXPECT_EQ(ListingFolder("\\"), "\\");
}

TEST_F(FolderDeviceTest, ListsTenThousandFiles) {
    for (int i = 0; i < 10000; ++i)
        std::ofstream(fs::path(mount.Path()) / "Roamplot 2" / ("f" + std::to_string(i) + ".par1"));
    DeviceLink link = MakeLink();
    const auto names = ListDeviceFolder(link, "\\Roamplot 2", FileListMode::Parameters);
    ASSERT_EQ(names.size(), 10000u);
    EXPECT_EQ(names.front(), "f0.par1");
}

TEST(DeviceNames, UnusableNamesAndLongPathsAreRefused) {
    for (const char* bad :
         {"a\\b", "a/b", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b", "a\tb"})
        EXPECT_EQ(DeviceNameProblem(bad, "\\x"),
                  "The name \"" + std::string(bad) + "\" cannot be used on the PDA.");
    EXPECT_EQ(DeviceNameProblem("a", std::string(399, 'a')) +
                  DeviceNameProblem("my.par1", "\\Roamplot 2\\my.par1"),
              "");
    EXPECT_EQ(DeviceNameProblem("a", std::string(400, 'a')),
              "The path on the PDA is too long (at most 399 characters).");
}

TEST_F(FolderDeviceTest, SendCopiesOnlyLargeSymbolsBesideTheFile) {
    ScreenLayout layout;
    layout.Box(1, 1) =
        test::WithSymbol(test::NewBox(1, "bg", "401", 0, 0, 100, 100), 3,
                         test::PatternDib(50, 61, 24, 1), pc.Write("big.bmp", "large picture"));
    layout.Box(1, 2) =
        test::WithSymbol(test::NewBox(1, "bg", "401", 0, 100, 100, 100), 3,
                         test::PatternDib(50, 60, 24, 2), pc.Write("small.bmp", "small picture"));

    std::vector<std::string> copying;
    int closed = 0;
    SymbolCopyHooks hooks{[&](const std::string& name) { copying.push_back(name); },
                          [&] { ++closed; },
                          [&](const std::string& text) { shown.push_back(text); }};
    DeviceLink link = MakeLink();
    ASSERT_TRUE(link.Connect());
    const SendOutcome outcome =
        SendParameterFile(link, layout, DeviceScreen{}, test::PlainThumbnail(),
                          TempFileIn(pc.Path()), "\\Roamplot 2\\", "my.par1", hooks);
    link.Disconnect();
    EXPECT_EQ(std::tuple(outcome.Sent, copying, closed),
              std::tuple(true, std::vector<std::string>{"big.bmp"}, 1));
    EXPECT_EQ(std::tuple(mount.Read("Roamplot 2/Symbols/big.bmp"), mount.Read("Roamplot 2/my.par1"),
                         fs::exists(mount.Folder() / "Roamplot 2" / "Symbols" / "small.bmp"),
                         shown.empty()),
              std::tuple("large picture", pc.Read("temp.$$$"), false, true));

    // Without a Symbols folder each symbol is reported and the file still goes.
    fs::remove_all(fs::path(mount.Path()) / "Roamplot 2" / "Symbols");
    ASSERT_TRUE(link.Connect());
    EXPECT_TRUE(SendParameterFile(link, layout, DeviceScreen{}, test::PlainThumbnail(),
                                  TempFileIn(pc.Path()), "\\Roamplot 2", "again.par1", hooks)
                    .Sent);
    EXPECT_EQ(shown, std::vector<std::string>{"Could not copy symbol big.bmp to PDA"});
}

TEST_F(FolderDeviceTest, FetchReplacesTheTargetOnlyWhenWhole) {
    const std::string target = pc.Write("kept.par1", "old");
    DeviceLink link = MakeLink();
    ASSERT_TRUE(link.Connect());
    const FetchOutcome missing = FetchDeviceFile(link, "\\Roamplot 2\\none.par1", target);
    EXPECT_FALSE(missing.Fetched);
    EXPECT_EQ(
        GetFailedMessage("none.par1", missing.Failure),
        "Could not get none.par1 from the PDA: the file is not on the PDA. Nothing was changed.");
    mount.Write("Roamplot 2/there.par1", "new");
    EXPECT_EQ(pc.Read("kept.par1"), "old");
    EXPECT_TRUE(FetchDeviceFile(link, "\\Roamplot 2\\there.par1", target).Fetched);
    EXPECT_EQ(std::tuple(pc.Read("kept.par1"), fs::exists(target + ".part")),
              std::tuple("new", false));

    // A whole copy that cannot take the target's place says why, and leaves no part behind.
    const fs::path folderTarget = pc.Folder() / "taken";
    fs::create_directories(folderTarget / "inside");
    const FetchOutcome blocked = FetchDeviceFile(link, "\\Roamplot 2\\there.par1", folderTarget);
    EXPECT_FALSE(blocked.Fetched);
    const std::string start = "the file on this PC cannot be written (";
    EXPECT_EQ(blocked.Failure.substr(0, start.size()), start);
    EXPECT_GT(blocked.Failure.size(), start.size() + 1) << "the reason is given";
    EXPECT_EQ(blocked.Failure.back(), ')') << "no full stop or line break of the system's own";
    EXPECT_FALSE(fs::exists(folderTarget.string() + ".part"));
    EXPECT_TRUE(fs::is_directory(folderTarget / "inside"));
}

TEST(DeviceNames, AGetTakesOnlyItsOwnKindOfFileWhateverTheCase) {
    EXPECT_EQ(GetNameProblem(FileListMode::Parameters, "MY.PAR1"), "");
    EXPECT_EQ(GetNameProblem(FileListMode::Parameters, "trip.par1"), "");
    EXPECT_EQ(GetNameProblem(FileListMode::Parameters, "mykeys.key2"),
              "mykeys.key2 is not a parameter file (.par1).");
    EXPECT_EQ(GetNameProblem(FileListMode::Parameters, "trip.par1.bak"),
              "trip.par1.bak is not a parameter file (.par1).");
    EXPECT_EQ(GetNameProblem(FileListMode::Parameters, "trip"),
              "trip is not a parameter file (.par1).");
    for (const char* key : {"old.KEY1", "new.Key2", "b.key1"})
        EXPECT_EQ(GetNameProblem(FileListMode::Keys, key), "") << key;
    EXPECT_EQ(GetNameProblem(FileListMode::Keys, "Trip.PAR1"),
              "Trip.PAR1 is not a key file (.key1 or .key2).");
    EXPECT_EQ(GetNameProblem(FileListMode::Keys, "a.key3"),
              "a.key3 is not a key file (.key1 or .key2).");
}

TEST(DeviceNames, ANameIsListedOnTheDeviceWhateverItsCase) {
    const std::vector<std::string> listed = ListingNames({"Trip.PAR1", "caf\xC9.par1"});
    EXPECT_TRUE(ListedOnDevice(listed, "TRIP.par1"));
    EXPECT_TRUE(ListedOnDevice(listed, "CAF\xC9.PAR1")) << "Windows-1252 letters too";
    EXPECT_FALSE(ListedOnDevice(listed, "trip2.par1"));
    EXPECT_FALSE(ListedOnDevice(listed, ""));
    EXPECT_EQ(ReplaceQuestion("Trip.par1"), "Trip.par1 already exists on the PDA. Replace it?");
}

TEST(FetchedFiles, AFileThatWouldNotLoadWholeChangesNothingAndSaysWhy) {
    test::TempFolder pc;
    const DesignerSettings settings{};
    const auto problem = [&](const char* bytes) {
        return FetchedParameterFileProblem(pc.Write("fetched.par1", bytes), settings,
                                           test::SmallCatalogue());
    };
    EXPECT_EQ(problem("shopping list\r\n"), "it is not a parameter file (it holds no boxes)");
    // Version 1: the first box loads, the second stops the load.
    EXPECT_EQ(problem("pg1,1,A\r\np1,002,map,1\r\np1,abc,sp,1\r\n"),
              "it stopped loading: 'abc' is not a valid integer value");
    EXPECT_EQ(problem("pg1,1,A\r\np1,002,map,1\r\n"), "");

    CommandCatalogue commands;
    commands.Load("3,No Action,\n5,Zoom In,Zoom +\n");
    KeyMap map;
    map.HardwareKeys[1] = 3;
    const KeyMap before = map;
    // Its first line would be taken before the second stops the read.
    EXPECT_EQ(
        ReadFetchedKeyFile(test::TestData("bad-command.key2"), KeyFileGrammar::Key2, commands, map),
        "it stopped loading: 'abc' is not a valid integer value");
    EXPECT_EQ(
        ReadFetchedKeyFile(pc.Write("k.txt", "a1,Up,5\r\n"), KeyFileGrammar::None, commands, map),
        "");
    EXPECT_EQ(map.HardwareKeys, before.HardwareKeys);
    EXPECT_EQ(ReadFetchedKeyFile(pc.Write("whole.key2", "a1,Up,5\r\n"), KeyFileGrammar::Key2,
                                 commands, map),
              "");
    EXPECT_EQ(std::tuple(map.HardwareKeys[0], map.HardwareKeys[1]), std::tuple(1, 3));
}

TEST(TransferFile, LiesBesideTheProgramUnlessItsFolderCannotBeWritten) {
    test::TempFolder program;
    EXPECT_EQ(TempFileIn(program.Folder()), program.Folder() / TempFileName);
    EXPECT_EQ(test::EntriesIn(program.Folder()), 0) << "finding out left a file behind";
    program.Write(TempFileName, "kept");
    EXPECT_EQ(TempFileIn(program.Folder()), program.Folder() / TempFileName);
    EXPECT_EQ(program.Read(TempFileName), "kept");
#ifndef _WIN32
    fs::remove(program.Folder() / TempFileName);
    const fs::perms writes =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(program.Folder(), writes, fs::perm_options::remove);
    const fs::path temporary = fs::temp_directory_path() / TempFileName;
    EXPECT_TRUE(test::TrueAsOrdinaryUser([&] { return TempFileIn(program.Folder()) == temporary; }))
        << "a folder its user may not write still held the transfer file";
    fs::permissions(program.Folder(), writes, fs::perm_options::add);
#endif
}

// A read-only folder still takes new files on Windows.
#ifndef _WIN32
TEST_F(FolderDeviceTest, ReadOnlyDeviceFolderFailsTheSend) {
    // Only the folder's own mode may refuse: anyone could write to it before.
    const fs::path folder = mount.Folder() / "Roamplot 2";
    const fs::perms writes =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(folder, fs::perms::all);
    fs::permissions(folder, writes, fs::perm_options::remove);
    const std::string source = pc.Write("a.par1", "a");
    DeviceLink link = MakeLink();
    ASSERT_TRUE(link.Connect());
    EXPECT_TRUE(test::TrueAsOrdinaryUser([&] {
        return !link.CopyToDevice(source, "\\Roamplot 2\\a.par1");
    })) << "the send was not refused";
    fs::permissions(folder, writes, fs::perm_options::add);
    EXPECT_FALSE(fs::exists(folder / "a.par1"));
}
#endif

} // namespace
