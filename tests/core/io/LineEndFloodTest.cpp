// Files of millions of line ends, built here: the key file and settings file
// readers walk them once, find the lines between them, and hold little more
// than the file's own bytes.
#include <gtest/gtest.h>

#include "HeapPeak.h"
#include "core/app/DesignerSettings.h"
#include "core/app/SettingsFile.h"
#include "core/keymap/KeyFileReader.h"
#include "plain/TempFolder.h"

using namespace roamplot;
using roamplot::test::HeapPeak;
using roamplot::test::TempFolder;

namespace {

// `lines` empty lines ended by LF, lone CR and CR LF in turn.
std::string Flood(int lines) {
    std::string text;
    text.reserve(static_cast<std::size_t>(lines) * 4 / 3 + 2);
    for (int i = 0; i < lines / 3; ++i) text += "\n\r\r\n";
    return text;
}

CommandCatalogue FourCommands() {
    CommandCatalogue catalogue;
    catalogue.Load(
        "3,No Action,\r\n5,Zoom In,Zoom +\r\n12,Next Page,Next\r\n31,Mark,Mark here\r\n");
    return catalogue;
}

// What a read may hold besides the file's bytes.
std::size_t Allowance(std::size_t fileSize) {
    return 2 * fileSize + (1u << 20);
}

} // namespace

TEST(LineEndFloods, TaggedKeyFileIsReadLineByLine) {
    const std::string flood = Flood(3'000'000);
    const std::string text = ";Hardware keys\r\n" + flood + "a3,Left,12\r\n" + flood +
                             "c1,2,5,31,Mark\r" + flood + "b1,4,193,5";
    TempFolder folder;
    const std::string path = folder.Write("flood.key2", text);
    KeyMap map;
    const CommandCatalogue catalogue = FourCommands();
    HeapPeak peak;
    const KeyFileReadResult result = ReadKeyFile2(path, catalogue, map);
    EXPECT_LT(peak.Bytes(), Allowance(text.size()));
    EXPECT_EQ(result.Error, "");
    EXPECT_EQ(map.HardwareKeys,
              (std::array<int32_t, HardwareKeyCount>{0, 0, 2, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0}));
    KeyMap expected;
    *expected.FindScreenButton(2, 5) = {3, "Mark"};
    EXPECT_EQ(map.ScreenButtons, expected.ScreenButtons);
}

TEST(LineEndFloods, PositionalKeyFileCountsOnlyItsDataLines) {
    // The sixteenth data line is the first screen button line however many
    // empty lines come between them.
    const std::string flood = Flood(400'000);
    std::string text;
    for (int key = 0; key < HardwareKeyCount; ++key)
        text += flood + "Key," + std::to_string(key % 2 ? 31 : 5) + "\r\n";
    text += flood + "3,9,12,Next" + flood + "1,1,abc,Broken\r\n";
    TempFolder folder;
    const std::string path = folder.Write("flood.key1", text);
    KeyMap map;
    const CommandCatalogue catalogue = FourCommands();
    HeapPeak peak;
    const KeyFileReadResult result = ReadKeyFile1(path, catalogue, map);
    EXPECT_LT(peak.Bytes(), Allowance(text.size()));
    EXPECT_EQ(result.Error, "'abc' is not a valid integer value");
    for (int key = 0; key < HardwareKeyCount; ++key)
        EXPECT_EQ(map.HardwareKeys[static_cast<std::size_t>(key)], key % 2 ? 3 : 1) << key;
    KeyMap expected;
    *expected.FindScreenButton(3, 9) = {2, "Next"};
    EXPECT_EQ(map.ScreenButtons, expected.ScreenButtons);
}

TEST(LineEndFloods, SettingsFileIsReadLineByLine) {
    const std::string flood = Flood(3'000'000);
    const std::string text = "[Settings]" + flood + "No of Pages=7" + flood + "[buttons]\r" +
                             flood + "Filename=/maps/flood.key2" + flood;
    TempFolder folder;
    const std::string path = folder.Write("flood.ini", text);
    HeapPeak peak;
    const SettingsFile file(path);
    const DesignerSettings settings = ReadDesignerSettings(file);
    EXPECT_LT(peak.Bytes(), Allowance(text.size()));
    EXPECT_EQ(settings.NumberOfPages, 7);
    EXPECT_EQ(settings.KeyFileName, std::filesystem::path("/maps/flood.key2"));
    EXPECT_EQ(settings.AdjustStep, "1");
}
