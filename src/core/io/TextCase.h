#pragma once
// Case in the PC's single-byte code page (Windows-1252), as the handheld and
// the user see letters: accented capitals have small letters too.
#include <string>
#include <string_view>

namespace roamplot {

std::string LowerCase1252(std::string_view text);

} // namespace roamplot
