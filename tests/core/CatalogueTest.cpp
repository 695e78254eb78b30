// The parameter catalogue: reading its lines, and the catalogue shipped beside
// the program, which must carry every identifier the drawing and the property
// panel give a behaviour to.
#include "core/model/FieldFunctions.h"
#include "core/model/ParameterCatalogue.h"
#include "plain/CoreTest.h"
#include <map>
#include <set>

namespace {

// The fields of an entry that a catalogue line gives.
auto Fields(const CatalogueEntry& e) {
    return std::tuple(e.Id, e.Kind, e.Name, e.DefaultTitle, e.UnitsList, e.SampleValue);
}

struct ShippedCatalogue : ::testing::Test {
    ParameterCatalogue catalogue;
    std::string report = catalogue.LoadFile(std::string(SHIPPED_DATA_DIR) + "/Parameters.dat");
};

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

// The catalogue shipped beside the program must carry every identifier the
// drawing and the property panel give a behaviour to.
TEST_F(ShippedCatalogue, LoadsWithoutProblemsAndIsRealistic) {
    EXPECT_EQ(report, "");
    int groups = 0, parameters = 0, buttons = 0;
    std::set<int> ids;
    std::map<std::string, int> kinds;
    for (const auto& entry : catalogue.Entries()) {
        ++kinds[entry.Kind];
        if (entry.IsGroupTitle())
            ++groups;
        else if (entry.Id > 0) {
            ++parameters;
            EXPECT_TRUE(ids.insert(entry.Id).second) << "identifier twice: " << entry.Id;
            EXPECT_NE(entry.Name, "???") << entry.Id;
        }
        // Buttons are read without a kind field.
        if (entry.Id > 999 && entry.Id < 1999) {
            ++buttons;
            EXPECT_EQ(entry.Kind, "bb") << entry.Id;
            EXPECT_NE(entry.SampleValue, "???") << entry.Id;
        }
    }
    EXPECT_EQ(std::tuple(parameters >= 120, groups >= 8, buttons >= 10, kinds["txt"] >= 1,
                         kinds["bg"] >= 1, kinds["map"]),
              std::tuple(true, true, true, true, true, 1))
        << parameters << " parameters, " << groups << " groups, " << buttons << " buttons";
}

TEST_F(ShippedCatalogue, HoldsEveryIdentifierWithBehaviourInItsKind) {
    auto expectKind = [&](int id, const std::string& kind) {
        int position = catalogue.PositionOf(id);
        ASSERT_GE(position, 0) << "missing " << id;
        EXPECT_EQ(catalogue.At(static_cast<std::size_t>(position)).Kind, kind) << id;
    };
    for (int id : {16, 17, 18, 19, 20, 21, 22, 23, 50, 164}) expectKind(id, "sp");
    for (int id : {150, 151, 163, 168, 169, 170, 172, 173, 174}) expectKind(id, "mp");
    for (int id : {252, 253, 254, 255, 256, 257, 352, 353, 354, 355, 356, 357, 300, 360})
        expectKind(id, "np");

    // Codes that carry their units in the sample: a value and a unit word.
    for (int id : {16, 17, 18, 19, 20, 21, 22, 23, 50, 252, 257, 352, 357}) {
        const std::string& sample = catalogue.LastWithId(id)->SampleValue;
        EXPECT_NE(sample.find(' '), std::string::npos) << id << " " << sample;
    }
    EXPECT_EQ(catalogue.UnitsOf("150"), "meters|feet");
    EXPECT_EQ(catalogue.UnitsOf("151"), "kph|mph|knots");

    // The units lines name parameters of each quantity whose units the handheld chooses.
    for (Quantity q :
         {Quantity::Speed, Quantity::Altitude, Quantity::Distance, Quantity::Heading}) {
        const std::string& line = catalogue.UnitsLine(q);
        ASSERT_FALSE(line.empty());
        bool someRoamce = false;
        for (const auto& entry : catalogue.Entries())
            someRoamce |=
                entry.Id > 0 &&
                line.find("#" + PadZeros(std::to_string(entry.Id), 3)) != std::string::npos &&
                entry.UnitsList.find("ROAMCE") != std::string::npos;
        EXPECT_TRUE(someRoamce) << line;
    }
}
