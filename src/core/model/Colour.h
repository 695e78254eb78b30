#pragma once
// Colours are 32-bit values with red in the lowest byte: red + 256 x green + 65536 x blue.
#include <cstdint>
#include <string>
#include <string_view>

namespace roamplot {

using Colour = int32_t;

constexpr Colour MakeColour(int red, int green, int blue) {
    return static_cast<Colour>((red & 255) | ((green & 255) << 8) | ((blue & 255) << 16));
}
constexpr int RedOf(Colour c) {
    return c & 255;
}
constexpr int GreenOf(Colour c) {
    return (c >> 8) & 255;
}
constexpr int BlueOf(Colour c) {
    return (c >> 16) & 255;
}

inline constexpr Colour White = MakeColour(255, 255, 255);
inline constexpr Colour Black = MakeColour(0, 0, 0);
inline constexpr Colour Navy = MakeColour(0, 0, 128);
inline constexpr Colour Grey = MakeColour(128, 128, 128);
// The handheld draws nothing where a picture or fill has this colour.
inline constexpr Colour TransparentKey = MakeColour(255, 0, 255);

// "(rrr/ggg/bbb)", always 13 characters.
std::string ColorToRgbText(Colour colour);
// Reads the components at their fixed positions; throws ConversionError when a
// component holds no decimal number.
Colour RgbTextToColor(std::string_view text);

} // namespace roamplot
