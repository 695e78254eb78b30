#include "render/samples/SampleData.h"

#include <algorithm>
#include <cmath>

namespace roamplot {

const std::array<SampleSatellite, 11>& SampleSatellites() {
    static const std::array<SampleSatellite, 11> satellites{{
        {1, 49, 58, 46},
        {2, 16, 136, 0},
        {3, 27, 113, 42},
        {8, 33, 241, 0},
        {10, 4, 217, 0},
        {11, 7, 344, 38},
        {13, 79, 142, 51},
        {20, 10, 4, 32},
        {27, 49, 212, 0},
        {28, 22, 313, 40},
        {31, 39, 82, 48},
    }};
    return satellites;
}

const std::array<const char*, 20>& SampleLogLines() {
    static const std::array<const char*, 20> lines{
        "$GPRMC,012101,A,2723.6130,S,15301.9050,E,023.9,099.8,030503,011.3,E*64",
        "$GPGGA,012101,2723.6130,S,15301.9050,E,1,08,1.0,41.5,M,39.7,M,,*62",
        "$GPGSA,A,3,01,02,03,08,,13,20,27,,31,,,1.9,1.0,1.5*30",
        "$GPGSV,3,1,10,01,52,065,47,02,20,137,42,03,28,108,45,08,32,245,41*71",
        "$GPGSV,3,2,10,10,02,215,,13,76,162,51,20,14,002,40,27,47,219,44*73",
        "$GPGSV,3,3,10,28,18,316,37,31,38,075,47,,,,,,,,*73",
        "$GPRMC,012102,A,2723.6142,S,15301.9124,E,024.1,099.9,030503,011.3,E*6E",
        "$GPGGA,012102,2723.6142,S,15301.9124,E,1,08,1.1,41.9,M,39.7,M,,*6B",
        "$GPGSA,A,3,01,02,03,08,,13,20,27,,31,,,2.0,1.1,1.6*38",
        "$GPGSV,3,1,10,01,52,065,47,02,20,137,41,03,28,108,45,08,32,245,41*72",
        "$GPGSV,3,2,10,10,02,215,,13,76,162,51,20,14,002,41,27,47,219,44*72",
        "$GPGSV,3,3,10,28,18,316,37,31,38,075,47,,,,,,,,*73",
        "$GPRMC,012103,A,2723.6153,S,15301.9196,E,023.4,100.2,030503,011.3,E*6E",
        "$GPGGA,012103,2723.6153,S,15301.9196,E,1,08,1.3,42.1,M,39.7,M,,*6A",
        "$GPGSA,A,3,01,02,03,08,,13,20,27,,31,,,2.4,1.3,1.9*31",
        "$GPGSV,3,1,10,01,52,065,46,02,20,137,41,03,28,108,44,08,32,245,41*72",
        "$GPGSV,3,2,10,10,02,215,,13,76,162,51,20,14,002,41,27,47,219,44*72",
        "$GPGSV,3,3,10,28,18,316,36,31,38,075,47,,,,,,,,*72",
        "$GPRMC,012104,A,2723.6164,S,15301.9270,E,023.9,099.5,030503,011.3,E*6D",
        "$GPGGA,012104,2723.6164,S,15301.9270,E,1,08,1.6,42.5,M,39.7,M,,*63",
    };
    return lines;
}

const std::array<const char*, 20>& SampleWaypoints() {
    static const std::array<const char*, 20> waypoints{
        "99.3 m,324,WP3",   "112 m,87,WP1",     "227 m,192,WP2",    "251 m,195,WP4",
        "350 m,201,WP5",    "730 m,196,WP6",    "1.07 km,210,WP7",  "1.15 km,220,WP9",
        "2.01 km,233,WP10", "2.43 km,230,WP11", "2.51 km,280,WP13", "2.83,281,WP14",
        "2.95 km,271,WP15", "2.98 km,265,WP16", "3.48 km,268,WP18", "3.76 km,265,WP19",
        "3.98 km,261,WP20", "4.28 km,260,WP22", "4.43 km,252,WP23", "5.28 km,251,WP26",
    };
    return waypoints;
}

const char* SampleLatitude() {
    return "027 21.121`S";
}
const char* SampleLongitude() {
    return "153 06.567`E";
}

namespace {

// A ride of about 42 km: out of town along a river, over two ridges, a fast
// descent and a slow climb home. Speeds follow the slope, with stops at junctions.
constexpr double Pi = 3.14159265358979323846;

// The two ridges the road crosses, t running from 0 (start) to 1 (home).
double Ridges(double t) {
    return 42.0 + 180.0 * std::exp(-std::pow((t - 0.3) / 0.09, 2)) +
           265.0 * std::exp(-std::pow((t - 0.62) / 0.07, 2));
}

std::vector<TrackPoint> MakeTrack() {
    std::vector<TrackPoint> track;
    track.reserve(TrackPointCount);
    const double step = 1.0 / (TrackPointCount - 1);
    double distance = 0.0;
    for (int i = 0; i < TrackPointCount; ++i) {
        const double t = i * step;
        const double altitude =
            Ridges(t) + 35.0 * t * std::sin(2 * Pi * 7 * t) + 12.0 * std::sin(2 * Pi * 23 * t);
        // Slower uphill, faster downhill, stopped at two junctions and at home.
        const double slope = Ridges(t + step) - Ridges(t);
        const bool stopped = (i >= 40 && i < 46) || (i >= 300 && i < 304) || i >= 590;
        const double speed =
            stopped ? 0.0
                    : std::clamp(7.5 - 0.55 * slope + 0.9 * std::sin(2 * Pi * 31 * t), 1.2, 16.5);
        if (i > 0) distance += speed * 10.0 / 1000.0; // a point every 10 seconds
        track.push_back({std::round(altitude * 10) / 10, std::round(speed * 100) / 100,
                         std::round(distance * 1000) / 1000});
    }
    return track;
}

} // namespace

const std::vector<TrackPoint>& SampleTrack() {
    static const std::vector<TrackPoint> track = MakeTrack();
    return track;
}

} // namespace roamplot
