#include "core/keymap/KeyFileWriter.h"

#include "core/io/FileIo.h"
#include "core/io/FileNames.h"

namespace roamplot {

namespace {

// A command is stored by its number. An index without an entry (only possible
// with an empty catalogue) is written as 0 so that the line stays well formed.
std::string NumberText(const CommandCatalogue& catalogue, int32_t index) {
    return std::to_string(catalogue.Contains(index) ? catalogue.At(index).Number : 0);
}

class Lines {
  public:
    void Add(const std::string& line) { text_ += line + "\r\n"; }
    std::string Take() { return std::move(text_); }

  private:
    std::string text_;
};

} // namespace

std::string KeyFileText(const KeyMap& map, const CommandCatalogue& catalogue,
                        const ButtonKeyCodeTexts& keyCodes) {
    Lines out;
    out.Add(";Hardware keys and Screen Control configuration file for RoamplotCE");
    out.Add(";");
    out.Add(";");
    out.Add(";Cursor keys (if available)");
    for (int key = 0; key < CursorKeyCount; ++key)
        out.Add("a" + std::to_string(key + 1) + "," + HardwareKeyName(key) + "," +
                NumberText(catalogue, map.HardwareKeys[static_cast<std::size_t>(key)]));
    out.Add(";");
    out.Add(";program keys (if available)");
    out.Add(";id,button number,button code,button command");
    for (int k = 1; k <= ProgramButtonCount; ++k) {
        std::size_t button = static_cast<std::size_t>(k - 1);
        out.Add(";Button " + std::to_string(k));
        out.Add("b1," + std::to_string(k) + "," + keyCodes[button] + "," +
                NumberText(catalogue, map.HardwareKeys[CursorKeyCount + button]));
    }
    out.Add(";");
    out.Add(";");
    out.Add(";Screen Control");
    for (int p = 1; p <= ScreenButtonPages; ++p) {
        out.Add(";Page " + std::to_string(p));
        for (int m = 1; m <= ScreenButtonsPerPage; ++m) {
            const ScreenButton& button = *map.FindScreenButton(p, m);
            out.Add("c1," + std::to_string(p) + "," + std::to_string(m) + "," +
                    NumberText(catalogue, button.Command) + "," +
                    button.Caption.substr(0, MaxCaptionLength));
        }
    }
    out.Add(";");
    out.Add(";List of commands");
    out.Add(";The number of the command is used");
    out.Add(";");
    for (int i = 0; i < catalogue.Count(); ++i)
        out.Add(";" + std::to_string(catalogue.At(i).Number) + " , " + catalogue.At(i).Name);
    out.Add(";");
    out.Add(";");
    out.Add(";End");
    return out.Take();
}

std::string WriteKeyFile(const std::filesystem::path& path, const KeyMap& map,
                         const CommandCatalogue& catalogue, const ButtonKeyCodeTexts& keyCodes) {
    return WriteFileAtomically(path, KeyFileText(map, catalogue, keyCodes));
}

std::optional<std::filesystem::path> KeyFileNameAfterWrite(const std::filesystem::path& path) {
    if (PathToText(path).find(".$$$") != std::string::npos) return std::nullopt;
    return path;
}

} // namespace roamplot
