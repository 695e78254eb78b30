#include "core/model/FieldFunctions.h"

#include <limits>

namespace roamplot {

ConversionError::ConversionError(const std::string& text)
    : std::runtime_error("'" + text + "' is not a valid integer value") {}

namespace {
std::string_view TrimmedView(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}
} // namespace

std::string TrimSpaces(std::string_view text) {
    return std::string(TrimmedView(text));
}

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        std::size_t comma = line.find(',', start);
        if (comma == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return fields;
        }
        fields.push_back(line.substr(start, comma - start));
        start = comma + 1;
    }
}

namespace {

std::optional<std::string_view> RawField(std::string_view line, int n) {
    if (n < 1) return std::nullopt;
    std::size_t start = 0;
    for (int i = 1; i < n; ++i) {
        std::size_t comma = line.find(',', start);
        if (comma == std::string_view::npos) return std::nullopt;
        start = comma + 1;
    }
    std::size_t end = line.find(',', start);
    return line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

std::optional<int32_t> ParseHex(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    uint64_t value = 0;
    for (char c : digits) {
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return std::nullopt;
        value = value * 16 + static_cast<uint64_t>(d);
        if (value > 0xFFFFFFFFull) return std::nullopt;
    }
    // Eight hexadecimal digits wrap into the signed range, as colour values do.
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

std::optional<int32_t> ParseDecimal(std::string_view text) {
    bool negative = false;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) return std::nullopt;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<int64_t>(std::numeric_limits<int32_t>::max()) + 1)
            return std::nullopt;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int32_t>::max()) return std::nullopt;
    return static_cast<int32_t>(value);
}

} // namespace

std::optional<int32_t> TryStrToInt(std::string_view text) {
    const std::string_view t = TrimmedView(text);
    if (t.empty()) return std::nullopt;
    if (t[0] == '$') return ParseHex(t.substr(1));
    if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) return ParseHex(t.substr(2));
    return ParseDecimal(t);
}

int32_t StrToInt(std::string_view text) {
    if (auto value = TryStrToInt(text)) return *value;
    throw ConversionError(std::string(text));
}

std::string_view FieldView(std::string_view field, std::string_view defaultValue) {
    return field.empty() ? defaultValue : TrimmedView(field);
}

std::string FieldText(std::string_view field, std::string_view defaultValue) {
    return std::string(FieldView(field, defaultValue));
}

// Reads the field in place and in one walk: a load reads thousands of them.
int32_t FieldInt(std::string_view field, int32_t defaultValue) {
    field = TrimmedView(field);
    if (field.empty()) return defaultValue;
    auto isNumberChar = [](char c) { return (c >= '0' && c <= '9') || c == '+' || c == '-'; };
    bool hexMarker = false;
    std::size_t numberFirst = std::string_view::npos;
    std::size_t numberLast = 0;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c == '0' && i + 1 < field.size() && (field[i + 1] == 'x' || field[i + 1] == 'X'))
            hexMarker = true;
        if (!isNumberChar(c)) continue;
        if (numberFirst == std::string_view::npos) numberFirst = i;
        numberLast = i;
    }
    // A marker anywhere is taken to stand at the start.
    if (hexMarker) return ParseHex(field.substr(2)).value_or(defaultValue);
    if (field[0] == '$') return ParseHex(field.substr(1)).value_or(defaultValue);
    // Letters around the number are ignored ("12 km"); anything between its
    // digits spoils it ("1 2"), as the strict parse refuses it.
    if (numberFirst == std::string_view::npos) return defaultValue;
    return ParseDecimal(field.substr(numberFirst, numberLast - numberFirst + 1))
        .value_or(defaultValue);
}

std::string GetField(std::string_view line, int n, std::string_view defaultValue) {
    auto raw = RawField(line, n);
    return raw ? FieldText(*raw, defaultValue) : std::string(defaultValue);
}

int32_t GetIntField(std::string_view line, int n, int32_t defaultValue) {
    auto raw = RawField(line, n);
    return raw ? FieldInt(*raw, defaultValue) : defaultValue;
}

std::string PadZeros(std::string_view text, std::size_t width) {
    if (text.size() >= width) return std::string(text);
    return std::string(width - text.size(), '0') + std::string(text);
}

} // namespace roamplot
