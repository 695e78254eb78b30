#pragma once
// The fixed data the preview shows in place of live readings.
#include <array>
#include <vector>

namespace roamplot {

struct SampleSatellite {
    int Number;
    int Elevation; // degrees
    int Azimuth;   // degrees
    int Signal;    // 0 = not used
    bool Present() const { return Elevation + Azimuth + Signal > 0; }
    int ClampedSignal() const { return Signal > 60 ? 60 : Signal; }
};

const std::array<SampleSatellite, 11>& SampleSatellites();
const std::array<const char*, 20>& SampleLogLines();
const std::array<const char*, 20>& SampleWaypoints();
const char* SampleLatitude();
const char* SampleLongitude();

struct TrackPoint {
    double Altitude; // metres
    double Speed;    // metres per second
    double Distance; // kilometres from the start
};
inline constexpr int TrackPointCount = 596;
// A ride over hills, made up by our own code; the same on every call.
const std::vector<TrackPoint>& SampleTrack();

} // namespace roamplot
