#pragma once
// JSON output of the companion's commands.
#include <string>

namespace roamplot::cli {

// A JSON string (UTF-8, quoted and escaped) of Windows-1252 text.
std::string JsonString(const std::string& windows1252);
// The same of text that is UTF-8 already.
std::string JsonUtf8String(const std::string& utf8);

} // namespace roamplot::cli
