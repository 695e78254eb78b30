#include "render/TextCodec.h"

#include <array>

namespace roamplot {

namespace {
// Code points of bytes 0x80 to 0x9F; 0 marks the five bytes Windows-1252 leaves undefined.
constexpr std::array<char16_t, 32> HighControls{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
} // namespace

QString ToQString(std::string_view windows1252) {
    QString text;
    text.reserve(static_cast<qsizetype>(windows1252.size()));
    for (char c : windows1252) {
        auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte <= 0x9F) {
            char16_t mapped = HighControls[byte - 0x80];
            // Undefined bytes keep their value, so that they come back unchanged.
            text.append(QChar(mapped ? mapped : byte));
        } else {
            text.append(QChar(byte));
        }
    }
    return text;
}

std::string FromQString(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar ch : text) {
        char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes.push_back(static_cast<char>(u));
            continue;
        }
        char out = '?';
        for (std::size_t i = 0; i < HighControls.size(); ++i)
            if (HighControls[i] == u || (HighControls[i] == 0 && u == 0x80 + i))
                out = static_cast<char>(0x80 + i);
        bytes.push_back(out);
    }
    return bytes;
}

} // namespace roamplot
