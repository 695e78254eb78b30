// Every file of the program under folders named in three scripts: the names go
// to the file system as they are, in any script, on Linux and on Windows.

#include "core/app/DesignerSettings.h"
#include "core/app/SettingsFile.h"
#include "core/io/FileIo.h"
#include "core/io/FileNames.h"
#include "core/keymap/KeyFileReader.h"
#include "core/keymap/KeyFileWriter.h"
#include "core/model/DibFile.h"
#include "core/model/ParameterFileReader.h"
#include "plain/CoreTest.h"

namespace {

fs::path Named(const fs::path& folder, const fs::path& name, const char* extension) {
    fs::path file = folder / name;
    file += extension;
    return file;
}

// A symbol picture written as a .bmp file.
fs::path WriteBitmap(const fs::path& file, const Dib& dib) {
    fs::create_directories(file.parent_path());
    EXPECT_EQ(WriteFileAtomically(file, DibToBmp(dib)), "");
    return file;
}

class ForeignFolderNames : public ::testing::TestWithParam<fs::path> {
  protected:
    TempFolder temp;
    const fs::path folder = temp.MakeFolder(GetParam());
};

TEST_P(ForeignFolderNames, AParameterFileAndAKeyFileComeBackWhole) {
    const fs::path name = GetParam();
    ScreenLayout layout;
    layout.Box(1, 1) = NewBox(1, "map", "2", 0, 0, 100, 100);
    // Embedded (3000 pixels) and not embedded (3050): only a name the file can
    // hold brings the larger one back.
    const ParameterBox& small = layout.Box(1, 2) = WithSymbol(
        NewBox(1, "bb", "1005", 0, 100, 60, 30), 1, PatternDib(50, 60, 24, 1),
        WriteBitmap(Named(folder / "Symbols", name, "-small.bmp"), PatternDib(50, 60, 24, 1)));
    const ParameterBox& large = layout.Box(1, 3) = WithSymbol(
        NewBox(1, "bg", "400", 100, 0, 100, 100), 3, PatternDib(50, 61, 24, 2),
        WriteBitmap(Named(folder / "Symbols", name, "-large.bmp"), PatternDib(50, 61, 24, 2)));

    const fs::path file = Named(folder, name, ".par1");
    const ParameterFileWriteResult written =
        WriteParameterFile(layout, DeviceScreen{}, file, PlainThumbnail());
    ASSERT_TRUE(written.Ok()) << written.Error;
    const bool fits = PathFitsText(folder);
    const std::vector<fs::path> unwritable =
        fits ? std::vector<fs::path>()
             : std::vector<fs::path>({small.SymbolFile, large.SymbolFile});
    EXPECT_EQ(UnwritableSymbolNames(written.SymbolList), unwritable);

    ScreenLayout back;
    DesignerSettings settings;
    const ParameterFileLoadReport report =
        LoadParameterFile(back, settings, SmallCatalogue(), file, ReadSymbolBitmapFile);
    ASSERT_TRUE(report.Readable) << report.ReadError;
    EXPECT_EQ(std::tuple(report.Version, back.BoxCount(1)), std::tuple(2, 3));
    ASSERT_TRUE(back.Box(1, 2).Symbol);
    EXPECT_EQ(*back.Box(1, 2).Symbol, *small.Symbol);
    EXPECT_EQ(back.Box(1, 3).Symbol.has_value(), fits);
    EXPECT_EQ(report.MissingSymbolFiles.size(), fits ? 0u : 1u);
    if (fits) {
        EXPECT_EQ(std::tie(*back.Box(1, 3).Symbol, back.Box(1, 3).SymbolFile),
                  std::tie(*large.Symbol, large.SymbolFile));
    }

    CommandCatalogue commands;
    commands.Load("1,Zoom In,Zoom +\n2,Zoom Out,Zoom -\n");
    KeyMap map;
    map.HardwareKeys[0] = 1;
    *map.FindScreenButton(2, 3) = {1, "Out"};
    const fs::path keys = Named(folder, name, ".key2");
    ASSERT_EQ(WriteKeyFile(keys, map, commands, ButtonKeyCodeTexts{}), "");
    KeyMap read;
    const KeyFileReadResult result = ReadKeyFile(keys, commands, read);
    EXPECT_EQ(std::tie(result.Error, result.KeyFileName), std::tuple("", keys));
    EXPECT_EQ(std::tie(read.HardwareKeys, read.ScreenButtons),
              std::tie(map.HardwareKeys, map.ScreenButtons));
}

TEST_P(ForeignFolderNames, AProgramFolderReadsItsCataloguesAndKeepsItsSettings) {
    CopyShippedCatalogues(folder);
    CommandCatalogue commands;
    EXPECT_EQ(commands.LoadCommandCatalogue(folder), "");
    EXPECT_GT(commands.Count(), 10);
    ParameterCatalogue parameters;
    EXPECT_EQ(parameters.LoadFile(folder / "Parameters.dat"), "");
    EXPECT_GT(parameters.Size(), 10u);

    const fs::path settingsPath = folder / "RoamCE_Screen_Designer.ini";
    DesignerSettings settings;
    settings.ParameterFileName = Named(folder, GetParam(), ".par1");
    settings.KeyFileName = Named(folder, GetParam(), ".key2");
    settings.DeviceMountFolder = folder / GetParam();
    {
        SettingsFile file(settingsPath);
        EXPECT_EQ(WriteDesignerSettingsAtClose(file, settings), "");
    }
    const DesignerSettings back = ReadDesignerSettings(SettingsFile(settingsPath));
    EXPECT_EQ(
        std::tie(back.ParameterFileName, back.KeyFileName, back.DeviceMountFolder),
        std::tie(settings.ParameterFileName, settings.KeyFileName, settings.DeviceMountFolder));
    // Stored as UTF-8, whatever the system.
    const std::string text = ReadFileBytes(settingsPath).value_or("");
    EXPECT_NE(text.find("Filename=" + PathToUtf8(settings.ParameterFileName)), std::string::npos)
        << text;
}

TEST_P(ForeignFolderNames, ASymbolBitmapIsReadAndAMissingOneIsNamed) {
    const Dib picture = PatternDib(7, 5, 8, 3);
    const fs::path file = WriteBitmap(Named(folder, GetParam(), ".bmp"), picture);
    const DibReadResult read = ReadDibFromBmpFile(file);
    ASSERT_TRUE(read.Picture) << read.Error;
    EXPECT_EQ(*read.Picture, picture);
    const DibReadResult missing = ReadDibFromBmpFile(folder / "gone.bmp");
    EXPECT_FALSE(missing.Picture);
    EXPECT_NE(missing.Error.find(PathToText(folder / "gone.bmp")), std::string::npos)
        << missing.Error;
}

INSTANTIATE_TEST_SUITE_P(Scripts, ForeignFolderNames, ScriptFolders(), ScriptName);

} // namespace
