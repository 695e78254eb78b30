#include "core/keymap/KeyMap.h"
#include "core/io/FileIo.h"
#include "core/keymap/CommandCatalogue.h"
#include "core/keymap/KeyFileReader.h"
#include "core/keymap/KeyFileWriter.h"
#include "core/keymap/KeyMapHistory.h"
#include "core/model/FieldFunctions.h"
#include "plain/CoreTest.h"
#include <random>

namespace {

CommandCatalogue FixtureCatalogue() {
    CommandCatalogue catalogue;
    catalogue.Load(test::TestDataBytes("keymap-commands.dat"));
    return catalogue;
}

const ButtonKeyCodeTexts DefaultCodes{"193", "194", "195", "196", "197",
                                      "198", "199", "200", "201", "202"};

// The map that known-map.key2 was written from by hand.
KeyMap KnownMap() {
    KeyMap map;
    map.HardwareKeys = {1, 2, 0, 3, 2, 0, 1, 2, 3, 0, 1, 2, 3, 0, 1};
    *map.FindScreenButton(1, 1) = {1, "Zoom +"};
    *map.FindScreenButton(2, 5) = {3, "A caption far too long for the button"};
    *map.FindScreenButton(4, 9) = {2, "Next"};
    return map;
}

// Every entry set to a marker so that a test sees exactly what a read changed.
KeyMap MarkedMap() {
    KeyMap map;
    map.HardwareKeys.fill(3);
    for (auto& page : map.ScreenButtons) page.fill({3, "old"});
    return map;
}

void ExpectSameMap(const KeyMap& map, const KeyMap& expected) {
    EXPECT_EQ(map.HardwareKeys, expected.HardwareKeys);
    EXPECT_EQ(map.ScreenButtons, expected.ScreenButtons);
}

} // namespace

TEST(CommandCatalogueTest, FieldsTakeTheirDefaultsAndAreTrimmedAndCommentsAreSkipped) {
    CommandCatalogue catalogue;
    EXPECT_EQ(catalogue.Load("12\r\n 7 , Zoom In , Zoom+ \r\n0x1F,Mark,Mark here\r\nabc,Odd,\r\n"),
              "");
    ASSERT_EQ(catalogue.Count(), 4);
    auto entry = [&](int i) {
        const CommandEntry& e = catalogue.At(i);
        return std::tuple(e.Number, e.Name, e.DefaultCaption);
    };
    EXPECT_EQ(entry(0), std::tuple(12, "???", ""));
    EXPECT_EQ(entry(1), std::tuple(7, "Zoom In", "Zoom+"));
    EXPECT_EQ(std::get<0>(entry(2)), 31);
    EXPECT_EQ(entry(3), std::tuple(0, "Odd", ""));

    // Blank and comment lines are skipped, but not indented semicolons: the ";"
    // counts as a space in a number field.
    catalogue.Load(";comment\n\n     \n  ;5,Indented,\n6,Six,\n");
    ASSERT_EQ(catalogue.Count(), 2);
    EXPECT_EQ(entry(0), std::tuple(5, "Indented", ""));
    EXPECT_EQ(std::get<1>(entry(1)), "Six");
}

TEST(CommandCatalogueTest, LookupFindsFirstMatchAndFallsBackToIndexZero) {
    CommandCatalogue catalogue;
    catalogue.Load("1,One,\n2,Two,\n2,Second two,\n");
    EXPECT_EQ(std::tuple(catalogue.FindCommandIndex(2), catalogue.FindCommandIndex(1),
                         catalogue.FindCommandIndex(99), catalogue.NameOf(5), catalogue.NameOf(-1)),
              std::tuple(1, 0, 0, "", ""));

    CommandCatalogue empty;
    EXPECT_EQ(empty.Load(""), "");
    EXPECT_EQ(std::tuple(empty.Count(), empty.FindCommandIndex(1), empty.FindCommandIndex(0)),
              std::tuple(0, 0, 0));
}

TEST(CommandCatalogueTest, KeepsAtMost101EntriesAndReportsTheRest) {
    std::string text;
    for (int i = 0; i < 104; ++i)
        text += std::to_string(i) + ",Command " + std::to_string(i) + "\n";
    CommandCatalogue catalogue;
    std::string report = catalogue.Load(text);
    EXPECT_EQ(catalogue.Count(), CommandCatalogue::MaxEntries);
    EXPECT_EQ(catalogue.At(100).Name, "Command 100");
    EXPECT_EQ(catalogue.FindCommandIndex(101), 0);
    EXPECT_NE(report.find("the last 3 were not loaded"), std::string::npos) << report;

    // Loading again replaces the entries rather than adding to them.
    EXPECT_EQ(catalogue.Load("9,Nine\n"), "");
    EXPECT_EQ(catalogue.Count(), 1);
}

TEST(CommandCatalogueTest,
     ShippedCatalogueHasDistinctNumbersNamesAndShortCaptionsAndAMissingOneIsReported) {
    test::TempFolder folder;
    CommandCatalogue catalogue;
    EXPECT_EQ(catalogue.LoadCommandCatalogue(test::CopyShippedCatalogues(folder)), "");
    ASSERT_GE(catalogue.Count(), 40);
    for (int i = 0; i < catalogue.Count(); ++i) {
        EXPECT_EQ(catalogue.FindCommandIndex(catalogue.At(i).Number), i) << "duplicate number";
        EXPECT_NE(catalogue.At(i).Name, "???");
        EXPECT_LE(catalogue.At(i).DefaultCaption.size(), 25u) << catalogue.At(i).Name;
    }
    // A folder without the file is reported and leaves an empty catalogue.
    test::TempFolder empty;
    EXPECT_NE(catalogue.LoadCommandCatalogue(empty.Path()), "");
    EXPECT_EQ(catalogue.Count(), 0);
}

TEST(KeyFileWriterTest, WritesTheWholeFileByteForByteAndReadsItBackWithCaptionsCut) {
    ButtonKeyCodeTexts codes = DefaultCodes;
    codes[3] = "-7";
    codes[9] = "0202";
    const std::string expected = test::TestDataBytes("known-map.key2");
    EXPECT_EQ(KeyFileText(KnownMap(), FixtureCatalogue(), codes), expected);
    test::TempFolder folder;
    EXPECT_EQ(WriteKeyFile(folder.File("out.key2"), KnownMap(), FixtureCatalogue(), codes), "");
    EXPECT_EQ(folder.Read("out.key2"), expected);

    KeyMap read = MarkedMap();
    read.Changed = true;
    KeyFileReadResult result =
        ReadKeyFile2(test::TestData("known-map.key2"), FixtureCatalogue(), read);
    EXPECT_EQ(std::tie(result.Error, result.KeyFileName, read.Changed),
              std::tuple("", std::filesystem::absolute(test::TestData("known-map.key2")), false));
    KeyMap cut = KnownMap();
    cut.FindScreenButton(2, 5)->Caption = "A caption far too long fo";
    ExpectSameMap(read, cut);
}

TEST(KeyFileWriterTest, WithEmptyCatalogueEveryCommandIsZeroAndNothingIsListed) {
    std::string text = KeyFileText(KeyMap{}, CommandCatalogue{}, DefaultCodes);
    EXPECT_NE(text.find("a1,Up,0\r\n"), std::string::npos);
    EXPECT_NE(text.find("c1,4,9,0,\r\n;\r\n;List of commands\r\n;The number of the command is "
                        "used\r\n;\r\n;\r\n;\r\n;End\r\n"),
              std::string::npos);
}

TEST(KeyFileWriterTest, FailedWriteIsReportedAndLeavesWhatStoodThere) {
    test::TempFolder folder;
    // A folder in the file's place cannot be replaced by the file.
    folder.Write("keys.key2/inside", "kept");
    EXPECT_NE(WriteKeyFile(folder.File("keys.key2"), KnownMap(), FixtureCatalogue(), DefaultCodes),
              "");
    EXPECT_EQ(folder.Read("keys.key2/inside"), "kept");
    EXPECT_EQ(test::EntriesIn(folder.Path()), 1) << "the temporary file was left behind";
}

TEST(KeyFileReaderTest, TaggedLinesChangeOnlyWhatTheyName) {
    KeyMap left = MarkedMap(), buttons = MarkedMap(), screen = MarkedMap();
    KeyMap expectedLeft = MarkedMap(), expectedButtons = MarkedMap(), expectedScreen = MarkedMap();
    expectedLeft.HardwareKeys[2] = 2;
    expectedButtons.HardwareKeys[CursorKeyCount + 2] = 1; // Button 3: command 5, not code 999
    // Screen buttons outside the map or without a command are skipped.
    *expectedScreen.FindScreenButton(1, 1) = {1, ""};
    *expectedScreen.FindScreenButton(3, 2) = {2, "Go"};
    // Tags are trimmed like any field but compared case-sensitively.
    *expectedScreen.FindScreenButton(3, 3) = {3, "Tag after a space"};
    for (auto [file, map, expected] : {std::tuple{"left-only.key2", &left, &expectedLeft},
                                       {"button-lines.key2", &buttons, &expectedButtons},
                                       {"screen-lines.key2", &screen, &expectedScreen}}) {
        SCOPED_TRACE(file);
        EXPECT_EQ(ReadKeyFile2(test::TestData(file), FixtureCatalogue(), *map).Error, "");
        ExpectSameMap(*map, *expected);
    }
}

TEST(KeyFileReaderTest, BadCommandFieldStopsTheReadAndKeepsEarlierLines) {
    KeyMap map = MarkedMap();
    map.Changed = true;
    KeyFileReadResult result =
        ReadKeyFile2(test::TestData("bad-command.key2"), FixtureCatalogue(), map);
    EXPECT_EQ(std::tie(result.Error, result.KeyFileName),
              std::tuple("'abc' is not a valid integer value", std::nullopt));
    EXPECT_EQ(std::tuple(map.HardwareKeys[0], map.HardwareKeys[1], *map.FindScreenButton(1, 1),
                         map.Changed),
              std::tuple(1, 3, ScreenButton{3, "old"}, true));
}

TEST(KeyFileReaderTest, PositionalFileStartsScreenButtonsAtItsSixteenthDataLine) {
    KeyMap map = MarkedMap();
    KeyFileReadResult result =
        ReadKeyFile1(test::TestData("positional.key1"), FixtureCatalogue(), map);
    EXPECT_EQ(std::tie(result.Error, result.KeyFileName),
              std::tuple("", std::filesystem::absolute(test::TestData("positional.key1"))));
    EXPECT_EQ(map.HardwareKeys,
              (std::array<int32_t, HardwareKeyCount>{1, 2, 3, 0, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 3}));
    KeyMap expected = MarkedMap();
    *expected.FindScreenButton(1, 2) = {2, "Next"};
    *expected.FindScreenButton(4, 9) = {3, "Mark here"};
    EXPECT_EQ(map.ScreenButtons, expected.ScreenButtons);

    // Fewer than fifteen data lines assign only that many keys.
    KeyMap partial = MarkedMap();
    MergeKeyFile1("Up,5\r\nDown,31\r\n", FixtureCatalogue(), partial);
    EXPECT_EQ(std::tuple(partial.HardwareKeys[0], partial.HardwareKeys[1], partial.HardwareKeys[2]),
              std::tuple(1, 3, 3));
}

TEST(KeyFileReaderTest, ReaderIsChosenByUpperCasedExtensionAndOnlyAKeyFileNamesTheMap) {
    EXPECT_EQ(std::tuple(KeyFileGrammarOf("/a/b/Keys.Key2"), KeyFileGrammarOf("keys.KEY1"),
                         KeyFileGrammarOf("keys.key2.bak"), KeyFileGrammarOf("keys")),
              std::tuple(KeyFileGrammar::Key2, KeyFileGrammar::Key1, KeyFileGrammar::None,
                         KeyFileGrammar::None));

    test::TempFolder folder;
    std::string mixed = folder.Write("Mixed.Key2", "a1,Up,31\r\n");
    KeyMap map;
    map.Changed = true;
    EXPECT_EQ(ReadKeyFile(mixed, FixtureCatalogue(), map).KeyFileName,
              std::filesystem::path(mixed));
    EXPECT_EQ(map.HardwareKeys[0], 3);

    KeyFileReadResult other =
        ReadKeyFile(folder.Write("keys.txt", "a1,Up,5\r\n"), FixtureCatalogue(), map);
    EXPECT_EQ(std::tuple(other.Error, other.KeyFileName, map.HardwareKeys[0]),
              std::tuple("", std::nullopt, 3));

    // The transfer file and a missing file keep the current name.
    KeyFileReadResult transfer =
        ReadKeyFile2(folder.Write("Temp.$$$", "a1,Up,5\r\n"), FixtureCatalogue(), map);
    EXPECT_EQ(std::tuple(transfer.Error, transfer.KeyFileName, map.HardwareKeys[0]),
              std::tuple("", std::nullopt, 1));
    KeyFileReadResult missing = ReadKeyFile2(folder.File("none.key2"), FixtureCatalogue(), map);
    EXPECT_NE(missing.Error.find("none.key2"), std::string::npos) << missing.Error;
    EXPECT_EQ(missing.KeyFileName, std::nullopt);
}

TEST(KeyFileReaderTest, DamagedInputNeverLeavesTheMapOrTheCatalogue) {
    CommandCatalogue catalogue = FixtureCatalogue();
    std::mt19937 random(7);
    const std::vector<std::string> pieces{
        "a1",         "a5", "a6", "b1", "c1",         "0",           "1",           "4",
        "5",          "9",  "10", "-1", "2147483647", "-2147483648", "99999999999", "0x",
        "0x7FFFFFFF", "$",  "",   " ",  "abc",        "\t",          "\xff"};
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        int lines = static_cast<int>(random() % 20);
        for (int l = 0; l < lines; ++l) {
            int fields = static_cast<int>(random() % 7);
            for (int f = 0; f < fields; ++f) {
                if (f > 0) text += ",";
                text += pieces[random() % pieces.size()];
            }
            text += random() % 3 == 0 ? "\r" : "\r\n";
        }
        KeyMap map;
        try {
            if (round % 2 == 0)
                MergeKeyFile2(text, catalogue, map);
            else
                MergeKeyFile1(text, catalogue, map);
        } catch (const ConversionError&) {
        }
        for (int32_t command : map.HardwareKeys) ASSERT_TRUE(catalogue.Contains(command)) << text;
        for (const auto& page : map.ScreenButtons)
            for (const ScreenButton& button : page)
                ASSERT_TRUE(catalogue.Contains(button.Command)) << text;
    }
}

TEST(KeyMap, OnlyAssignmentsThatChangeTheMapMarkItChanged) {
    KeyMap map;
    map.OfferDefaultCaption(3, 1, "A default caption longer than that");
    EXPECT_EQ(*map.FindScreenButton(3, 1), (ScreenButton{0, "A default caption longer "}));
    EXPECT_FALSE(map.Changed);
    map.OfferDefaultCaption(5, 1, "outside");                              // no such page: nothing
    map.AssignScreenButton(3, 1, 0, "A default caption longer than this"); // the same, cut
    EXPECT_FALSE(map.Changed);
    map.AssignHardwareKey(4, 0);
    EXPECT_FALSE(map.Changed);

    map.AssignScreenButton(3, 1, 0, "Typed");
    EXPECT_TRUE(map.Changed);
    map.Changed = false;
    map.AssignHardwareKey(4, 2);
    EXPECT_TRUE(map.Changed);
}

TEST(KeyMapHistory, UndoesAssignmentsAndCaptionBurstsAndFollowsTheSavedState) {
    KeyMap map;
    KeyMapHistory history;
    history.Reset(map);

    map.AssignHardwareKey(2, 7);
    EXPECT_TRUE(history.Record(map, "Assign Key", 2));
    history.MarkSaved();
    map.Changed = false;
    for (const char* typed : {"Z", "Zo", "Zoom"}) {
        map.AssignScreenButton(1, 3, 4, typed);
        history.Record(map, "Change Screen Button", 17);
    }
    EXPECT_EQ(history.UndoName(), "Change Screen Button");

    EXPECT_EQ(history.Undo(map), 17);
    EXPECT_EQ(map.FindScreenButton(1, 3)->Caption, "") << "the typing was one step";
    EXPECT_FALSE(map.Changed) << "back at the saved file";
    EXPECT_EQ(history.Undo(map), 2);
    EXPECT_EQ(map.HardwareKeys[2], 0);
    EXPECT_TRUE(map.Changed);
    EXPECT_FALSE(history.Undo(map));

    history.Redo(map);
    history.Redo(map);
    EXPECT_EQ(map.FindScreenButton(1, 3)->Caption, "Zoom");
    EXPECT_TRUE(map.Changed);
}

TEST(KeyMapHistory, AnOfferedCaptionAndANoChangeAreNoStep) {
    KeyMap map;
    KeyMapHistory history;
    history.Reset(map);
    map.OfferDefaultCaption(2, 1, "Menu");
    history.Absorb(map);
    EXPECT_FALSE(history.Record(map, "Change Screen Button", 24));
    map.AssignHardwareKey(0, 3);
    history.Record(map, "Assign Key", 0);
    history.EndBurst();
    map.AssignHardwareKey(0, 5);
    history.Record(map, "Assign Key", 0);
    history.Undo(map);
    EXPECT_EQ(map.HardwareKeys[0], 3) << "a burst ended between the two choices";
    EXPECT_EQ(map.FindScreenButton(2, 1)->Caption, "Menu");
}
