#include "core/model/Colour.h"

#include "core/model/FieldFunctions.h"

namespace roamplot {

std::string ColorToRgbText(Colour colour) {
    return "(" + PadZeros(std::to_string(RedOf(colour)), 3) + "/" +
           PadZeros(std::to_string(GreenOf(colour)), 3) + "/" +
           PadZeros(std::to_string(BlueOf(colour)), 3) + ")";
}

namespace {
int Component(std::string_view text, std::size_t position) {
    std::string_view digits =
        position < text.size() ? text.substr(position, 3) : std::string_view();
    if (digits.empty()) throw ConversionError(std::string(digits));
    int value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') throw ConversionError(std::string(digits));
        value = value * 10 + (c - '0');
    }
    return value;
}
} // namespace

Colour RgbTextToColor(std::string_view text) {
    int red = Component(text, 1);
    int green = Component(text, 5);
    int blue = Component(text, 9);
    return red + 256 * green + 65536 * blue;
}

} // namespace roamplot
