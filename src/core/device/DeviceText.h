#pragma once
// Text is Windows-1252 bytes inside the program and UTF-16 at the remote API
// and in the windows. The five bytes Windows-1252 leaves undefined stand for
// themselves both ways, so every byte comes back unchanged.
#include <string>

namespace roamplot {

std::u16string DeviceTextToUtf16(const std::string& text);
// Characters without a Windows-1252 byte become "?".
std::string Utf16ToDeviceText(const std::u16string& text);

} // namespace roamplot
