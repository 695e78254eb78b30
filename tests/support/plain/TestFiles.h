#pragma once
// The tests' data files, little-endian fields for hand-made binary files, and
// what a folder holds.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "core/model/DibFile.h"
#include "plain/TempFolder.h"

namespace roamplot::test {

// A file of tests/data, by path and by its bytes ("<missing fixture>" when absent).
std::string TestData(std::string_view name);
std::string TestDataBytes(std::string_view name);
// The shipped sample layout.
std::string SampleLayout();

void PutU16(std::string& out, uint16_t value);
void PutU32(std::string& out, uint32_t value);
void SetU32(std::string& bytes, std::size_t at, uint32_t value);

// How many files and folders lie directly in the folder.
std::ptrdiff_t EntriesIn(const std::filesystem::path& folder);

// A .bmp file's picture, failing the test when it is refused; and the error of one refused.
Dib MustReadBmp(const std::string& bytes);
std::string BmpError(const std::string& bytes);

// The folder names of three scripts as the values of a parameterised test, named by script.
inline auto ScriptFolders() {
    return ::testing::Values(Latin1FolderName(), CyrillicFolderName(), JapaneseFolderName());
}
inline std::string ScriptName(const ::testing::TestParamInfo<std::filesystem::path>& info) {
    return info.index == 0 ? "Latin" : info.index == 1 ? "Cyrillic" : "Japanese";
}

#ifndef _WIN32
// Runs `check` in a child process that is an ordinary user (the super-user
// writes anywhere), and gives what it returned.
bool TrueAsOrdinaryUser(const std::function<bool()>& check);
#endif

} // namespace roamplot::test
