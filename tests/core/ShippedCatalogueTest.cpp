// The catalogue shipped beside the program must carry every identifier the
// drawing and the property panel give a behaviour to.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/model/FieldFunctions.h"
#include "core/model/ParameterCatalogue.h"

using namespace roamplot;

namespace {
struct ShippedCatalogue : ::testing::Test {
    ParameterCatalogue catalogue;
    std::string report = catalogue.LoadFile(std::string(SHIPPED_DATA_DIR) + "/Parameters.dat");
};
} // namespace

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
