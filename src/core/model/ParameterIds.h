#pragma once
// The parameter identifiers the designer treats apart from the others: drawn
// as pictures, sized when chosen, or showing their sample text as it stands.
namespace roamplot::ParameterIds {

inline constexpr int AltitudeProfile = 150;
inline constexpr int SpeedProfile = 151;
inline constexpr int WaypointList = 163;
// Its sample is a name: the decimals never reshape it.
inline constexpr int NearestWaypoint = 164;
inline constexpr int SkyView = 168;
inline constexpr int SignalBars = 169;
inline constexpr int DataLog = 170;
inline constexpr int GpsStatus = 172;
inline constexpr int Position = 173;
inline constexpr int SignalLines = 174;
// The one navigation parameter drawn as a picture.
inline constexpr int Compass = 360;

// Buttons: their catalogue lines carry no kind field.
inline constexpr bool IsButton(int id) {
    return id > 999 && id < 1999;
}
inline constexpr bool IsProfile(int id) {
    return id == AltitudeProfile || id == SpeedProfile;
}
// The distances whose sample holds the value and its units as two words, and
// whose units the handheld may switch.
inline constexpr bool CarriesUnitsInSample(int id) {
    return (id >= 16 && id <= 23) || id == 50 || (id >= 252 && id <= 257) ||
           (id >= 352 && id <= 357);
}

} // namespace roamplot::ParameterIds
