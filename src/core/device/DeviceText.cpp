#include "core/device/DeviceText.h"

#include <array>

namespace roamplot {

namespace {
// Bytes 0x80 to 0x9F; 0 where Windows-1252 leaves the byte undefined.
constexpr std::array<char16_t, 32> HighControlRange{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
} // namespace

std::u16string DeviceTextToUtf16(const std::string& text) {
    std::u16string result;
    result.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const char16_t mapped = byte >= 0x80 && byte <= 0x9F ? HighControlRange[byte - 0x80] : 0;
        result.push_back(mapped ? mapped : static_cast<char16_t>(byte));
    }
    return result;
}

std::string Utf16ToDeviceText(const std::u16string& text) {
    std::string result;
    result.reserve(text.size());
    for (char16_t c : text) {
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            result.push_back(static_cast<char>(c));
            continue;
        }
        char byte = '?';
        // Undefined bytes stand for themselves, so that they come back unchanged.
        for (std::size_t i = 0; i < HighControlRange.size(); ++i)
            if (HighControlRange[i] == c || (HighControlRange[i] == 0 && c == 0x80 + i))
                byte = static_cast<char>(0x80 + i);
        result.push_back(byte);
    }
    return result;
}

} // namespace roamplot
