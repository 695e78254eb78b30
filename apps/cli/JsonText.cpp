#include "JsonText.h"

#include <QByteArray>
#include <cstdio>

#include "render/TextCodec.h"

namespace roamplot::cli {

std::string JsonString(const std::string& windows1252) {
    return JsonUtf8String(ToQString(windows1252).toUtf8().toStdString());
}

std::string JsonUtf8String(const std::string& utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

} // namespace roamplot::cli
