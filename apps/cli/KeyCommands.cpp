#include "KeyCommands.h"

#include "CliText.h"
#include "JsonText.h"
#include "ParameterCommands.h"
#include "core/app/DesignerSettings.h"
#include "core/app/SettingsFile.h"
#include "core/io/FileIo.h"
#include "core/keymap/KeyFileReader.h"
#include "core/keymap/KeyFileWriter.h"

namespace roamplot::cli {

namespace {

// The designer's settings file, beside the program like the catalogues.
constexpr const char* SettingsFileName = "RoamCE_Screen_Designer.ini";

std::string CommandFields(const CommandCatalogue& catalogue, int32_t index) {
    int32_t number = catalogue.Contains(index) ? catalogue.At(index).Number : 0;
    return "\"Index\": " + std::to_string(index) + ", \"Number\": " + std::to_string(number) +
           ", \"Name\": " + JsonString(catalogue.NameOf(index));
}

void PrintKeyMap(std::ostream& out, const KeyMap& map, const CommandCatalogue& catalogue) {
    out << "{\"HardwareKeys\": [\n";
    for (int key = 0; key < HardwareKeyCount; ++key)
        out << "  {\"Key\": " << JsonString(HardwareKeyName(key)) << ", "
            << CommandFields(catalogue, map.HardwareKeys[static_cast<std::size_t>(key)]) << "}"
            << (key + 1 < HardwareKeyCount ? ",\n" : "\n");
    out << "], \"ScreenButtons\": [\n";
    for (int p = 1; p <= ScreenButtonPages; ++p)
        for (int m = 1; m <= ScreenButtonsPerPage; ++m) {
            const ScreenButton& button = *map.FindScreenButton(p, m);
            bool last = p == ScreenButtonPages && m == ScreenButtonsPerPage;
            out << "  {\"Page\": " << p << ", \"Button\": " << m << ", "
                << CommandFields(catalogue, button.Command)
                << ", \"Caption\": " << JsonString(button.Caption) << "}" << (last ? "\n" : ",\n");
        }
    out << "]}\n";
}

// Reads a key file into an empty map as the designer does; false after telling why not.
bool ReadIntoEmptyMap(CliContext& context, const std::string& file, CommandCatalogue& catalogue,
                      KeyMap& map) {
    // Without the catalogue every command would read as the first one: nothing to go on.
    const std::filesystem::path cataloguePath = context.ProgramFolder / "commands.dat";
    const std::optional<std::string> bytes = ReadFileBytes(cataloguePath);
    if (!bytes) {
        context.Err << "roamplot-cli: cannot read " << Printable(cataloguePath) << ": "
                    << UnreadableReason(cataloguePath) << "\n";
        return false;
    }
    std::string problems = catalogue.Load(*bytes);
    if (!problems.empty()) context.Err << "roamplot-cli: " << Printable(problems) << "\n";
    KeyFileReadResult result = ReadKeyFile(ArgumentPath(file), catalogue, map);
    if (!result.Error.empty()) {
        context.Err << "roamplot-cli: " << file << ": "
                    << Printable(result.Error, ArgumentPath(file)) << "\n";
        return false;
    }
    return true;
}

int DumpKeyFile(CliContext& context) {
    CommandCatalogue catalogue;
    KeyMap map;
    if (!ReadIntoEmptyMap(context, context.Arguments[0], catalogue, map)) return 1;
    PrintKeyMap(context.Out, map, catalogue);
    return 0;
}

} // namespace

int RunDump(CliContext& context) {
    if (context.Arguments.size() != 1) {
        context.Err << "usage: roamplot-cli dump FILE\n";
        return 2;
    }
    if (KeyFileGrammarOf(ArgumentPath(context.Arguments[0])) != KeyFileGrammar::None)
        return DumpKeyFile(context);
    return DumpParameterFile(context);
}

int RunKeys(CliContext& context) {
    if (context.Arguments.size() != 2 ||
        KeyFileGrammarOf(ArgumentPath(context.Arguments[0])) == KeyFileGrammar::None) {
        context.Err << "usage: roamplot-cli keys IN.key1|IN.key2 OUT.key2\n";
        return 2;
    }
    CommandCatalogue catalogue;
    KeyMap map;
    if (!ReadIntoEmptyMap(context, context.Arguments[0], catalogue, map)) return 1;
    SettingsFile settings(context.ProgramFolder / SettingsFileName);
    std::string error = WriteKeyFile(ArgumentPath(context.Arguments[1]), map, catalogue,
                                     ReadDesignerSettings(settings).ButtonKeyCodes);
    if (!error.empty()) {
        context.Err << "roamplot-cli: " << Printable(error, ArgumentPath(context.Arguments[1]))
                    << "\n";
        return 1;
    }
    return 0;
}

int WriteKeysForSending(CliContext& context, const std::string& file,
                        const std::filesystem::path& tempFile) {
    CommandCatalogue catalogue;
    KeyMap map;
    if (!ReadIntoEmptyMap(context, file, catalogue, map)) return 2;
    SettingsFile settings(context.ProgramFolder / SettingsFileName);
    std::string error =
        WriteKeyFile(tempFile, map, catalogue, ReadDesignerSettings(settings).ButtonKeyCodes);
    if (!error.empty()) {
        context.Err << "roamplot-cli: " << Printable(error, tempFile) << "\n";
        return 1;
    }
    return 0;
}

} // namespace roamplot::cli
