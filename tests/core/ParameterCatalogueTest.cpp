#include <gtest/gtest.h>

#include "core/model/ParameterCatalogue.h"

using namespace roamplot;

namespace {
// The fields of an entry that a catalogue line gives.
auto Fields(const CatalogueEntry& e) {
    return std::tuple(e.Id, e.Kind, e.Name, e.DefaultTitle, e.UnitsList, e.SampleValue);
}
} // namespace

TEST(ParameterCatalogue, ReadsEntriesWithTheirDefaultsAndOnlyALowerCaseEndStopsIt) {
    ParameterCatalogue catalogue;
    EXPECT_TRUE(catalogue.Load("end\r\n1,sp,Speed,Speed,kph,0,12\r\n").empty());
    ASSERT_EQ(catalogue.Size(), 1u);
    EXPECT_EQ(std::tuple(catalogue.At(0).Name, catalogue.At(0).Kind, catalogue.At(0).GroupColor),
              std::tuple("<Select>", "new", White));

    // Buttons have no kind field; missing fields take their defaults; comments are skipped.
    catalogue.Load("1005,Menu,Menu,,,Menu\n12,sp\n; a comment\n* another\n   \n"
                   " ;not a comment because of the blank\n");
    ASSERT_EQ(catalogue.Size(), 3u);
    EXPECT_EQ(Fields(catalogue.At(1)), std::tuple(1005, "bb", "Menu", "Menu", "", "Menu"));
    EXPECT_EQ(Fields(catalogue.At(2)), std::tuple(12, "sp", "???", "???", "", "???"));

    catalogue.Load("1,sp,A,A\nEND\n2,sp,B,B\nend \n3,sp,C,C\nend\n4,sp,D,D\n");
    ASSERT_EQ(catalogue.Size(), 4u);
    EXPECT_EQ(catalogue.At(3).Name, "C");
}

TEST(ParameterCatalogue, TitleLinesColourTheFollowingEntries) {
    ParameterCatalogue catalogue;
    catalogue.Load("title,Navigation,$0000FF\n5,sp,Speed,Speed,kph|mph,0,12.3\n"
                   "title,Other,0x00FF00\n6,sp,Alt,Alt,,0,1\n7,np,X,X\n");
    ASSERT_EQ(catalogue.Size(), 6u);
    EXPECT_EQ(std::tuple(catalogue.At(1).ItemText(), catalogue.At(1).Id),
              std::tuple("-Navigation", -1));
    EXPECT_EQ(catalogue.At(2).GroupColor, 255);
    EXPECT_EQ(catalogue.At(4).GroupColor, MakeColour(0, 255, 0));
    EXPECT_EQ(catalogue.At(5).GroupColor, MakeColour(0, 255, 0));
}

TEST(ParameterCatalogue, UnitsLinesAreKeptWholeAndReplaced) {
    ParameterCatalogue catalogue;
    catalogue.Load("speed,#001,#002\nspeed,#003\nheading,#010\n1,sp,A,A\n");
    EXPECT_EQ(std::tuple(catalogue.UnitsLine(Quantity::Speed),
                         catalogue.UnitsLine(Quantity::Heading),
                         catalogue.UnitsLine(Quantity::Altitude), catalogue.Size()),
              std::tuple("speed,#003", "heading,#010", "", 2u));
}

TEST(ParameterCatalogue, UnreadableLinesTakeNoPositionAndAreReported) {
    ParameterCatalogue catalogue;
    std::string report = catalogue.Load("1,sp,A,A\nbogus,line\n-4,sp,N,N\n2,sp,B,B\n");
    ASSERT_EQ(catalogue.Size(), 3u);
    EXPECT_EQ(catalogue.At(2).Name, "B");
    EXPECT_NE(report.find("2 lines"), std::string::npos);

    // Identifiers are read as integer fields; two numbers in one field read as none.
    report = catalogue.Load("12x,sp,Twelve,T\n0x1F,sp,Hex,H\n$20,sp,Dollar,D\n1 2,sp,Split,S\n");
    ASSERT_EQ(catalogue.Size(), 4u);
    EXPECT_EQ(std::tuple(catalogue.At(1).Id, catalogue.At(1).Name, catalogue.At(2).Id,
                         catalogue.At(3).Id, catalogue.NameOf("012")),
              std::tuple(12, "Twelve", 31, 32, "Twelve"));
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
    EXPECT_EQ(catalogue.UnitsOf("5"), "kph|mph");
    EXPECT_EQ(catalogue.LastWithId(5)->Name, "Second");
    const std::pair<const char*, const char*> names[] = {
        {"5", "First"}, {"005", "First"}, {"", ""}, {"77", ""}, {"abc", ""}, {"0", "<Select>"}};
    for (auto [id, name] : names) EXPECT_EQ(catalogue.NameOf(id), name) << id;
}

TEST(ParameterCatalogue, DefaultUnitsAndSampleDecimals) {
    EXPECT_EQ(std::tuple(DefaultUnits("kph|mph|knots"), DefaultUnits("meters"), DefaultUnits("")),
              std::tuple("kph", "meters", ""));
    const std::tuple<const char*, const char*, const char*> samples[] = {
        {"12.3", "Auto", "12"}, {"12.3", "0", "12"},  {"12.3", "2", "12.00"},
        {"12.5", "1", "12.0"},  {"12", "Auto", "12"}, {"12", "3", "12.000"}};
    for (auto [sample, decimals, shown] : samples)
        EXPECT_EQ(SampleWithDecimals(sample, decimals), shown) << sample << " " << decimals;
}
