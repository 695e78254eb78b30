#include <gtest/gtest.h>

#include "core/model/ParameterCatalogue.h"

using namespace roamplot;

TEST(ParameterCatalogue, OnlyEndGivesTheSelectEntry) {
    ParameterCatalogue catalogue;
    EXPECT_TRUE(catalogue.Load("end\r\n1,sp,Speed,Speed,kph,0,12\r\n").empty());
    ASSERT_EQ(catalogue.Size(), 1u);
    EXPECT_EQ(catalogue.At(0).Name, "<Select>");
    EXPECT_EQ(catalogue.At(0).Kind, "new");
    EXPECT_EQ(catalogue.At(0).GroupColor, White);
}

TEST(ParameterCatalogue, TitleLinesColourTheFollowingEntries) {
    ParameterCatalogue catalogue;
    catalogue.Load("title,Navigation,$0000FF\n5,sp,Speed,Speed,kph|mph,0,12.3\n"
                   "title,Other,0x00FF00\n6,sp,Alt,Alt,,0,1\n7,np,X,X\n");
    ASSERT_EQ(catalogue.Size(), 6u);
    EXPECT_EQ(catalogue.At(1).ItemText(), "-Navigation");
    EXPECT_EQ(catalogue.At(1).Id, -1);
    EXPECT_EQ(catalogue.At(2).GroupColor, 255);
    EXPECT_EQ(catalogue.At(4).GroupColor, MakeColour(0, 255, 0));
    EXPECT_EQ(catalogue.At(5).GroupColor, MakeColour(0, 255, 0));
}

TEST(ParameterCatalogue, ButtonLinesHaveNoKindField) {
    ParameterCatalogue catalogue;
    catalogue.Load("1005,Menu,Menu,,,Menu\n");
    const CatalogueEntry& e = catalogue.At(1);
    EXPECT_EQ(e.Id, 1005);
    EXPECT_EQ(e.Kind, "bb");
    EXPECT_EQ(e.Name, "Menu");
    EXPECT_EQ(e.DefaultTitle, "Menu");
    EXPECT_EQ(e.UnitsList, "");
    EXPECT_EQ(e.SampleValue, "Menu");
}

TEST(ParameterCatalogue, MissingFieldsTakeTheirDefaults) {
    ParameterCatalogue catalogue;
    catalogue.Load("12,sp\n; a comment\n* another\n   \n ;not a comment because of the blank\n");
    ASSERT_EQ(catalogue.Size(), 2u);
    EXPECT_EQ(catalogue.At(1).Name, "???");
    EXPECT_EQ(catalogue.At(1).DefaultTitle, "???");
    EXPECT_EQ(catalogue.At(1).SampleValue, "???");
    EXPECT_EQ(catalogue.At(1).UnitsList, "");
}

TEST(ParameterCatalogue, UpperCaseEndDoesNotEndTheReading) {
    ParameterCatalogue catalogue;
    catalogue.Load("1,sp,A,A\nEND\n2,sp,B,B\nend \n3,sp,C,C\nend\n4,sp,D,D\n");
    ASSERT_EQ(catalogue.Size(), 4u);
    EXPECT_EQ(catalogue.At(3).Name, "C");
}

TEST(ParameterCatalogue, UnitsLinesAreKeptWholeAndReplaced) {
    ParameterCatalogue catalogue;
    catalogue.Load("speed,#001,#002\nspeed,#003\nheading,#010\n1,sp,A,A\n");
    EXPECT_EQ(catalogue.UnitsLine(Quantity::Speed), "speed,#003");
    EXPECT_EQ(catalogue.UnitsLine(Quantity::Heading), "heading,#010");
    EXPECT_EQ(catalogue.UnitsLine(Quantity::Altitude), "");
    EXPECT_EQ(catalogue.Size(), 2u);
}

TEST(ParameterCatalogue, UnreadableLinesTakeNoPositionAndAreReported) {
    ParameterCatalogue catalogue;
    std::string report = catalogue.Load("1,sp,A,A\nbogus,line\n-4,sp,N,N\n2,sp,B,B\n");
    ASSERT_EQ(catalogue.Size(), 3u);
    EXPECT_EQ(catalogue.At(2).Name, "B");
    EXPECT_NE(report.find("2 lines"), std::string::npos);
}

TEST(ParameterCatalogue, IdentifiersAreReadAsIntegerFields) {
    ParameterCatalogue catalogue;
    std::string report =
        catalogue.Load("12x,sp,Twelve,T\n0x1F,sp,Hex,H\n$20,sp,Dollar,D\n1 2,sp,Split,S\n");
    ASSERT_EQ(catalogue.Size(), 4u);
    EXPECT_EQ(catalogue.At(1).Id, 12);
    EXPECT_EQ(catalogue.At(1).Name, "Twelve");
    EXPECT_EQ(catalogue.At(2).Id, 31);
    EXPECT_EQ(catalogue.At(3).Id, 32);
    EXPECT_EQ(catalogue.NameOf("012"), "Twelve");
    // Two numbers in one field read as none.
    EXPECT_NE(report.find("1 line could not be read"), std::string::npos);
}

TEST(ParameterCatalogue, StoresAtMostThreeHundredEntries) {
    std::string text;
    for (int i = 1; i <= 305; ++i) text += std::to_string(i) + ",sp,P" + std::to_string(i) + "\n";
    ParameterCatalogue catalogue;
    std::string report = catalogue.Load(text);
    EXPECT_EQ(catalogue.Size(), 301u);
    EXPECT_EQ(catalogue.At(300).Name, "P300");
    EXPECT_NE(report.find("the last 5"), std::string::npos);
}

TEST(ParameterCatalogue, LookupsUseFirstOrLastEntry) {
    ParameterCatalogue catalogue;
    catalogue.Load("5,sp,First,T,kph|mph,0,1\n5,sp,Second,T,knots,0,2\n");
    EXPECT_EQ(catalogue.NameOf("5"), "First");
    EXPECT_EQ(catalogue.NameOf("005"), "First");
    EXPECT_EQ(catalogue.UnitsOf("5"), "kph|mph");
    EXPECT_EQ(catalogue.LastWithId(5)->Name, "Second");
    EXPECT_EQ(catalogue.NameOf(""), "");
    EXPECT_EQ(catalogue.NameOf("77"), "");
    EXPECT_EQ(catalogue.NameOf("abc"), "");
    EXPECT_EQ(catalogue.NameOf("0"), "<Select>");
}

TEST(ParameterCatalogue, DefaultUnitsAndSampleDecimals) {
    EXPECT_EQ(DefaultUnits("kph|mph|knots"), "kph");
    EXPECT_EQ(DefaultUnits("meters"), "meters");
    EXPECT_EQ(DefaultUnits(""), "");
    EXPECT_EQ(SampleWithDecimals("12.3", "Auto"), "12");
    EXPECT_EQ(SampleWithDecimals("12.3", "0"), "12");
    EXPECT_EQ(SampleWithDecimals("12.3", "2"), "12.00");
    EXPECT_EQ(SampleWithDecimals("12.5", "1"), "12.0");
    EXPECT_EQ(SampleWithDecimals("12", "Auto"), "12");
    EXPECT_EQ(SampleWithDecimals("12", "3"), "12.000");
}
