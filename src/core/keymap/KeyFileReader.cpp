#include "core/keymap/KeyFileReader.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <vector>

#include "core/io/FileIo.h"
#include "core/io/FileNames.h"
#include "core/model/FieldFunctions.h"
#include "core/model/FileLines.h"

namespace roamplot {

namespace {

std::string UpperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

bool IsSkipped(std::string_view line) {
    return line.find_first_not_of(' ') == std::string_view::npos || line.front() == ';';
}

// A screen button line: page, button, command and caption in consecutive
// fields from firstField. Pages above 4 and buttons above 9 name no button.
void MergeScreenButton(std::string_view line, int firstField, const CommandCatalogue& catalogue,
                       KeyMap& map) {
    int32_t page = GetIntField(line, firstField, -1);
    int32_t button = GetIntField(line, firstField + 1, -1);
    if (page < 1 || button < 1) return;
    std::string command = GetField(line, firstField + 2, "");
    if (command.empty()) return;
    int32_t number = StrToInt(command);
    ScreenButton* target = map.FindScreenButton(page, button);
    if (!target) return;
    target->Command = catalogue.FindCommandIndex(number);
    target->Caption = GetField(line, firstField + 3, "");
}

struct OpenedFile {
    std::optional<std::string> Bytes;
    std::string Error;
};

OpenedFile Open(const std::filesystem::path& path) {
    auto bytes = ReadFileBytes(path);
    if (bytes) return {std::move(bytes), {}};
    return {std::nullopt,
            "Cannot open file \"" + PathToText(path) + "\": " + UnreadableReason(path)};
}

// A name that does not depend on the folder the program happens to be started in.
std::filesystem::path WholePath(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::path whole = std::filesystem::absolute(path, error);
    return error ? path : whole;
}

template <typename Merge>
KeyFileReadResult Read(const std::filesystem::path& path, const CommandCatalogue& catalogue,
                       KeyMap& map, Merge merge,
                       std::optional<std::filesystem::path> nameAfterRead) {
    OpenedFile file = Open(path);
    if (!file.Bytes) return {file.Error, std::nullopt};
    try {
        merge(*file.Bytes, catalogue, map);
    } catch (const ConversionError& error) {
        return {error.what(), std::nullopt};
    }
    map.Changed = false;
    return {{}, std::move(nameAfterRead)};
}

} // namespace

KeyFileGrammar KeyFileGrammarOf(const std::filesystem::path& path) {
    std::string extension = UpperCase(ExtensionOf(PathToText(path)));
    if (extension == ".KEY1") return KeyFileGrammar::Key1;
    if (extension == ".KEY2") return KeyFileGrammar::Key2;
    return KeyFileGrammar::None;
}

void MergeKeyFile2(std::string_view text, const CommandCatalogue& catalogue, KeyMap& map) {
    FileLines lines(text);
    while (const std::optional<FileLine> next = lines.Next()) {
        const std::string_view line = next->Text;
        if (IsSkipped(line)) continue;
        std::string tag = GetField(line, 1, "");
        if (tag.size() == 2 && tag[0] == 'a' && tag[1] >= '1' && tag[1] <= '5') {
            map.HardwareKeys[static_cast<std::size_t>(tag[1] - '1')] =
                catalogue.FindCommandIndex(GetIntField(line, 3, 0));
        } else if (tag == "b1") {
            int32_t k = GetIntField(line, 2, 0);
            if (k >= 1 && k <= ProgramButtonCount)
                map.HardwareKeys[static_cast<std::size_t>(CursorKeyCount + k - 1)] =
                    catalogue.FindCommandIndex(GetIntField(line, 4, 0));
        } else if (tag == "c1") {
            MergeScreenButton(line, 2, catalogue, map);
        }
    }
}

void MergeKeyFile1(std::string_view text, const CommandCatalogue& catalogue, KeyMap& map) {
    int dataLine = 0;
    FileLines lines(text);
    while (const std::optional<FileLine> next = lines.Next()) {
        const std::string_view line = next->Text;
        if (IsSkipped(line)) continue;
        if (dataLine < HardwareKeyCount)
            map.HardwareKeys[static_cast<std::size_t>(dataLine)] =
                catalogue.FindCommandIndex(GetIntField(line, 2, 0));
        else
            MergeScreenButton(line, 1, catalogue, map);
        ++dataLine;
    }
}

KeyFileReadResult ReadKeyFile2(const std::filesystem::path& path, const CommandCatalogue& catalogue,
                               KeyMap& map) {
    // A file fetched from the handheld arrives as the transfer file; the fetch names it.
    std::optional<std::filesystem::path> name;
    if (UpperCase(PathToText(path)).find("TEMP.$$$") == std::string::npos) name = WholePath(path);
    return Read(path, catalogue, map, MergeKeyFile2, name);
}

KeyFileReadResult ReadKeyFile1(const std::filesystem::path& path, const CommandCatalogue& catalogue,
                               KeyMap& map) {
    return Read(path, catalogue, map, MergeKeyFile1, WholePath(path));
}

KeyFileReadResult ReadKeyFile(const std::filesystem::path& path, const CommandCatalogue& catalogue,
                              KeyMap& map) {
    switch (KeyFileGrammarOf(path)) {
    case KeyFileGrammar::Key1:
        return ReadKeyFile1(path, catalogue, map);
    case KeyFileGrammar::Key2:
        return ReadKeyFile2(path, catalogue, map);
    case KeyFileGrammar::None:
        break;
    }
    return {};
}

} // namespace roamplot
