#include <gtest/gtest.h>

#include "core/keymap/CommandCatalogue.h"
#include "plain/TempFolder.h"

using namespace roamplot;

TEST(CommandCatalogueTest, FieldsTakeTheirDefaultsAndAreTrimmed) {
    CommandCatalogue catalogue;
    EXPECT_EQ(catalogue.Load("12\r\n 7 , Zoom In , Zoom+ \r\n0x1F,Mark,Mark here\r\nabc,Odd,\r\n"),
              "");
    ASSERT_EQ(catalogue.Count(), 4);
    EXPECT_EQ(catalogue.At(0).Number, 12);
    EXPECT_EQ(catalogue.At(0).Name, "???");
    EXPECT_EQ(catalogue.At(0).DefaultCaption, "");
    EXPECT_EQ(catalogue.At(1).Number, 7);
    EXPECT_EQ(catalogue.At(1).Name, "Zoom In");
    EXPECT_EQ(catalogue.At(1).DefaultCaption, "Zoom+");
    EXPECT_EQ(catalogue.At(2).Number, 31);
    EXPECT_EQ(catalogue.At(3).Number, 0);
    EXPECT_EQ(catalogue.At(3).Name, "Odd");
}

TEST(CommandCatalogueTest, SkipsBlankAndCommentLinesButNotIndentedSemicolons) {
    CommandCatalogue catalogue;
    catalogue.Load(";comment\n\n     \n  ;5,Indented,\n6,Six,\n");
    ASSERT_EQ(catalogue.Count(), 2);
    EXPECT_EQ(catalogue.At(0).Number, 5); // the ";" counts as a space in a number field
    EXPECT_EQ(catalogue.At(0).Name, "Indented");
    EXPECT_EQ(catalogue.At(1).Name, "Six");
}

TEST(CommandCatalogueTest, LookupFindsFirstMatchAndFallsBackToIndexZero) {
    CommandCatalogue catalogue;
    catalogue.Load("1,One,\n2,Two,\n2,Second two,\n");
    EXPECT_EQ(catalogue.FindCommandIndex(2), 1);
    EXPECT_EQ(catalogue.FindCommandIndex(1), 0);
    EXPECT_EQ(catalogue.FindCommandIndex(99), 0);
    EXPECT_EQ(catalogue.NameOf(5), "");
    EXPECT_EQ(catalogue.NameOf(-1), "");

    CommandCatalogue empty;
    EXPECT_EQ(empty.Load(""), "");
    EXPECT_EQ(empty.Count(), 0);
    EXPECT_EQ(empty.FindCommandIndex(1), 0);
    EXPECT_EQ(empty.FindCommandIndex(0), 0);
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

TEST(CommandCatalogueTest, ShippedCatalogueHasDistinctNumbersNamesAndShortCaptions) {
    test::TempFolder folder;
    CommandCatalogue catalogue;
    EXPECT_EQ(catalogue.LoadCommandCatalogue(test::CopyShippedCatalogues(folder)), "");
    ASSERT_GE(catalogue.Count(), 40);
    for (int i = 0; i < catalogue.Count(); ++i) {
        EXPECT_EQ(catalogue.FindCommandIndex(catalogue.At(i).Number), i) << "duplicate number";
        EXPECT_NE(catalogue.At(i).Name, "???");
        EXPECT_LE(catalogue.At(i).DefaultCaption.size(), 25u) << catalogue.At(i).Name;
    }
}

TEST(CommandCatalogueTest, MissingFileIsReportedAndLeavesAnEmptyCatalogue) {
    test::TempFolder folder;
    CommandCatalogue catalogue;
    catalogue.Load("1,One\n");
    EXPECT_NE(catalogue.LoadCommandCatalogue(folder.Path()), "");
    EXPECT_EQ(catalogue.Count(), 0);
}
