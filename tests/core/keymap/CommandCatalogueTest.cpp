#include <gtest/gtest.h>

#include "core/keymap/CommandCatalogue.h"
#include "plain/TempFolder.h"

using namespace roamplot;

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
