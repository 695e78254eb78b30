#include <QFontMetrics>
#include <cmath>

#include "RenderTestSupport.h"
#include "core/model/ParameterIds.h"
#include "render/BoxFonts.h"
#include "render/Rounding.h"
#include "render/samples/ProfileDrawing.h"
#include "render/samples/SampleData.h"
#include "render/samples/SpecialDrawings.h"

namespace {
const Colour Blue225 = MakeColour(0, 0, 225);
const Colour LightGrey = MakeColour(220, 220, 220);
const Colour Orange = MakeColour(255, 156, 1);
const Colour Pale = MakeColour(240, 250, 240);

ParameterBox Special(const char* code, int width, int height) {
    ParameterBox box = NewBox(1, BoxKind::MultiParameter, "1", 0, 0, width, height);
    box.ParameterId = code;
    box.TextBackColor = Pale;
    return box;
}

} // namespace

// Which multi-parameter codes draw a picture the drawing tests below show; the kind decides too.
TEST(HasSpecialDrawing, TheKindDecidesAsWellAsTheCode) {
    auto special = [](const char* kind, int code) {
        return HasSpecialDrawing(NewBox(1, kind, std::to_string(code), 0, 0, 10, 10));
    };
    using namespace ParameterIds;
    EXPECT_EQ(std::tuple(special(BoxKind::NavParameter, Compass),
                         special(BoxKind::MultiParameter, Compass),
                         special(BoxKind::NavParameter, SkyView),
                         special(BoxKind::SingleParameter, SkyView)),
              std::tuple(true, false, false, false));
}

TEST(SampleData, TheTrackIsPlausible) {
    const std::vector<TrackPoint>& track = SampleTrack();
    ASSERT_EQ(track.size(), 596u);
    EXPECT_EQ(track.front().Distance, 0.0);
    for (std::size_t i = 1; i < track.size(); ++i) {
        ASSERT_GE(track[i].Distance, track[i - 1].Distance) << i;
        ASSERT_GE(track[i].Speed, 0.0);
        ASSERT_LT(track[i].Speed, 20.0); // a bicycle, not a car
        ASSERT_LT(std::abs(track[i].Altitude - track[i - 1].Altitude), 30.0) << i;
    }
    EXPECT_GT(track.back().Distance, 20.0);
}

TEST(GpsStatus, SizeZeroUsesTheToolkitsDefaultSize) {
    ParameterBox box = Special("172", 100, 50);
    box.TextFontSize = 0;
    const QFont font = GpsStatusFont(box);
    EXPECT_EQ(std::tuple(font.pixelSize(), font.bold()),
              std::tuple(DefaultSizeFont(false).pixelSize(), false));
    EXPECT_GT(font.pixelSize(), 0);
    EXPECT_LT(CountColour(DrawAlone(box, 100, 50), QRect(5, 5, 90, 40), Pale), 90 * 40);
    box.TextFontSize = 20;
    EXPECT_EQ(GpsStatusFont(box).pixelSize(), PointsToPixels(20));
}

TEST(DataLog, DrawsExactlyTheLinesThatFit) {
    const int h = QFontMetrics(SampleFont(ParameterBox{}, 6)).height();
    ParameterBox box = Special("170", 200, 0);
    box.TextFontSize = 6;
    box.TitleText = "Log";
    box.TitleFontSize = 14;
    const int tH = QFontMetrics(BoxFont(14, true)).height();
    ASSERT_GT(tH, h); // so that a fifth line would still start inside the box
    // Four lines fit when the fourth starts at H0 - tH.
    box.Height = 2 * tH + 1 + 3 + 3 * h;
    EXPECT_EQ(std::tuple(DataLogLinesShown(box.Height, tH, 1, h),
                         DataLogLinesShown(box.Height - 1, tH, 1, h),
                         DataLogLinesShown(2000, tH, 1, h)),
              std::tuple(4, 3, 20));

    box.TextBackStyle = 2;                     // no fill of the value area
    box.TextBackColor = MakeColour(0, 200, 0); // but the opaque text background marks each line
    const QImage image = DrawAlone(box, 200, box.Height);
    const int fourth = tH + 1 + 3 + 3 * h;
    EXPECT_GT(CountColour(image, QRect(3, fourth, 20, 1), MakeColour(0, 200, 0)), 0);
    EXPECT_EQ(CountColour(image, QRect(3, fourth + h, 20, box.Height - fourth - h - 1),
                          MakeColour(0, 200, 0)),
              0);
}

TEST(SatelliteDrawings, UnusedSatellitesAreRedInTheSkyAndHaveNoColouredBar) {
    ParameterBox sky = Special("168", 140, 140);
    const QImage image = DrawAlone(sky, 140, 140);
    auto countNear = [&](int index, Colour colour) {
        const SampleSatellite& s = SampleSatellites()[static_cast<std::size_t>(index)];
        const double r = (90 - s.Elevation) / 1.9, a = s.Azimuth * 3.14159265358979 / 180;
        const int x = static_cast<int>(std::lround(70 + r * std::sin(a)));
        const int y = static_cast<int>(std::lround(70 - r * std::cos(a)));
        return CountColour(image, QRect(x - 3, y - 3, 7, 7), colour);
    };
    EXPECT_GT(countNear(1, MakeColour(255, 0, 0)), 10); // satellite 2, signal 0
    EXPECT_EQ(countNear(1, MakeColour(0, 155, 0)), 0);
    EXPECT_GT(countNear(6, MakeColour(0, 155, 0)), 10); // satellite 13, signal 51
    EXPECT_EQ(countNear(6, MakeColour(255, 0, 0)), 0);

    ParameterBox bars = Special("169", 150, 12 * 20 + 2);
    const QImage barImage = DrawAlone(bars, 150, 12 * 20 + 2);
    // Rows are R = 20 high, each drawn R - 1 below the last: the first two bars.
    const int lh = QFontMetrics(SampleFont(bars, 9)).height();
    const int firstBar = Nearest(lh / 2.0 + 1 + 9 + 1);
    EXPECT_GT(CountColour(barImage, QRect(0, firstBar - 1, 150, 3), Orange), 0);
    EXPECT_EQ(CountColour(barImage, QRect(0, firstBar + 19 - 1, 150, 3), Orange), 0);
}

TEST(SignalLines, GreyRowsWithBlueAtTheComputedLengths) {
    ParameterBox box = Special("174", 124, 40);
    const QImage image = DrawAlone(box, 124, 40);
    const int L = 122 - 4, x = 3;
    // 46 * 118 / 60 + 0.5 = 90.97; above 60 counts as 60.
    EXPECT_EQ(std::tuple(SignalLineLength(46, L), SignalLineLength(0, L), SignalLineLength(75, L)),
              std::tuple(91, 0, L));
    // Row 1: satellite 1, signal 46; row 2: satellite 2, signal 0; row 12: none.
    EXPECT_EQ(CountColour(image, QRect(x, 3, L, 1), Blue225), 91);
    EXPECT_EQ(PixelAt(image, x + 91, 3), LightGrey);
    EXPECT_EQ(CountColour(image, QRect(x, 5, L, 1), LightGrey), L);
    EXPECT_EQ(CountColour(image, QRect(x, 3 + 2 * 11, L, 1), LightGrey), L);
    EXPECT_EQ(PixelAt(image, x, 4), Pale); // the rows lie 2 pixels apart
}

TEST(Position, LargestSizeFromTwoUpOrOne) {
    EXPECT_EQ(PositionFontSize(10, 10), 1);
    const int s = PositionFontSize(200, 80);
    EXPECT_GT(s, 2);
    const QFontMetrics fits(BoxFont(s, true)), fails(BoxFont(s + 1, true));
    EXPECT_LE(TextWidth(fits, QString::fromLatin1(SampleLongitude())), 200);
    EXPECT_LE(2 * fits.height(), 80);
    EXPECT_TRUE(TextWidth(fails, QString::fromLatin1(SampleLatitude())) > 200 ||
                2 * fails.height() > 80);
}

TEST(WaypointList, StopsAfterTwentyRows) {
    ParameterBox box = Special("163", 200, 600);
    const QImage image = DrawAlone(box, 200, 600);
    const int h = QFontMetrics(SampleFont(box, 9)).height();
    const int first = h + 3;
    EXPECT_EQ(PixelAt(image, 50, first + 19 * h + h / 2), White);
    EXPECT_EQ(PixelAt(image, 50, first + 20 * h + h / 2), Pale);
    // Entry 4 in red.
    EXPECT_GT(CountColour(image, QRect(3, first + 3 * h, 120, h), MakeColour(255, 0, 0)), 0);
    EXPECT_EQ(CountColour(image, QRect(3, first + 2 * h, 120, h), MakeColour(255, 0, 0)), 0);
}

TEST(ProfileUnits, FactorsFallbacksAndTickSteps) {
    const std::pair<const char*, double> altitudes[] = {
        {"meters", 3.28 * 0.3048}, {"Feet", 3.28}, {"furlongs", 3.28 * 0.3048}};
    for (auto [units, factor] : altitudes)
        EXPECT_DOUBLE_EQ(AltitudeUnits(units).Factor, factor) << units;
    const std::pair<const char*, double> speeds[] = {
        {"kph", 3.6}, {"mph", 2.236936292}, {"knots", 1.943844492}, {"", 3.6}};
    for (auto [units, factor] : speeds) EXPECT_DOUBLE_EQ(SpeedUnits(units).Factor, factor) << units;
    EXPECT_EQ(std::tuple(AltitudeUnits("feet").Shown, SpeedUnits("").Shown),
              std::tuple("ft", "kph"));

    // The tick step is the first of the series far enough apart.
    EXPECT_DOUBLE_EQ(TickStep(0.1, 15), 2); // 1 would give 10 pixels
    EXPECT_DOUBLE_EQ(TickStep(0.001, 15), 0.02);
    EXPECT_DOUBLE_EQ(TickStep(1e9, 20), 200000); // nothing is far enough: the largest
}

TEST(Profiles, DrawAxesAndACurveInsideThePlot) {
    for (const char* code : {"150", "151"}) {
        ParameterBox box = Special(code, 240, 140);
        const QImage image = DrawAlone(box, 240, 140);
        // The axes: from the origin (38, 116) right and up.
        EXPECT_GT(CountColour(image, QRect(39, 116, 194, 1), Black), 150) << code;
        EXPECT_EQ(PixelAt(image, 38, 60), Black) << code;
        EXPECT_GT(CountColour(image, QRect(39, 8, 194, 108), MakeColour(0, 0, 200)), 150) << code;
    }
}
