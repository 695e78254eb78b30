// Text longer than any box could show is cut before it is measured or drawn:
// the box looks as it does with the first 4,096 characters.
#include <gtest/gtest.h>

#include "RenderTestSupport.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {

// Characters that differ from place to place, so a shift of the text shows.
std::string Counting(std::size_t length) {
    std::string text;
    for (int i = 0; text.size() < length; ++i) text += std::to_string(i) + " ";
    text.resize(length);
    return text;
}

} // namespace

TEST(LongText, TitlesValuesAndCaptionsAreDrawnAsTheirFirst4096Characters) {
    const std::string longText = Counting(300000);
    const std::string shown = longText.substr(0, 4096);
    for (const char* kind : {BoxKind::Text, BoxKind::SingleParameter, BoxKind::Button}) {
        ParameterBox box = MakeBox(kind, 0, 0, 100, 60);
        box.TitleFontSize = 9;
        box.TextFontSize = 12;
        box.TitleText = longText;
        box.TestText = longText;
        const QImage drawn = DrawAlone(box);
        box.TitleText = box.TestText = shown;
        EXPECT_TRUE(drawn == DrawAlone(box)) << kind;
    }
    // Text of up to the bound is drawn whole.
    ParameterBox box = MakeBox(BoxKind::Text, 0, 0, 100, 60);
    box.TitleFontSize = 9;
    box.TitleText = shown;
    const QImage whole = DrawAlone(box);
    box.TitleText = shown.substr(0, 4000);
    EXPECT_FALSE(whole == DrawAlone(box));
}
