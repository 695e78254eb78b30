#include "core/app/SettingsFile.h"
#include "core/app/DesignerSettings.h"
#include "core/app/DeviceScreen.h"
#include "core/app/HelpDocument.h"
#include "core/app/RecentFiles.h"
#include "core/app/SaveTarget.h"
#include "core/app/WindowArea.h"
#include "plain/CoreTest.h"

TEST(SettingsFile, MatchesNamesWithoutCaseReadsDefaultsForNoNumbersAndKeepsOtherLines) {
    TempFolder folder;
    SettingsFile file(folder.Write("s.ini", "; kept comment\r\n[settings]\r\nno of pages=7\r\n"
                                            "Use Snap=2\r\nLock Windows=x\r\nAdjust=many\r\n"
                                            "[Other]\r\nMine=yes\r\n"));
    EXPECT_EQ(std::tuple(file.ReadInt("Settings", "No of Pages", 5),
                         file.ReadInt("Settings", "Adjust", 5),
                         file.ReadBool("Settings", "Use Snap", false),
                         file.ReadBool("Settings", "Lock Windows", true),
                         file.ReadBool("Settings", "Lock Windows", false),
                         file.ReadString("Nowhere", "Key", "fallback")),
              std::tuple(7, 5, true, true, false, "fallback"));
    EXPECT_EQ(file.WriteString("Settings", "Snap Pixels", "15"), "");
    const std::string text = folder.Read("s.ini");
    for (const char* kept : {"Snap Pixels=15", "; kept comment", "Mine=yes"})
        EXPECT_NE(text.find(kept), std::string::npos) << kept << "\n" << text;
    EXPECT_EQ(text.find(" = "), std::string::npos);
}

TEST(SettingsFile, AMissingFileGivesDefaultsAndIsCreatedAtTheFirstWrite) {
    TempFolder folder;
    SettingsFile file(folder.File("new.ini"));
    DesignerSettings s = ReadDesignerSettings(file);
    EXPECT_EQ(std::tuple(s.NumberOfPages, s.AdjustStep, s.SnapInterval, s.UseSnap, s.LockWindows,
                         s.DeviceFolder, s.Screen.Row, s.Screen.CustomWidth, s.Screen.CustomHeight),
              std::tuple(5, "1", "10", false, false, "\\Roamplot 2", 0, 480, 240));
    for (int b = 1; b <= 10; ++b) EXPECT_EQ(s.ButtonKeyCodes[b - 1], std::to_string(192 + b));
    EXPECT_EQ(file.WriteInt("Settings", "Device Type", 3), "");
#ifdef _WIN32
    const std::string eol = "\r\n"; // a profile file as Windows writes them
#else
    const std::string eol = "\n";
#endif
    EXPECT_EQ(folder.Read("new.ini"), "[Settings]" + eol + "Device Type=3" + eol);
}

TEST(DesignerSettings, ReadsBackWhatTheCloseWroteAndTheCustomSizeOnlyForTheCustomRow) {
    TempFolder folder;
    SettingsFile file(folder.Write("s.ini", "[Settings]\nCustom Device Width=800\n"));
    DesignerSettings s;
    s.Screen.Row = 3;
    s.Screen.CustomWidth = 111;
    s.NumberOfPages = 12;
    s.AdjustStep = "3";
    s.SnapInterval = "X5";
    s.UseSnap = true;
    s.DeviceFolder = "\\Storage Card\\Nav";
    s.DefaultUnits = {2, 1, 1, 1};
    s.ButtonKeyCodes[9] = "250";
    s.ParameterFileName = "/home/u/trip.par1";
    s.KeyFileName = "keys.key2";
    EXPECT_TRUE(ReadDesignerSettings(file).DockPreview) << "docked unless floated";
    s.DockPreview = false;
    s.MainWindowSize = {1000, 640};
    ASSERT_EQ(WriteDesignerSettingsAtClose(file, s), "");
    DesignerSettings back = ReadDesignerSettings(file);
    EXPECT_FALSE(back.DockPreview);
    EXPECT_EQ(back.MainWindowSize, (ScreenSize{1000, 640}));
    EXPECT_EQ(std::tuple(back.NumberOfPages, back.AdjustStep, back.SnapInterval, back.UseSnap,
                         back.DeviceFolder, back.DefaultUnits, back.ButtonKeyCodes[9],
                         back.ParameterFileName, back.KeyFileName),
              std::tuple(12, "3", "X5", true, "\\Storage Card\\Nav", s.DefaultUnits, "250",
                         "/home/u/trip.par1", "keys.key2"));
    EXPECT_EQ(std::tuple(file.ReadInt("Settings", "Custom Device Width", 0),
                         file.ReadInt("Settings", "Device Type", 0),
                         file.ReadString("Settings", "Custom Device Height", "none")),
              std::tuple(800, 3, "none"));
    std::string text = folder.Read("s.ini");
    for (const char* line :
         {"No of Pages=12", "Adjust Pixels=3", "Snap Pixels=X5", "Use Snap=1", "Lock Windows=0",
          "[Parameters]", "[Buttons]", "Filename=keys.key2", "[Default Units]", "Speed=2",
          "Distance=1", "Heading=1", "[Button Defaults]", "Button 10=250",
          "RoamplotCE Folder=", "Dock Preview=0", "[Mainform]", "Width=1000", "Height=640"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    s.Screen.Row = CustomDeviceRow;
    ASSERT_EQ(WriteDesignerSettingsAtClose(file, s), "");
    EXPECT_EQ(file.ReadInt("Settings", "Custom Device Width", 0), 111);
}

TEST(DesignerSettings, AStoredDeviceTypeOutsideTheScreensReadsAsTheFirstOnceSaid) {
    TempFolder folder;
    for (const char* stored : {"9", "-1"}) {
        SettingsFile file(folder.Write("s.ini", std::string("[Settings]\nDevice Type=") + stored));
        std::vector<std::string> notices;
        DesignerSettings s = ReadDesignerSettings(file, &notices);
        EXPECT_EQ(std::tuple(s.Screen.Row, s.Screen.DrawArea()),
                  std::tuple(0, ScreenSize{240, 281}));
        EXPECT_EQ(notices,
                  std::vector<std::string>{std::string("The stored device type ") + stored +
                                           " is not one of the screens; the first "
                                           "screen is used."});
    }
    SettingsFile good(folder.Write("good.ini", "[Settings]\nDevice Type=7\n"));
    std::vector<std::string> notices;
    EXPECT_EQ(ReadDesignerSettings(good, &notices).Screen.Row, CustomDeviceRow);
    EXPECT_TRUE(notices.empty());
}

TEST(WindowPosition, ClampsToTheScreen) {
    EXPECT_EQ(std::tuple(ClampWindowPosition(5000, 20, 1024, 768),
                         ClampWindowPosition(256, -30, 1024, 768),
                         ClampWindowPosition(10, 900, 1024, 768)),
              std::tuple(WindowPosition{100, 20}, WindowPosition{256, 0}, WindowPosition{10, 100}));
    TempFolder folder;
    SettingsFile file(folder.Write("s.ini", "[Device]\nLeft=abc\nTop=44\n"));
    EXPECT_EQ(RestoreWindowPosition(file, "device", 256, 20, 1024, 768), (WindowPosition{256, 44}));
    EXPECT_EQ(RestoreWindowPosition(file, "MainForm", 256, 20, 1024, 768),
              (WindowPosition{256, 20}));
}

TEST(HelpDocument, UsesTheCompiledHelpOnlyWhereItCanBeShown) {
    TempFolder folder;
    EXPECT_EQ(HelpDocumentPath(folder.Path(), true), folder.Path() + "/help/index.html");
    folder.Write("RoamCE_screen_Designer.chm", "x");
    EXPECT_EQ(HelpDocumentPath(folder.Path(), true),
              folder.Path() + "/RoamCE_screen_Designer.chm::/RoamCE_screen_designer.html");
    EXPECT_EQ(HelpDocumentPath(folder.Path(), false), folder.Path() + "/help/index.html");
}

TEST(SettingsFile, IsReadOnceAndWrittenOnceAtClose) {
    TempFolder folder;
    const std::string path =
        folder.Write("s.ini", "[Settings]\r\nNo of Pages=7\r\n[Mine]\r\nKept=1\r\n");
    SettingsFile file(path);
    // What lands on the disk afterwards is neither read nor merged: the close
    // writes what was read at the start and what changed since.
    folder.Write("s.ini", "[Settings]\r\nNo of Pages=2\r\n");
    EXPECT_EQ(ReadDesignerSettings(file).NumberOfPages, 7);
    DesignerSettings s = ReadDesignerSettings(file);
    s.SnapInterval = "4";
    ChangeWindowPosition(file, "Mainform", {30, 40});
    ASSERT_EQ(WriteDesignerSettingsAtClose(file, s), "");
    const std::string text = folder.Read("s.ini");
    for (const char* line : {"No of Pages=7", "Kept=1", "Snap Pixels=4", "[Mainform]", "Left=30"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
    // Storing what is already stored writes nothing.
    folder.Write("s.ini", "untouched");
    EXPECT_EQ(StoreWindowPosition(file, "mainform", {30, 40}), "");
    EXPECT_EQ(folder.Read("s.ini"), "untouched");
    EXPECT_EQ(StoreWindowPosition(file, "mainform", {31, 40}), "");
    EXPECT_NE(folder.Read("s.ini").find("Left=31"), std::string::npos);
}

TEST(SettingsFile, OneThatCannotBeReadGivesDefaultsAndIsNeverReplaced) {
    TempFolder folder;
    std::filesystem::create_directory(folder.File("folder.ini"));
    SettingsFile file(folder.File("folder.ini"));
    EXPECT_EQ(ReadDesignerSettings(file).NumberOfPages, 5);
    EXPECT_EQ(WriteCustomSize(file, 640, 480),
              "The settings file " + folder.File("folder.ini") +
                  " was not read (it is a folder.), so it is not replaced.");
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("folder.ini")));
}

TEST(SettingsFile, FileNamesAreUtf8AndOlderWindows1252ValuesStillRead) {
    TempFolder folder;
    // As the designer on Windows wrote them: the code page's bytes.
    const std::string path =
        folder.Write("s.ini", "[Parameters]\r\nFilename=C:\\Karten\\Gr\xFC\xDF"
                              "e.par1\r\n"
                              "[Buttons]\r\nFilename=C:\\Karten\\\xC4rger.key2\r\n");
    SettingsFile file(path);
    DesignerSettings s = ReadDesignerSettings(file);
    EXPECT_EQ(s.ParameterFileName, std::filesystem::path(u8"C:\\Karten\\Grüße.par1"));
    EXPECT_EQ(s.KeyFileName, std::filesystem::path(u8"C:\\Karten\\Ärger.key2"));
    // ... and are written back as UTF-8 (names in other scripts: ForeignFolderNames).
    EXPECT_EQ(WriteDesignerSettingsAtClose(file, s), "");
    EXPECT_NE(folder.Read("s.ini").find("Filename=C:\\Karten\\\xC3\x84rger.key2"),
              std::string::npos)
        << folder.Read("s.ini");
}

TEST(DeviceScreen, RowsGiveSizesAndCodes) {
    DeviceScreen screen;
    screen.CustomWidth = 800;
    screen.CustomHeight = 480;
    const std::tuple<int, ScreenSize, const char*> rows[] = {
        {1, {320, 240}, "PPC"},
        {3, {320, 240}, "HPC"},
        {CustomDeviceRow, {800, 480}, "Custom"},
        {8, {0, 0}, ""}};
    for (auto [row, size, code] : rows) {
        screen.Row = row;
        EXPECT_EQ(std::tuple(screen.Size(), screen.DeviceTypeCode()), std::tuple(size, code))
            << row;
    }
    screen.Row = 0;
    EXPECT_EQ(screen.DrawArea(), (ScreenSize{240, 281}));
}

TEST(DeviceScreen, LockedPreviewSitsLeftOrBelow) {
    DeviceScreen screen;
    screen.Row = 0;
    EXPECT_EQ(PlacePreviewBeside(screen, 100, 50, 600, 250), (WindowPlace{0, 50}));
    EXPECT_EQ(PlacePreviewBeside(screen, 400, 50, 600, 250), (WindowPlace{150, 50}));
    screen.Row = 4;
    EXPECT_EQ(PlacePreviewBeside(screen, 100, 50, 600, 490), (WindowPlace{100, 650}));
    screen.Row = CustomDeviceRow;
    EXPECT_EQ(PlacePreviewBeside(screen, 700, 10, 600, 490), (WindowPlace{210, 10}));

    // Kept on a 1366 x 768 screen less its task bar, as the windows are placed.
    const WindowRect laptop{0, 0, 1366, 728};
    screen.Row = 4; // 480 x 272, below the main window: pushed up to stay whole
    WindowPlace below = PlacePreviewBeside(screen, 20, 20, 690, 498);
    EXPECT_EQ(KeepInsideArea({below.Left, below.Top, 498, 330}, laptop), (WindowPosition{20, 398}));
    screen.Row = 0; // beside a main window at the left edge: at the edge, not before it
    WindowPlace left = PlacePreviewBeside(screen, 0, 700, 690, 258);
    EXPECT_EQ(KeepInsideArea({left.Left, left.Top, 258, 378}, laptop), (WindowPosition{0, 350}));
}

TEST(CustomScreenSize, TakesOneTo4096AcrossAndTheToolbarPlusARowTo4096Down) {
    const std::tuple<int, int, bool> sizes[] = {
        {1, 40, true},    {4096, 4096, true}, {800, 480, true}, {0, 300, false},
        {-4, 300, false}, {4097, 300, false}, {800, 39, false}, {800, 4097, false}};
    for (auto [width, height, usable] : sizes)
        EXPECT_EQ(IsUsableCustomSize(width, height), usable) << width << " x " << height;
}

TEST(CustomScreenSize, AStoredSizeThePreviewCannotShowReadsAsTheDefault) {
    test::TempFolder folder;
    SettingsFile file(folder.Write(
        "s.ini",
        "[Settings]\nDevice Type=7\nCustom Device Width=99999\nCustom Device Height=240\n"));
    const DeviceScreen screen = ReadDesignerSettings(file).Screen;
    EXPECT_EQ(std::tuple(screen.CustomWidth, screen.CustomHeight), std::tuple(480, 240));
}

TEST(RecentFiles, NewestFirstOnceEachAtMostEightAndNeverAHandheldPath) {
    TempFolder folder;
    const std::filesystem::path a = folder.Folder() / "a.par1";
    RecentFileList list;
    for (int n = 1; n <= 9; ++n)
        list = RememberRecentFile(list, folder.Folder() / ("f" + std::to_string(n) + ".par1"));
    list = RememberRecentFile(list, a);
    list = RememberRecentFile(list, folder.Folder() / "." / "f9.par1");
    list = RememberRecentFile(list, "\\Roamplot 2\\got.par1");
    ASSERT_EQ(list.size(), std::size_t(MaxRecentFiles));
    EXPECT_EQ(list[0], folder.Folder() / "f9.par1") << "the same file twice is listed once";
    EXPECT_EQ(list[1], a);
    EXPECT_EQ(list[2], folder.Folder() / "f8.par1");
    EXPECT_EQ(list.back(), folder.Folder() / "f3.par1");
    EXPECT_EQ(ForgetRecentFile(list, a).size(), std::size_t(MaxRecentFiles - 1));
}

TEST(RecentFiles, AHandEditedListReadsCleanAndAShorterListLeavesNoStaleEntry) {
    TempFolder folder;
    const std::string pc = folder.Path();
    const std::string ini = folder.Write("s.ini", "[Recent Files]\nFile1=" + pc +
                                                      "/one.par1\nFile2=\nFile3=relative.par1\n" +
                                                      "File4=" + pc + "/two.par1\nFile5=" + pc +
                                                      "/one.par1\nFile9=" + pc + "/nine.par1\n");
    {
        SettingsFile file(ini);
        RecentFileList list = ReadRecentFiles(file);
        ASSERT_EQ(list.size(), 2u);
        EXPECT_EQ(list[0], std::filesystem::path(pc + "/one.par1"));
        EXPECT_EQ(list[1], std::filesystem::path(pc + "/two.par1"));
        ChangeRecentFiles(file, {list[1]});
        EXPECT_EQ(file.Save(), "");
    }
    SettingsFile again(ini);
    RecentFileList list = ReadRecentFiles(again);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0], std::filesystem::path(pc + "/two.par1"));
}

TEST(SaveTarget, SaveAsksForANameOnlyWhenTheLayoutHasNoFileOfThisPc) {
    TempFolder folder;
    EXPECT_FALSE(SaveAsksForName(folder.Folder() / "mine.par1")) << "a new file in a folder";
    EXPECT_FALSE(SaveAsksForName(folder.Write("old.par1", "x")));
    EXPECT_TRUE(SaveAsksForName(""));
    EXPECT_TRUE(SaveAsksForName(folder.Folder() / UntitledParameterFileName));
    EXPECT_TRUE(SaveAsksForName("mine.par1"));
    EXPECT_TRUE(SaveAsksForName("\\Roamplot 2\\got.par1"));
    EXPECT_TRUE(SaveAsksForName(folder.Folder() / "gone" / "mine.par1"));
}

TEST(SaveTarget, AFetchedFileIsProposedUnderItsNameInTheLastFolderOfThisPc) {
    TempFolder folder;
    const std::filesystem::path last = folder.Folder() / "trips" / "coast.par1";
    const std::filesystem::path mine = folder.Folder() / "mine.par1";
    EXPECT_EQ(ProposedSaveName(mine, last), mine) << "a file of this PC stays";
    EXPECT_EQ(ProposedSaveName("\\Roamplot 2\\Got.par1", last),
              folder.Folder() / "trips" / "Got.par1");
    EXPECT_EQ(ProposedSaveName("mykeys.key2", last), folder.Folder() / "trips" / "mykeys.key2");
    EXPECT_EQ(ProposedSaveName("\\Roamplot 2\\Got.par1", ""), "Got.par1")
        << "no folder of this PC known: the bare name";
    EXPECT_EQ(ProposedSaveName("\\Roamplot 2\\Got.par1", "\\Roamplot 2\\old.par1"), "Got.par1");
    EXPECT_EQ(ProposedSaveName("", last), "");
}
