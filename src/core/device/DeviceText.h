#pragma once
// Device paths are Windows-1252 text inside the program and UTF-16 at the
// remote API.
#include <string>

namespace roamplot {

std::u16string DeviceTextToUtf16(const std::string& text);
// Characters without a Windows-1252 byte become "?".
std::string Utf16ToDeviceText(const std::u16string& text);

} // namespace roamplot
