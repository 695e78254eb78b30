#pragma once
// The field rules shared by every text file of the system: comma-separated
// fields without quoting, numbered from 1.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace roamplot {

// Thrown where the run-time conversion of a text to an integer fails; the
// message is the one the user sees ("'abc' is not a valid integer value").
class ConversionError : public std::runtime_error {
  public:
    explicit ConversionError(const std::string& text);
};

// Removes leading and trailing blanks (spaces only: tabs stay).
std::string TrimSpaces(std::string_view text);

// Splits a line at every comma.
std::vector<std::string_view> SplitFields(std::string_view line);

std::string GetField(std::string_view line, int n, std::string_view defaultValue);
int32_t GetIntField(std::string_view line, int n, int32_t defaultValue);
// The same rules for a field already split off its line; the view points
// into the field or the default.
std::string_view FieldView(std::string_view field, std::string_view defaultValue);
std::string FieldText(std::string_view field, std::string_view defaultValue);
int32_t FieldInt(std::string_view field, int32_t defaultValue);

// A strict conversion: optional sign and decimal digits, or "$" / "0x" followed
// by hexadecimal digits, surrounding spaces allowed. Empty result when it fails.
std::optional<int32_t> TryStrToInt(std::string_view text);
// As TryStrToInt, throwing ConversionError when it fails.
int32_t StrToInt(std::string_view text);

std::string PadZeros(std::string_view text, std::size_t width);

} // namespace roamplot
