#include "core/io/FileNames.h"

#include "core/device/DeviceText.h"

namespace roamplot {

namespace {

constexpr char32_t Replacement = 0xFFFD;

// The length of the well-formed sequence that starts at text[at] and its code
// point, or 0 when none starts there (overlong forms and surrogates included).
std::size_t Utf8Sequence(std::string_view text, std::size_t at, char32_t& code) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    std::size_t length = lead >= 0xF0 && lead <= 0xF4   ? 4
                         : lead >= 0xE0 && lead <= 0xEF ? 3
                         : lead >= 0xC2 && lead <= 0xDF ? 2
                                                        : 0;
    if (length == 0 || at + length > text.size()) return 0;
    code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    if (overlong || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

std::u16string Utf8ToUtf16(std::string_view text) {
    std::u16string result;
    result.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        char32_t code = Replacement;
        const std::size_t length = Utf8Sequence(text, at, code);
        at += length ? length : 1;
        if (!length) code = Replacement;
        if (code >= 0x10000) {
            result.push_back(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
            result.push_back(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
        } else {
            result.push_back(static_cast<char16_t>(code));
        }
    }
    return result;
}

// A lone surrogate becomes the replacement character.
std::string Utf16ToUtf8(std::u16string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        char32_t code = text[at];
        if (code >= 0xD800 && code <= 0xDBFF && at + 1 < text.size() && text[at + 1] >= 0xDC00 &&
            text[at + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[++at] - 0xDC00);
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            code = Replacement;
        }
        if (code < 0x80) {
            result.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            result.push_back(static_cast<char>(0xC0 | (code >> 6)));
            result.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            result.push_back(static_cast<char>(0xE0 | (code >> 12)));
            result.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            result.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            result.push_back(static_cast<char>(0xF0 | (code >> 18)));
            result.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
            result.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            result.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
    return result;
}

} // namespace

#ifdef _WIN32
std::u16string PathToUtf16(const std::filesystem::path& path) {
    const std::wstring& native = path.native();
    return std::u16string(native.begin(), native.end());
}
std::filesystem::path PathFromUtf16(const std::u16string& text) {
    return std::filesystem::path(std::wstring(text.begin(), text.end()));
}
#else
std::u16string PathToUtf16(const std::filesystem::path& path) {
    return Utf8ToUtf16(path.native());
}
std::filesystem::path PathFromUtf16(const std::u16string& text) {
    return std::filesystem::path(Utf16ToUtf8(text));
}
#endif

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
        char32_t code = 0;
        const std::size_t length = Utf8Sequence(bytes, at, code);
        if (!length) return false;
        at += length;
    }
    return true;
}

#ifdef _WIN32
std::string PathToUtf8(const std::filesystem::path& path) {
    return Utf16ToUtf8(PathToUtf16(path));
}
std::filesystem::path PathFromUtf8(std::string_view utf8) {
    return PathFromUtf16(Utf8ToUtf16(utf8));
}
#else
std::string PathToUtf8(const std::filesystem::path& path) {
    return path.native();
}
std::filesystem::path PathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::string(utf8));
}
#endif

std::string PathToText(const std::filesystem::path& path) {
    return Utf16ToDeviceText(PathToUtf16(path));
}

bool PathFitsText(const std::filesystem::path& path) {
    return PathFromText(PathToText(path)).native() == path.native();
}

std::filesystem::path PathFromText(std::string_view windows1252) {
    return PathFromUtf16(DeviceTextToUtf16(std::string(windows1252)));
}

std::filesystem::path FileNameOf(const std::filesystem::path& path) {
    const auto& native = path.native();
    const std::size_t slash = native.find_last_of(std::filesystem::path::string_type{'/', '\\'});
    return slash == native.npos ? path : std::filesystem::path(native.substr(slash + 1));
}

} // namespace roamplot
