#include "ParameterCommands.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <memory>
#include <sstream>

#include "CliText.h"
#include "JsonText.h"
#include "core/app/DesignerSettings.h"
#include "core/app/SettingsFile.h"
#include "core/designer/BoxFindings.h"
#include "core/designer/LayoutScaling.h"
#include "core/device/DeviceTransfer.h"
#include "core/io/FileIo.h"
#include "core/model/FieldFunctions.h"
#include "core/model/ParameterFileReader.h"
#include "core/model/ParameterFileWriter.h"
#include "render/PageCompositor.h"
#include "render/PageExport.h"
#include "render/PageThumbnail.h"
#include "render/PathText.h"
#include "render/RenderContext.h"
#include "render/TextCodec.h"

namespace roamplot::cli {

namespace {

constexpr const char* SettingsFileName = "RoamCE_Screen_Designer.ini";
constexpr int ReadFailed = 2;

// A layout loaded as the designer loads it, with the catalogue and settings of the program folder.
struct Loaded {
    ParameterCatalogue Catalogue;
    DesignerSettings Settings;
    ScreenLayout Layout;
    ParameterFileLoadReport Report;
};

// Nothing when the file cannot be read (the reason has been told).
std::unique_ptr<Loaded> Load(CliContext& context, const std::string& file) {
    auto loaded = std::make_unique<Loaded>();
    const std::filesystem::path cataloguePath = context.ProgramFolder / "Parameters.dat";
    // Without the catalogue every box would lose its samples and units: nothing to go on.
    const std::optional<std::string> catalogue = ReadFileBytes(cataloguePath);
    if (!catalogue) {
        context.Err << "roamplot-cli: cannot read " << Printable(cataloguePath) << ": "
                    << UnreadableReason(cataloguePath) << "\n";
        return nullptr;
    }
    loaded->Catalogue.Load(*catalogue);
    loaded->Settings = ReadDesignerSettings(SettingsFile(context.ProgramFolder / SettingsFileName));
    GiveCreationValues(loaded->Layout);
    loaded->Report = LoadParameterFile(loaded->Layout, loaded->Settings, loaded->Catalogue,
                                       ArgumentPath(file), ReadSymbolBitmapFile);
    if (!loaded->Report.Readable) {
        context.Err << "roamplot-cli: " << Printable(loaded->Report.ReadError, ArgumentPath(file))
                    << "\n";
        return nullptr;
    }
    return loaded;
}

// Text drawing needs the GUI application. It draws offscreen, so the tool
// connects to no display unless a platform is named. On Windows only the
// system's own platform finds its fonts.
class GuiSession {
  public:
    GuiSession() {
#ifndef _WIN32
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
        if (!QGuiApplication::instance()) app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }

  private:
    int argc_ = 1;
    char name_[13] = "roamplot-cli";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

class JsonObject {
  public:
    JsonObject& Add(const char* key, const std::string& value) {
        return Raw(key, JsonString(value));
    }
    JsonObject& Add(const char* key, const char* value) { return Raw(key, JsonString(value)); }
    // A file name goes out as the name it is, not as the parameter file writes it.
    JsonObject& Add(const char* key, const std::filesystem::path& value) {
        return Raw(key, JsonUtf8String(PathToUtf8(value)));
    }
    JsonObject& Add(const char* key, int32_t value) { return Raw(key, std::to_string(value)); }
    JsonObject& Colour(const char* key, roamplot::Colour value) {
        return Raw(key, JsonString(ColorToRgbText(value)));
    }
    JsonObject& Raw(const char* key, const std::string& json) {
        text_ += (text_.empty() ? "{" : ", ") + JsonString(key) + ": " + json;
        return *this;
    }
    std::string Text() const { return text_.empty() ? "{}" : text_ + "}"; }

  private:
    std::string text_;
};

std::string SymbolJson(const SharedDib& symbol) {
    if (!symbol) return "null";
    return JsonObject()
        .Add("Width", symbol->Width())
        .Add("Height", symbol->Height())
        .Add("BitCount", symbol->BitCount())
        .Text();
}

std::string BoxJson(const ParameterBox& box, int slot) {
    return JsonObject()
        .Add("Slot", slot)
        .Add("ParameterId", box.ParameterId)
        .Add("Kind", box.Kind)
        .Add("PageNo", box.PageNo)
        .Add("Left", box.Left)
        .Add("Top", box.Top)
        .Add("Width", box.Width)
        .Add("Height", box.Height)
        .Add("Units", box.Units)
        .Add("Decimals", box.Decimals)
        .Add("ShowUnits", box.ShowUnits)
        .Add("TitleText", box.TitleText)
        .Add("TitleFontSize", box.TitleFontSize)
        .Colour("TitleForeColor", box.TitleForeColor)
        .Colour("TitleBackColor", box.TitleBackColor)
        .Add("TitleBackStyle", box.TitleBackStyle)
        .Add("TestText", box.TestText)
        .Add("TextFontSize", box.TextFontSize)
        .Colour("TextForeColor", box.TextForeColor)
        .Colour("TextBackColor", box.TextBackColor)
        .Add("TextBackStyle", box.TextBackStyle)
        .Colour("BorderColor", box.BorderColor)
        .Add("BorderWidth", box.BorderWidth)
        .Add("BorderRadius", box.BorderRadius)
        .Add("Justification", box.Justification)
        .Add("ButtonStyle", box.ButtonStyle)
        .Add("SymbolPlacement", box.SymbolPlacement)
        .Raw("Symbol", SymbolJson(box.Symbol))
        .Add("SymbolFile", box.SymbolFile)
        .Add("SymbolRef", box.SymbolRef)
        .Add("Selected", box.Selected)
        .Text();
}

void PrintLayout(std::ostream& out, const Loaded& loaded) {
    const ScreenSize size = loaded.Settings.Screen.Size();
    out << "{\"DeviceTypeCode\": " << JsonString(loaded.Layout.DeviceTypeCode)
        << ",\n \"DeviceScreen\": " << loaded.Settings.Screen.Row
        << ",\n \"ScreenWidth\": " << size.Width << ",\n \"ScreenHeight\": " << size.Height
        << ",\n \"NumberOfPages\": " << loaded.Settings.NumberOfPages << ",\n \"Pages\": [";
    for (int p = 1; p <= MaxPages; ++p) {
        out << (p == 1 ? "\n" : ",\n") << "  {\"Page\": " << p
            << ", \"PageName\": " << JsonString(loaded.Layout.PageAt(p).PageName)
            << ", \"Boxes\": [";
        bool first = true;
        for (int s = 1; s <= SlotsPerPage; ++s) {
            const ParameterBox& box = loaded.Layout.Box(p, s);
            if (!box.InUse()) continue;
            out << (first ? "\n" : ",\n") << "    " << BoxJson(box, s);
            first = false;
        }
        out << (first ? "]}" : "\n  ]}");
    }
    out << "\n]}\n";
}

// Every page that holds a box is composed once: its texts tell what does not fit.
std::vector<BoxFinding> LayoutFindings(const Loaded& loaded) {
    const RenderContext render = MakeRenderContext(loaded.Catalogue, loaded.Settings);
    std::vector<BoxFinding> findings;
    for (int page = 1; page <= MaxPages; ++page) {
        const std::vector<BoxFinding> outside =
            OutsideFindings(loaded.Layout, page, render.DrawArea);
        findings.insert(findings.end(), outside.begin(), outside.end());
        if (loaded.Layout.Box(page, 1).InUse()) ComposePage(loaded.Layout, page, render, &findings);
    }
    SortFindings(findings);
    return findings;
}

bool ReadPositive(const std::string& text, int most, int& value) {
    std::optional<int32_t> number = TryStrToInt(text);
    if (!number || *number < 1 || *number > most) return false;
    value = *number;
    return true;
}

// Writes the loaded layout, on the screen its settings now name, with its thumbnails.
int WriteLoaded(CliContext& context, const Loaded& loaded, const std::string& file) {
    const RenderContext render = MakeRenderContext(loaded.Catalogue, loaded.Settings);
    ParameterFileWriteResult written = WriteParameterFile(
        loaded.Layout, loaded.Settings.Screen, ArgumentPath(file), MakeThumbnailRenderer(render));
    if (!written.Ok()) {
        context.Err << "roamplot-cli: " << Printable(written.Error, ArgumentPath(file)) << "\n";
        return 1;
    }
    for (const std::filesystem::path& name : UnwritableSymbolNames(written.SymbolList))
        context.Err << "roamplot-cli: the symbol file name \"" << Printable(name)
                    << "\" cannot be written in the parameter file; the symbol is embedded only "
                       "if it is small enough.\n";
    return 0;
}

} // namespace

int DumpParameterFile(CliContext& context) {
    if (context.Arguments.size() != 1) {
        context.Err << "usage: roamplot-cli dump FILE.par1\n";
        return 2;
    }
    std::unique_ptr<Loaded> loaded = Load(context, context.Arguments[0]);
    if (!loaded) return ReadFailed;
    if (!loaded->Report.StopError.empty())
        context.Err << "roamplot-cli: " << Printable(loaded->Report.StopError) << "\n";
    PrintLayout(context.Out, *loaded);
    return 0;
}

int RunResave(CliContext& context) {
    if (context.Arguments.size() != 2) {
        context.Err << "usage: roamplot-cli resave IN.par1 OUT.par1\n";
        return 2;
    }
    GuiSession gui;
    std::unique_ptr<Loaded> loaded = Load(context, context.Arguments[0]);
    if (!loaded) return ReadFailed;
    return WriteLoaded(context, *loaded, context.Arguments[1]);
}

int RunScale(CliContext& context) {
    const auto& arguments = context.Arguments;
    if (arguments.size() != 4 || arguments[2] != "--screen") {
        context.Err << "usage: roamplot-cli scale IN.par1 OUT.par1 --screen ROW|WxH\n";
        return 2;
    }
    GuiSession gui;
    std::unique_ptr<Loaded> loaded = Load(context, arguments[0]);
    if (!loaded) return ReadFailed;
    // The file's own screen is the one it is scaled from; a custom target is for this file only.
    const std::optional<DeviceScreen> target =
        TargetScreenOf(arguments[3], loaded->Settings.Screen);
    if (!target) {
        context.Err << "roamplot-cli: the screen must be a row 0 to 7 of the device screen table "
                       "or a size such as 800x480; "
                    << UnscalableScreenMessage << "\n";
        return 2;
    }
    ScaleBoxes(loaded->Layout, loaded->Settings.Screen.DrawArea(), target->DrawArea());
    loaded->Layout.DeviceTypeCode = target->DeviceTypeCode();
    loaded->Settings.Screen = *target;
    return WriteLoaded(context, *loaded, arguments[1]);
}

int RunRender(CliContext& context) {
    const char* usage =
        "usage: roamplot-cli render IN.par1 OUT.png [--page N] [--zoom K]\n"
        "       roamplot-cli render IN.par1 DIR --all [--zoom K] [--sheet SHEET.png]\n";
    std::vector<std::string> files;
    int page = 1;
    int zoom = 1;
    bool all = false;
    std::string sheet;
    const auto& arguments = context.Arguments;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const bool hasValue = i + 1 < arguments.size();
        if (arguments[i] == "--page" && hasValue) {
            if (!ReadPositive(arguments[++i], MaxPages, page)) {
                context.Err << "roamplot-cli: the page must be 1 to 20\n";
                return 2;
            }
        } else if (arguments[i] == "--zoom" && hasValue) {
            if (!ReadPositive(arguments[++i], 16, zoom)) {
                context.Err << "roamplot-cli: the zoom must be 1 to 16\n";
                return 2;
            }
        } else if (arguments[i] == "--sheet" && hasValue) {
            sheet = arguments[++i];
        } else if (arguments[i] == "--all") {
            all = true;
        } else {
            files.push_back(arguments[i]);
        }
    }
    if (files.size() != 2 || (!sheet.empty() && !all)) {
        context.Err << usage;
        return 2;
    }
    GuiSession gui;
    std::unique_ptr<Loaded> loaded = Load(context, files[0]);
    if (!loaded) return ReadFailed;
    const RenderContext render = MakeRenderContext(loaded->Catalogue, loaded->Settings);
    if (all) {
        const PageExportResult result =
            ExportPages(loaded->Layout, render, zoom, ArgumentPath(files[1]),
                        sheet.empty() ? std::filesystem::path() : ArgumentPath(sheet));
        if (!result.Ok()) {
            context.Err << "roamplot-cli: " << Printable(result.Error, result.Failed) << "\n";
            return 1;
        }
        context.Out << result.Written << (result.Written == 1 ? " page" : " pages") << " written\n";
        return 0;
    }
    QImage image = ComposePage(loaded->Layout, page, render);
    if (zoom > 1)
        image = image.scaled(image.width() * zoom, image.height() * zoom, Qt::IgnoreAspectRatio,
                             Qt::FastTransformation);
    // Encoded in memory first, so the picture replaces the old one only once it is whole.
    QByteArray png;
    QBuffer buffer(&png);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        context.Err << "roamplot-cli: cannot write " << files[1] << "\n";
        return 1;
    }
    const std::string error = WriteFileAtomically(
        ArgumentPath(files[1]),
        std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
    if (!error.empty()) {
        context.Err << "roamplot-cli: " << Printable(error, ArgumentPath(files[1])) << "\n";
        return 1;
    }
    return 0;
}

int RunCheck(CliContext& context) {
    if (context.Arguments.size() != 1) {
        context.Err << "usage: roamplot-cli check FILE.par1\n";
        return 2;
    }
    GuiSession gui;
    std::unique_ptr<Loaded> loaded = Load(context, context.Arguments[0]);
    if (!loaded) return ReadFailed;
    std::vector<std::string> findings = loaded->Report.Findings();
    if (loaded->Report.Version == 0)
        findings.insert(findings.begin(), "no box records: nothing was loaded");
    for (const BoxFinding& finding : LayoutFindings(*loaded))
        findings.push_back(FindingLine(finding, loaded->Settings.Screen.Size()));
    for (const std::string& finding : findings) context.Out << Printable(finding) << "\n";
    return findings.empty() ? 0 : 1;
}

int SendLayout(CliContext& context, DeviceLink& link, const std::string& file,
               const std::string& name) {
    GuiSession gui;
    std::unique_ptr<Loaded> loaded = Load(context, file);
    if (!loaded) return ReadFailed;
    const RenderContext render = MakeRenderContext(loaded->Catalogue, loaded->Settings);
    SymbolCopyHooks hooks;
    hooks.ShowCopying = [&](const std::string& symbol) {
        context.Out << "Copying file : " << Printable(symbol) << "\n";
    };
    hooks.ShowMessage = [&](const std::string& text) {
        context.Err << "roamplot-cli: " << Printable(text) << "\n";
    };
    const SendOutcome outcome = SendParameterFile(
        link, loaded->Layout, loaded->Settings.Screen, MakeThumbnailRenderer(render),
        TempFileIn(context.ProgramFolder), loaded->Settings.DeviceFolder, name, hooks);
    if (!outcome.WriteError.empty()) {
        context.Err << "roamplot-cli: "
                    << Printable(outcome.WriteError, TempFileIn(context.ProgramFolder)) << "\n";
        return 1;
    }
    if (!outcome.Sent) {
        context.Err << "roamplot-cli: " << SendFailed << "\n";
        return 1;
    }
    context.Out << SendSucceeded << "\n";
    return 0;
}

} // namespace roamplot::cli
