#pragma once
// The altitude and speed profiles of the sample track.
#include <string>

namespace roamplot {

struct ProfileUnits {
    double Factor;     // applied to the stored metres or metres per second
    std::string Shown; // the unit in the axis title
};
// Altitude: "meters" (and anything unknown) or "feet"; speed: "kph" (and anything unknown), "mph"
// or "knots".
ProfileUnits AltitudeUnits(const std::string& units);
ProfileUnits SpeedUnits(const std::string& units);

// The first step of the tick series at which ticks lie at least minPixels apart.
double TickStep(double valuePerPixel, double minPixels);

} // namespace roamplot
