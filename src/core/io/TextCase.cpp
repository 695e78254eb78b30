#include "core/io/TextCase.h"

namespace roamplot {

namespace {
char Lower(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
        return static_cast<char>(byte + 32);
    if (byte == 0x8A || byte == 0x8C || byte == 0x8E) return static_cast<char>(byte + 16);
    if (byte == 0x9F) return static_cast<char>(0xFF);
    return c;
}
} // namespace

std::string LowerCase1252(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = Lower(c);
    return lower;
}

} // namespace roamplot
