// Memory running out while a layout loads: the load fails as a whole instead
// of ending at the record it was reading as if that record were bad.
#include <gtest/gtest.h>

#include "../parameterfile/ParameterFileFixtures.h"
#include "HeapPeak.h"

using namespace roamplot;
using namespace roamplot::test;

TEST(OutOfMemoryLoad, FailsTheWholeLoadAndKeepsNoPartOfIt) {
    std::string text = std::string(ParameterFileHeader) + "b1,1,P\r\n";
    for (int slot = 1; slot <= 15; ++slot) {
        const std::string title = slot == 2 ? std::string(4 << 20, 'T') : "Box";
        text += "a1,1,005,txt,0," + std::to_string(slot * 12) + ",40,12," + title + "\r\n";
    }
    ScreenLayout layout;
    DesignerSettings settings;
    ParameterFileLoadReport report;
    {
        HeapCeiling ceiling(1 << 20);
        report = LoadParameterBytes(layout, settings, SmallCatalogue(), text, nullptr);
    }
    EXPECT_FALSE(report.Readable);
    EXPECT_EQ(report.ReadError, "There is not enough memory to load the layout.");
    EXPECT_EQ(report.EndedPass, "");
    // What was read before memory ran out is not passed off as the layout.
    EXPECT_FALSE(layout.Box(1, 1).InUse());

    // With the memory it needs, the same file loads whole.
    report = LoadParameterBytes(layout, settings, SmallCatalogue(), text, nullptr);
    EXPECT_TRUE(report.Readable);
    EXPECT_TRUE(layout.Box(1, 15).InUse());
}
